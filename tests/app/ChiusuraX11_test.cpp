// The main window's own close button during an encode, on a real X server: a server of the
// test's own (Xvfb) with a window manager (openbox), the program on the xcb platform, and the
// button pressed through X itself (XTest), as a pointer presses it. The question the encoding
// window asks when it is stopped must follow, as after "Interrompi"; at scale 1 and at
// QT_SCALE_FACTOR=2, where X counts device pixels and the widgets logical ones.
#include "CasaProgramma.h"
#include "UtenteFinto.h"
#include "controls/Orvform.h"
#include "encoding/TestiCodifica.h"
#include "project/ImpostazioniGlobali.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QWindow>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {

// Xlib's own handler would end the process at the first X error.
int NessunErrore(Display*, XErrorEvent*) { return 0; }

Display* ApriDisplay(const QByteArray& nome) {
    XSetErrorHandler(NessunErrore);
    return XOpenDisplay(nome.isEmpty() ? nullptr : nome.constData());
}

// True once a window manager has announced itself on the screen.
bool GestoreFinestrePresente(const QByteArray& display) {
    Display* d = ApriDisplay(display);
    if (!d) return false;
    const Atom controllo = XInternAtom(d, "_NET_SUPPORTING_WM_CHECK", False);
    Atom tipo = None;
    int formato = 0;
    unsigned long elementi = 0, restanti = 0;
    unsigned char* dati = nullptr;
    const bool presente = XGetWindowProperty(d, DefaultRootWindow(d), controllo, 0, 1, False, AnyPropertyType, &tipo,
                                             &formato, &elementi, &restanti, &dati) == Success &&
                          elementi == 1;
    if (dati) XFree(dati);
    XCloseDisplay(d);
    return presente;
}

// An X server and a window manager of their own for as long as the object lives.
class ServerX {
public:
    explicit ServerX(QSize schermo) {
        xvfb.setProgram(QStringLiteral("Xvfb"));
        // It picks a free display itself and writes its number once it takes connections.
        xvfb.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                           QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(schermo.width()).arg(schermo.height()),
                           QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        xvfb.setStandardInputFile(QProcess::nullDevice());
        xvfb.start();
        if (!xvfb.waitForStarted(10000)) {
            motivo = QStringLiteral("Xvfb did not start: ") + xvfb.errorString();
            return;
        }
        QByteArray letto;
        const QDeadlineTimer scadenza(30000);
        while (!letto.contains('\n') && xvfb.state() == QProcess::Running && !scadenza.hasExpired()) {
            xvfb.waitForReadyRead(100);
            letto += xvfb.readAllStandardOutput();
        }
        if (!letto.contains('\n')) {
            motivo = QStringLiteral("Xvfb gave no display: ") + QString::fromLocal8Bit(xvfb.readAllStandardError());
            return;
        }
        display = ':' + letto.trimmed();

        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(display));
        openbox.setProcessEnvironment(ambiente);
        openbox.setProgram(QStringLiteral("openbox"));
        openbox.setArguments({QStringLiteral("--sm-disable")});
        openbox.setStandardInputFile(QProcess::nullDevice());
        openbox.start();
        if (!openbox.waitForStarted(10000)) {
            motivo = QStringLiteral("openbox did not start: ") + openbox.errorString();
            return;
        }
        const QDeadlineTimer attesa(30000);
        while (!GestoreFinestrePresente(display) && openbox.state() == QProcess::Running && !attesa.hasExpired())
            openbox.waitForFinished(50);
        if (!GestoreFinestrePresente(display))
            motivo = QStringLiteral("openbox did not take the screen: ") + QString::fromLocal8Bit(openbox.readAll());
    }
    ~ServerX() {
        for (QProcess* p : {&openbox, &xvfb}) {
            if (p->state() == QProcess::NotRunning) continue;
            p->terminate();
            if (!p->waitForFinished(5000)) {
                p->kill();
                p->waitForFinished(5000);
            }
        }
    }
    ServerX(const ServerX&) = delete;
    ServerX& operator=(const ServerX&) = delete;

    // Empty when the server and its window manager are up.
    QString motivo;
    QByteArray display;

private:
    QProcess xvfb;
    QProcess openbox;
};

// The middle of the main window's close button, in the frame's logical pixels.
QPoint CentroChiudi(const ORVForm& cornice) {
    QRect pulsante;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < cornice.width(); ++x)
            if (cornice.SuPulsanteChiudi({x, y})) pulsante |= QRect(x, y, 1, 1);
    return pulsante.center();
}

// Presses the main window's close button through the X server, as a pointer would: the point
// is turned into device pixels and placed on the screen by X itself; the button goes up after
// pressioneMs, the events going on meanwhile.
QString PremiChiudi(TForm2Principale& principale, int pressioneMs) {
    ORVForm* cornice = principale.findChild<ORVForm*>(QStringLiteral("ORVForm1"));
    if (!cornice) return QStringLiteral("the main window has no frame");
    const QPoint logico = cornice->mapTo(&principale, CentroChiudi(*cornice));
    const qreal scala = principale.windowHandle()->devicePixelRatio();
    const QPoint nativo = (QPointF(logico) * scala).toPoint();
    Display* d = ApriDisplay(qgetenv("DISPLAY"));
    if (!d) return QStringLiteral("no X display");
    int x = 0, y = 0;
    Window figlio = 0;
    if (!XTranslateCoordinates(d, static_cast<Window>(principale.winId()), DefaultRootWindow(d), nativo.x(),
                               nativo.y(), &x, &y, &figlio)) {
        XCloseDisplay(d);
        return QStringLiteral("X cannot place the main window");
    }
    XTestFakeMotionEvent(d, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(d, 1, True, CurrentTime);
    XFlush(d);
    const auto rilascia = [d] {
        XTestFakeButtonEvent(d, 1, False, CurrentTime);
        XFlush(d);
        XCloseDisplay(d);
    };
    if (pressioneMs > 0)
        QTimer::singleShot(pressioneMs, rilascia);
    else
        rilascia();
    return {};
}

}  // namespace

// Run by the test below in a program of its own, on its X server.
TEST(ChiusuraX11, DISABLED_TheCloseButtonPressedThroughXStopsTheEncode) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    const int pressioneMs = qEnvironmentVariableIntValue("QUENVOX_PRESSIONE_MS");
    CasaProgramma ambiente({{"FINTO_MODO", "lento"}});
    Programma programma;
    TORVDLGCodificaVideo& codifica = CodificaFinta(programma);
    bool interrotta = false;
    QObject::connect(&codifica.Lavoro(), &LavoroCodifica::terminata,
                     [&](const RisultatoCodifica& r) { interrotta = r.Interrotta; });
    Utente utente(programma);
    utente.allApertura = [&] { CinqueFrameEAnima(programma); };
    QString errore;
    bool nonPreso = false;
    QTimer limite;
    limite.setSingleShot(true);
    // A press that was not taken leaves the encoder running: it is stopped as "Interrompi"
    // stops it, so the program still ends and tells.
    QObject::connect(&limite, &QTimer::timeout, [&] {
        if (!codifica.Lavoro().InCorso() || codifica.Lavoro().Risultato().Interrotta) return;
        nonPreso = true;
        codifica.RichiestaChiusura();
    });
    utente.inCodifica = [&] {
        errore = PremiChiudi(programma.Principale(), pressioneMs);
        limite.start(pressioneMs + 20000);
    };
    QString stato;
    ASSERT_TRUE(Esegui(programma, utente, stato)) << "the program did not end: " << stato.toStdString();
    ASSERT_TRUE(utente.codificaVista) << utente.Stato().toStdString();
    EXPECT_TRUE(errore.isEmpty()) << errore.toStdString();
    EXPECT_FALSE(nonPreso) << "the close button did nothing while the encoder ran";
    EXPECT_TRUE(interrotta);
    const QString domanda =
        TestiCodifica::TestoFinestra(TestiCodifica::VoceFinestra::ProceduraInterrotta, ImpostazioniGlobali.LinguaCorrente);
    EXPECT_EQ(utente.messaggi.filter(domanda).size(), 1) << utente.messaggi.join(" | ").toStdString();
}

// Starts a server and its window manager at each scale, and the test above in a program of its
// own on it, once with a quick click and once with a slow press on the close button.
TEST(ChiusuraX11, TheMainWindowsCloseButtonAsksDuringAnEncodeOnARealXServer) {
    const struct {
        const char* scala;
        QSize schermo;  // in device pixels: 1280x720 in logical ones at both scales
    } scale[] = {{"1", {1280, 720}}, {"2", {2560, 1440}}};
    const struct {
        const char* nome;
        int millisecondi;
    } pressioni[] = {{"a quick click", 0}, {"a slow press", 800}};
    for (const auto& s : scale) {
        SCOPED_TRACE(std::string("QT_SCALE_FACTOR=") + s.scala);
        ServerX server(s.schermo);
        ASSERT_TRUE(server.motivo.isEmpty()) << server.motivo.toStdString();
        for (const auto& p : pressioni) {
            SCOPED_TRACE(p.nome);
            QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
            ambiente.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(server.display));
            ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
            ambiente.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(s.scala));
            ambiente.insert(QStringLiteral("QUENVOX_PRESSIONE_MS"), QString::number(p.millisecondi));
            QProcess figlio;
            figlio.setProcessEnvironment(ambiente);
            figlio.setProcessChannelMode(QProcess::MergedChannels);
            figlio.setStandardInputFile(QProcess::nullDevice());
            figlio.start(QCoreApplication::applicationFilePath(),
                         {QStringLiteral("--gtest_also_run_disabled_tests"),
                          QStringLiteral("--gtest_filter=ChiusuraX11.DISABLED_*")});
            const bool finito = figlio.waitForFinished(180000);
            if (!finito) figlio.kill();
            const QString uscita = QString::fromLocal8Bit(figlio.readAll());
            ASSERT_TRUE(finito) << uscita.toStdString();
            EXPECT_EQ(figlio.exitCode(), 0) << uscita.toStdString();
            EXPECT_TRUE(uscita.contains(QStringLiteral("[  PASSED  ] 1 test"))) << uscita.toStdString();
        }
    }
}
