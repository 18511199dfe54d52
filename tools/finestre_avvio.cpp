// Writes pictures of the splash and of the configuration window (tabs 1, 4 and 11, Italian
// and English) into a folder: finestre_avvio [folder]  (default: finestre_avvio)
#include "AiutoStrumenti.h"
#include "SchermoOffscreen.h"
#include "app/Frm1splash.h"
#include "app/Frm6configurazione.h"
#include "app/VerInfo.h"
#include "controls/GeometriaForm.h"
#include "controls/Orvheader.h"
#include "platform/CartelleUtente.h"
#include "platform/ValoriProgramma.h"
#include "project/ApplicaLingua.h"
#include "project/ImpostazioniGlobali.h"
#include "project/TabellaLingue.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// The splash as the desktop shows it: its own shape on a transparent ground.
bool FotoSplash(const QString& cartella) {
    TForm1Splash splash;
    splash.show();
    splash.Timer1->stop();
    QApplication::processEvents();
    return SalvaFoto(Ritaglia(Foto(&splash), splash.mask()), cartella + QStringLiteral("/splash.png"));
}

bool FotoConfigurazione(const QString& cartella) {
    bool ok = true;
    const struct {
        int lingua;
        const char* sigla;
    } lingue[] = {{LinguaItaliano, "it"}, {LinguaInglese, "en"}};
    for (const auto& l : lingue) {
        ImpostazioniProgetto impostazioni;
        TForm6Configurazione finestra(impostazioni);
        ImpostazioniGlobali.LinguaCorrente = l.lingua;
        impostazioni.Impostazioni_Lingua0 = l.lingua == LinguaItaliano;
        impostazioni.Impostazioni_Lingua1 = l.lingua == LinguaInglese;
        RiempiTabellaLingue();
        ApplicaLingua(impostazioni, &finestra);
        finestra.show();
        QApplication::processEvents();
        for (int scheda : {1, 4, 11}) {
            finestra.ElencoPagine->SetORV_PannelloAttivo(scheda);
            finestra.ElencoPagineCambioPagina(finestra.ElencoPagine);
            QApplication::processEvents();
            const QString nome = QStringLiteral("configurazione_%1_scheda%2.png").arg(QLatin1String(l.sigla)).arg(scheda);
            // What lies outside the rounded outline is not part of the window.
            const QImage im = Foto(&finestra);
            ok = SalvaFoto(Ritaglia(im, RegioneArrotondata(im.size())), cartella + QLatin1Char('/') + nome) && ok;
        }
        finestra.hide();
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    // Offscreen on a full-HD screen, unless a display is asked for.
    QTemporaryDir casa;
    ImpostaSchermoOffscreen(casa);
    QApplication applicazione(argc, argv);
    AreaLavoro = MisuraAreaLavoro();
    VersioneProgramma = VerInfo().VersioneFile();
    const QString cartella = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("finestre_avvio");
    QDir().mkpath(cartella);
    CasaTemporanea(casa);
    const bool splash = FotoSplash(cartella);
    return FotoConfigurazione(cartella) && splash ? 0 : 1;
}
