#include "platform/CartelleUtente.h"

#include <QDir>

QString CartellaLavoro;
QString CartellaStili;
QString PercorsoOutput;
QString PercorsoOutputPredefinito;
QString CartellaProgramma;

namespace {
bool Crea(const QString& cartella) { return QDir().mkpath(cartella); }
}  // namespace

bool ImpostaCartelleUtente(const QString& datiApplicazione, const QString& documenti,
                           const QString& cartellaProgramma) {
    bool ok = true;
    CartellaLavoro = datiApplicazione + QStringLiteral("/Drovaskent/Quenvox");
    CartellaStili = datiApplicazione + QStringLiteral("/Drovaskent/Stili");
    ok &= Crea(CartellaLavoro);
    ok &= Crea(CartellaStili);

    PercorsoOutput = documenti + QStringLiteral("/Drovaskent/Quenvox");
    PercorsoOutputPredefinito = PercorsoOutput;
    ok &= Crea(PercorsoOutput + QStringLiteral("/Video/Frames"));

    CartellaProgramma = cartellaProgramma;
    return ok;
}
