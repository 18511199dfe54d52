// The codec settings string of the project file, through to the command line it makes.
#include "Fuzz.h"

#include "encoding/ImpostazioniCodec.h"
#include "encoding/RigaComando.h"

#include <QDateTime>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    const QString testo = QString::fromUtf8(Byte(dati, dimensione));
    const SceltaCodec scelta = LeggiImpostazioniCodec(testo);
    LeggiImpostazioniCodec(ScriviImpostazioniCodec(scelta), scelta);
    const ParametriCodec codec = ApplicaImpostazioniCodec(scelta, ParametriCodec());
    const ParametriCodifica frame{QStringLiteral("/video"), 25, true, 30, QStringLiteral("Frames/Image")};
    CreaRigaComando(frame, codec, QDateTime(QDate(2026, 12, 10), QTime(9, 5, 3)), QStringLiteral("ffmpeg"));
    return 0;
}
