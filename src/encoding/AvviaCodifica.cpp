#include "encoding/AvviaCodifica.h"

#include "encoding/ListaFrame.h"
#include "encoding/TestiCodifica.h"
#include "project/ImpostazioniProgetto.h"
#include "project/TestiMessaggi.h"

#include <QDir>

int LeggiFrameRate(const QString& caption) {
    qint64 valore = 0;
    for (QChar c : caption) {
        if (!c.isDigit() || c.unicode() > '9') break;
        valore = valore * 10 + (c.unicode() - '0');
        if (valore >= 1000000) {  // no rate is that large; keeps the number in range
            valore = 1000000;
            break;
        }
    }
    return static_cast<int>(valore);
}

int FrameAlSecondoDellaVoce(int voce) {
    return LeggiFrameRate(VociPredefinite::ProgettoFrameRate().value(voce - 1));
}

ConsegnaCodifica AvviaCodifica(const DatiAvvioCodifica& dati) {
    ConsegnaCodifica consegna;
    consegna.PercorsoListaFrame = QDir(dati.PercorsoOutput).filePath(QString::fromLatin1(TestiCodifica::FileListaFrame));
    QString motivo;
    consegna.ListaScritta =
        ScriviListaFrame(consegna.PercorsoListaFrame, dati.PercorsoOutput, dati.TotaleFrame, dati.UsaJpg, &motivo);
    if (!consegna.ListaScritta)
        consegna.ErroreLista = TestoMessaggio(VoceMessaggio::ListaFrameNonScritta).arg(consegna.PercorsoListaFrame, motivo);
    ParametriCodifica& p = consegna.Parametri;
    p.CartellaVideo = QDir(dati.PercorsoOutput).filePath(QString::fromLatin1(TestiCodifica::CartellaVideo));
    p.FrameAlSecondo = LeggiFrameRate(dati.FrameRate);
    p.FrameInJpg = dati.UsaJpg;
    p.NumeroFrame = dati.Durata;
    p.PrefissoFrame = QString::fromLatin1(TestiCodifica::PrefissoFrame);
    return consegna;
}
