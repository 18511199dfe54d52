// The JPEG reader: header, whole picture and reduced thumbnail.
#include "Fuzz.h"

#include "platform/Jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    const QString percorso = ScriviInput(QStringLiteral("f.jpg"), dati, dimensione);
    InfoJpeg info;
    LeggiInfoJpeg(percorso, info);
    LeggiJpeg(percorso);
    LeggiJpegRidotta(percorso, QSize(48, 28));
    return 0;
}
