// Writes a picture of each dialog in Italian and English, grabbed while the dialog runs:
// finestre_dialoghi [folder [browsed]] (default build/finestre_dialoghi and the current
// folder): the choosers show the browsed folder.
#include "AiutoStrumenti.h"
#include "controls/StileSuggerimenti.h"
#include "SchermoOffscreen.h"
#include "controls/Orvform.h"
#include "controls/Orvlistbox.h"
#include "dialogs/ListaPannello.h"
#include "dialogs/Forvdlgcolor.h"
#include "dialogs/Forvdlgmessaggi.h"
#include "dialogs/Forvdlgmessaggio.h"
#include "dialogs/Forvdlgopendialog.h"
#include "dialogs/Forvdlgselectdirectory.h"
#include "project/TestiMessaggi.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <algorithm>
#include <functional>

namespace {

QString cartella;
bool tuttoBene = true;

void Salva(const QImage& immagine, const QString& nome) {
    if (!SalvaFoto(immagine, QDir(cartella).filePath(nome + QStringLiteral(".png")))) tuttoBene = false;
}

// Runs a modal dialog, grabs it once it is up (after prima has acted) and closes it.
void FotoModale(QDialog& d, const QString& nome, const std::function<void()>& esegui,
                const std::function<void()>& prima = {}) {
    QTimer::singleShot(50, &d, [&d, nome, prima] {
        if (prima) prima();
        QApplication::processEvents();
        Salva(d.grab().toImage(), nome);
        d.done(0);
    });
    esegui();
}

void Messaggi(int lingua) {
    TORVDLGMessaggi d;
    d.Inizializza(lingua, true, "QV", "Intro");
    const QString testi[] = {
        lingua == 0 ? "Impossibile scrivere il file dei fotogrammi nella cartella di output." :
                      "The frame file cannot be written to the output folder.",
        lingua == 0 ? "Il video è già presente. Vuoi sovrascriverlo?" :
                      "The video already exists. Do you want to overwrite it?",
        lingua == 0 ? "Interrompere la codifica del video in corso?" : "Stop the video encoding in progress?",
        // The longest notice the program gives, with a path of a usual length.
        TestoMessaggio(VoceMessaggio::ProgettoDanneggiato, lingua)
            .arg("/home/utente/Documenti/Drovaskent/Quenvox/ProgettoQuenvox.txt.bak"),
    };
    // A frame that cannot be written, under a long folder: the path wraps inside the box.
    const QString percorsoLungo = "/home/utente/Documenti/Drovaskent/Quenvox/" + QString(6, QLatin1Char('x')).repeated(20) +
                                  "/Video/Frames/Image_0008.jpg";
    const QString lunghi[] = {
        TestoMessaggio(VoceMessaggio::FrameNonScritto, lingua).arg(percorsoLungo, "No space left on device"),
        TestoMessaggio(VoceMessaggio::FrameNonScritto, lingua).arg(percorsoLungo.repeated(10), "No space left on device"),
    };
    for (int i = 0; i < 2; ++i)
        FotoModale(d, QString("messaggio_percorso%1_%2").arg(i == 0 ? "_lungo" : "_troppo_lungo").arg(Sigla(lingua)),
                   [&] { d.MostraMessaggio(1, lunghi[i]); });
    const int tipi[] = {1, 3, 6, 2};
    for (int i = 0; i < 4; ++i)
        FotoModale(d, QString("messaggio_tipo%1_%2").arg(tipi[i]).arg(Sigla(lingua)),
                   [&] { d.MostraMessaggio(tipi[i], testi[i]); });
}

void Colori(int lingua) {
    TORVDLGColor d;
    d.Inizializza(lingua, true, "QV", "Intro");
    TColor uno = 0x2080E0;
    FotoModale(d, QString("colore_uno_%1").arg(Sigla(lingua)), [&] { d.EseguiUnColore(uno); },
               [&] { d.Image1MouseMove({300, 120}); });
    TColor alto = 0xFFFFFF, basso = 0x5A1E00;
    FotoModale(d, QString("colore_due_%1").arg(Sigla(lingua)), [&] { d.EseguiDueColori(alto, basso); },
               [&] { d.Image1MouseMove({820, 260}); });
}

void Cartelle(int lingua, const QString& storico) {
    TORVDLGSelectDirectory d;
    d.Inizializza(lingua, true, "QV", "Intro", storico);
    QString scelta;
    FotoModale(d, QString("cartelle_%1").arg(Sigla(lingua)), [&] { d.Esegui(scelta); },
               [&] { d.ListaDirectory()->Lista()->setCurrentRow(d.ListaDirectory()->Lista()->count() - 1); });
}

void Immagini(int lingua, const QString& storico) {
    TORVDLGOpenDialog d;
    d.Inizializza(lingua, true, "QV", "Intro", storico, 1);
    QString scelta;
    FotoModale(d, QString("file_%1").arg(Sigla(lingua)), [&] { d.Esegui(scelta); }, [&] {
        ORVListBox* files = d.ListaFiles()->Lista();
        if (files->count() > 0) files->setCurrentRow(std::min(2, files->count() - 1));
    });
}

void Banner() {
    TORVDLGMessaggio b;
    b.SetRiga1("Quenvox");
    b.SetRiga2("Intro video");
    b.show();
    QApplication::processEvents();
    Salva(b.grab().toImage(), "banner");
}

}  // namespace

int main(int argc, char** argv) {
    // Offscreen on a full-HD screen, so that no dialog is clamped to a small one.
    QTemporaryDir temporanea;
    ImpostaSchermoOffscreen(temporanea);
    QApplication applicazione(argc, argv);
    ApplicaStileSuggerimenti(applicazione);
    cartella = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("build/finestre_dialoghi");
    if (!QDir().mkpath(cartella)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(cartella));
        return 1;
    }
    if (argc > 2 && !QDir::setCurrent(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "cannot browse %s\n", argv[2]);
        return 1;
    }
    // The history lives in a folder of its own, never the user's.
    const QString storico = temporanea.filePath(QStringLiteral("storico.txt"));
    for (int lingua : {0, 1}) {
        Messaggi(lingua);
        Colori(lingua);
        Cartelle(lingua, storico);
        Immagini(lingua, storico);
    }
    Banner();
    return tuttoBene ? 0 : 1;
}
