// Writes pictures of the message box with long texts, in Italian and English, on a screen of
// the size given: messaggi_lunghi [folder [width height]] (default build/messaggi_lunghi,
// 1920 1080). A text taller than the screen leaves is grabbed once at the top and once
// scrolled to its end.
#include "AiutoStrumenti.h"
#include "SchermoOffscreen.h"
#include "controls/StileSuggerimenti.h"
#include "dialogs/Forvdlgmessaggi.h"
#include "encoding/TestiCodifica.h"
#include "project/TestiMessaggi.h"

#include <QApplication>
#include <QDir>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

struct Caso {
    const char* nome;
    int tipo;
    QString testo;
};

QList<Caso> Casi(int lingua) {
    const QString cartella = QStringLiteral("/home/utente/.local/share/Drovaskent/Quenvox/");
    QStringList salvate, ventuno;
    for (int i = 1; i <= 10; ++i) salvate << cartella + QStringLiteral("ProgettoQuenvox.txt.nuovo%1").arg(i);
    for (int i = 1; i <= 21; ++i) ventuno << cartella + QStringLiteral("ProgettoQuenvox.txt.nuovo%1").arg(i);
    const QString video = QStringLiteral("/home/utente/Documenti/Drovaskent/Quenvox/Progetti del cliente/"
                                         "Presentazione aziendale/Video/Video_2026_12_11_10_30_00.mov");
    QString lungo = QStringLiteral("/home/utente/Documenti/Drovaskent/Quenvox/");
    while (lungo.size() < 290) lungo += QStringLiteral("cartella-lunga/");
    lungo += QStringLiteral("stile.txt");
    QStringList dodici;
    for (int i = 1; i <= 12; ++i) dodici << (lingua == 0 ? QStringLiteral("Riga %1 del messaggio") : QStringLiteral("Line %1 of the message")).arg(i);
    return {
        {"progetto_illeggibile", 3,
         TestoMessaggio(VoceMessaggio::ProgettoIlleggibileSostituire, lingua)
             .arg(cartella + QStringLiteral("ProgettoQuenvox.txt"), QStringLiteral("Permission denied"))},
        {"dieci_sessioni", 2, TestoMessaggio(VoceMessaggio::SessioniSalvateDaParte, lingua).arg(salvate.join('\n'))},
        {"ventuno_sessioni", 2, TestoMessaggio(VoceMessaggio::SessioniSalvateDaParte, lingua).arg(ventuno.join('\n'))},
        {"video_creato", 2,
         TestiCodifica::TestoFinestra(TestiCodifica::VoceFinestra::VideoCreato, lingua) + QLatin1Char('\n') +
             TestiCodifica::TestoFinestra(TestiCodifica::VoceFinestra::FileVideo, lingua).arg(video)},
        {"percorso_300", 1, TestoMessaggio(VoceMessaggio::StileNonValido, lingua).arg(lungo)},
        {"dodici_righe", 2, dodici.join('\n')},
    };
}

}  // namespace

int main(int argc, char** argv) {
    const int larghezza = argc > 3 ? std::atoi(argv[2]) : 1920;
    const int altezza = argc > 3 ? std::atoi(argv[3]) : 1080;
    QTemporaryDir temporanea;
    ImpostaSchermoOffscreen(temporanea, larghezza, altezza);
    QApplication applicazione(argc, argv);
    ApplicaStileSuggerimenti(applicazione);
    const QString cartella = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("build/messaggi_lunghi");
    if (!QDir().mkpath(cartella)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(cartella));
        return 1;
    }
    bool tuttoBene = true;
    const QString schermo = QStringLiteral("%1x%2").arg(larghezza).arg(altezza);
    for (int lingua : {0, 1}) {
        for (const Caso& c : Casi(lingua)) {
            TORVDLGMessaggi d;
            d.Inizializza(lingua, true, QStringLiteral("QV"), QStringLiteral("Intro"));
            const QString nome = QStringLiteral("%1/messaggio_%2_%3_%4").arg(cartella, c.nome, schermo, Sigla(lingua));
            QTimer::singleShot(50, &d, [&] {
                QApplication::processEvents();
                tuttoBene &= SalvaFoto(d.grab().toImage(), nome + QStringLiteral(".png"));
                QScrollBar* barra = d.Scorrimento()->verticalScrollBar();
                if (barra->maximum() > 0) {
                    barra->setValue(barra->maximum());
                    QApplication::processEvents();
                    tuttoBene &= SalvaFoto(d.grab().toImage(), nome + QStringLiteral("_fine.png"));
                }
                d.done(0);
            });
            d.MostraMessaggio(c.tipo, c.testo);
        }
    }
    return tuttoBene ? 0 : 1;
}
