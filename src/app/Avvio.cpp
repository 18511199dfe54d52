#include "app/Avvio.h"

#include "app/Allsystempaths.h"
#include "app/Frm1splash.h"
#include "app/Frm2principale.h"
#include "app/Frm6configurazione.h"
#include "app/PortaDialoghiReale.h"
#include "app/SegnaliSessione.h"
#include "app/VerInfo.h"
#include "platform/CartelleUtente.h"
#include "platform/ChiusureX11.h"
#include "platform/ValoriProgramma.h"
#include "project/ApplicaLingua.h"
#include "project/FileProgetto.h"
#include "project/ImpostazioniGlobali.h"
#include "project/StiliTesto.h"
#include "project/TabellaLingue.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QSessionManager>
#include <QTimer>

#include <cstdio>
#include <vector>

namespace {

const QString TitoloProgramma = QStringLiteral("Quenvox");

// The language table's targets on both windows.
class DestinazioniFinestre : public DestinazioneLingua {
public:
    explicit DestinazioniFinestre(std::vector<DestinazioneLingua*> finestre) : finestre(std::move(finestre)) {}
    void ImpostaTesto(FinestraLingua finestra, ProprietaLingua proprieta, const QString& controllo,
                      const QString& testo) override {
        for (DestinazioneLingua* f : finestre) f->ImpostaTesto(finestra, proprieta, controllo, testo);
    }
    void ImpostaVoci(FinestraLingua finestra, ProprietaLingua proprieta, const QString& controllo,
                     const QStringList& voci) override {
        for (DestinazioneLingua* f : finestre) f->ImpostaVoci(finestra, proprieta, controllo, voci);
    }

private:
    std::vector<DestinazioneLingua*> finestre;
};

// Ends a local event loop when its window is hidden by the program (not when it is minimised).
class FineAllaChiusura : public QObject {
public:
    explicit FineAllaChiusura(QEventLoop& ciclo) : ciclo(ciclo) {}

protected:
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() == QEvent::Hide && !evento->spontaneous()) ciclo.quit();
        return false;
    }

private:
    QEventLoop& ciclo;
};

// Shows the window and returns once it has closed. The first show draws the preview and lets
// events through meanwhile, so a close may come before the loop starts: then there is no loop.
void EseguiFinoAllaChiusura(QWidget& finestra) {
    QEventLoop ciclo;
    FineAllaChiusura fine(ciclo);
    finestra.installEventFilter(&fine);
    finestra.show();
    if (finestra.isVisible()) ciclo.exec(QEventLoop::DialogExec);
    finestra.removeEventFilter(&fine);
}

// The end of the session has nobody to answer a question or finish a dialog: each one open
// ends unanswered, as Esc would end it (and also the encoding window, which Esc does not end),
// so that the modal loops it runs return and the close can save.
void ChiudiDialoghiAperti(const QWidget& principale) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* dialogo = qobject_cast<QDialog*>(w);
        if (dialogo && dialogo != &principale && dialogo->isVisible()) dialogo->done(QDialog::Rejected);
    }
}

}  // namespace

Programma::Programma() {
    ImpostaValoriAvvio();
    PreparaCartelle();

    // The windows in their order; the configuration window installs the default pictures
    // into the main window's model before the project is read at its first show.
    splash = std::make_unique<TForm1Splash>();
    principale = std::make_unique<TForm2Principale>();
    configurazione = std::make_unique<TForm6Configurazione>(principale->Impostazioni(), principale.get());
    porta = std::make_unique<PortaDialoghiReale>(*principale, *configurazione);
    principale->ImpostaPorta(porta.get());
    configurazione->SetPorta(porta.get());

    // Every language change, the project reader's included, reaches both windows.
    auto applica = [this](ImpostazioniProgetto&) { ApplicaLinguaFinestre(); };
    InstallaApplicaLingua(applica);
    configurazione->SetApplicaLingua(applica);

    ImpostazioniGlobali.LinguaCorrente = LinguaInglese;
    ApplicaLinguaFinestre();

    // A logout or a shutdown saves the project as closing the window does.
    segnali = std::make_unique<SegnaliSessione>([this] {
        ChiudiDialoghiAperti(*principale);
        principale->ChiudiPerFineSessione([] { QCoreApplication::exit(0); });
    });
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, principale.get(),
                     [this](QSessionManager&) { principale->SalvaPerFineSessione(); });
    InstallaChiusure();
}

Programma::~Programma() {
    chiusure.reset();
    segnali.reset();
    // The reader must not reach windows that are going.
    InstallaApplicaLingua({});
}

void Programma::InstallaChiusure() {
    // The window manager's close of the main window while the encoding window holds it
    // modal is the encoding window's request; Qt alone would drop it.
    chiusure = std::make_unique<ChiusureX11>([this](WId finestra) {
        return principale->isVisible() && principale->winId() == finestra && porta->InoltraChiusura();
    });
    // So is a click on the main window's own close button, which Qt drops the same way.
    chiusure->ImpostaClic([this](WId finestra, QPoint punto) {
        const QWidget* modale = QApplication::activeModalWidget();
        return modale && modale != principale.get() && principale->isVisible() && principale->winId() == finestra &&
               principale->ClicBloccato(punto);
    });
    qApp->installNativeEventFilter(chiusure.get());
}

void Programma::ImpostaValoriAvvio() {
    ModoPosizionamento = 2;
    VersioneProgramma = VerInfo().VersioneFile();
    AreaLavoro = MisuraAreaLavoro();
    QCoreApplication::setApplicationName(TitoloProgramma);
}

void Programma::PreparaCartelle() {
    const TAllSystemPaths cartelle;
    if (!ImpostaCartelleUtente(cartelle.GetAppData(), cartelle.GetMyDocuments(),
                               QCoreApplication::applicationDirPath()))
        errori << QStringLiteral("some user folders could not be created under %1 and %2")
                      .arg(cartelle.GetAppData(), cartelle.GetMyDocuments());
    // A first start gets the shipped text styles, as an installer would have put them there.
    errori << InstallaStiliPredefiniti().Errori;
    for (const QString& errore : errori) std::fprintf(stderr, "Quenvox: %s\n", qPrintable(errore));
}

void Programma::ApplicaLinguaFinestre() {
    RiempiTabellaLingue();
    DestinazioniFinestre finestre({principale.get(), configurazione.get()});
    ApplicaLingua(principale->Impostazioni(), &finestre);
    principale->AggiornaViste();
}

void Programma::Avvia() {
    splash->SetMostraPrincipale([this] {
        EseguiFinoAllaChiusura(*principale);
        // Queued: showing a splash lets events through, so a very short splash can run the
        // whole session before the application's loop has started. Tied to the splash, so an
        // end that never reached the loop (the session's end has already stopped it) does not
        // outlive the program and stop the next loop.
        QTimer::singleShot(0, splash.get(), [] { QCoreApplication::exit(0); });
    });
    splash->show();
}
