// Writes pictures of the splash and of the configuration window (tabs 1, 4 and 11, Italian
// and English) into a folder: finestre_avvio [folder]  (default: finestre_avvio)
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

// What lies outside the rounded outline is not part of the window.
QImage Ritaglia(const QImage& im) {
    QImage tagliata(im.size(), QImage::Format_ARGB32_Premultiplied);
    tagliata.fill(Qt::transparent);
    QPainter p(&tagliata);
    p.setClipRegion(RegioneArrotondata(im.size()));
    p.drawImage(0, 0, im);
    return tagliata;
}

bool Salva(const QImage& im, const QString& percorso) {
    if (im.save(percorso)) {
        std::printf("%s\n", qPrintable(percorso));
        return true;
    }
    std::fprintf(stderr, "cannot write %s\n", qPrintable(percorso));
    return false;
}

// The splash as the desktop shows it: its own shape on a transparent ground.
bool FotoSplash(const QString& cartella) {
    TForm1Splash splash;
    splash.show();
    splash.Timer1->stop();
    QApplication::processEvents();
    const QImage im = splash.grab().toImage();
    QImage forma(im.size(), QImage::Format_ARGB32_Premultiplied);
    forma.fill(Qt::transparent);
    QPainter p(&forma);
    p.setClipRegion(splash.mask());
    p.drawImage(0, 0, im);
    p.end();
    return Salva(forma, cartella + QStringLiteral("/splash.png"));
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
            ok = Salva(Ritaglia(finestra.grab().toImage()), cartella + QLatin1Char('/') + nome) && ok;
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
    // The user folders go to a scratch place; the pictures of the program folder are the real ones.
    ImpostaCartelleUtente(casa.filePath(QStringLiteral("dati")), casa.filePath(QStringLiteral("documenti")),
                          QCoreApplication::applicationDirPath());
    const bool splash = FotoSplash(cartella);
    return FotoConfigurazione(cartella) && splash ? 0 : 1;
}
