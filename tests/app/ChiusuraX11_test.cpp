// The main window's own close button during an encode, on a real X server: a server of the
// test's own (Xvfb) with a window manager (openbox), the program on the xcb platform, and the
// button pressed through X itself (XTest), as a pointer presses it. The question the encoding
// window asks when it is stopped must follow, as after "Interrompi"; at scale 1 and at
// QT_SCALE_FACTOR=2, where X counts device pixels and the widgets logical ones. The window
// manager's own close request, sent through the server, must do the same.
#include "CasaProgramma.h"
#include "UtenteFinto.h"
#include "controls/Orvform.h"
#include "encoding/TestiCodifica.h"
#include "project/ImpostazioniGlobali.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QWindow>

#include <algorithm>

#include <cstddef>
#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

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

bool Raggiungibile(const QByteArray& display) {
    Display* d = ApriDisplay(display);
    if (d) XCloseDisplay(d);
    return d != nullptr;
}

// Whether some server holds display n: its lock file, its socket file, or its abstract socket,
// which a server whose /tmp is not this one may hold without either file here.
bool DisplayOccupato(int n) {
    if (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)) ||
        QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)))
        return true;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return true;
    sockaddr_un indirizzo{};
    indirizzo.sun_family = AF_UNIX;
    const QByteArray nome = "/tmp/.X11-unix/X" + QByteArray::number(n);
    std::memcpy(indirizzo.sun_path + 1, nome.constData(), size_t(nome.size()));
    const bool preso = ::bind(fd, reinterpret_cast<sockaddr*>(&indirizzo),
                              socklen_t(offsetof(sockaddr_un, sun_path) + 1 + size_t(nome.size()))) != 0;
    ::close(fd);
    return preso;
}

// An X server and a window manager of their own for as long as the object lives.
class ServerX {
public:
    explicit ServerX(QSize schermo) {
        const int primo = 100 + int(::getpid() % 400);
        int prove = 0;
        for (int n = primo; n < primo + 50 && prove < 3; ++n) {
            if (DisplayOccupato(n)) continue;
            if (Avvia(n, schermo)) return;
            Ferma();
            // Another server took the number meanwhile: the next one, a few times at most.
            ++prove;
        }
        if (motivo.isEmpty()) motivo = QStringLiteral("no free display from :%1 on").arg(primo);
    }
    ~ServerX() { Ferma(); }
    ServerX(const ServerX&) = delete;
    ServerX& operator=(const ServerX&) = delete;

    // Empty when the server and its window manager are up.
    QString motivo;
    QByteArray display;

private:
    bool Avvia(int n, QSize schermo) {
        display = ':' + QByteArray::number(n);
        xvfb.setProgram(QStringLiteral("Xvfb"));
        xvfb.setArguments({QString::fromLatin1(display), QStringLiteral("-screen"), QStringLiteral("0"),
                           QStringLiteral("%1x%2x24").arg(schermo.width()).arg(schermo.height()),
                           QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                           // Without it the server starts over each time its last client leaves,
                           // as the looks in between leave it, and refuses whoever comes meanwhile.
                           QStringLiteral("-noreset")});
        xvfb.setStandardInputFile(QProcess::nullDevice());
        xvfb.start();
        if (!xvfb.waitForStarted(10000)) {
            motivo = QStringLiteral("Xvfb did not start: ") + xvfb.errorString();
            return false;
        }
        const QDeadlineTimer scadenza(30000);
        while (xvfb.state() == QProcess::Running && !Raggiungibile(display) && !scadenza.hasExpired())
            xvfb.waitForFinished(50);
        if (xvfb.state() != QProcess::Running || !Raggiungibile(display)) {
            motivo = QStringLiteral("Xvfb on %1: %2")
                         .arg(QString::fromLatin1(display), QString::fromLocal8Bit(xvfb.readAllStandardError()));
            return false;
        }
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(display));
        openbox.setProcessEnvironment(ambiente);
        openbox.setProcessChannelMode(QProcess::MergedChannels);
        openbox.setProgram(QStringLiteral("openbox"));
        openbox.setArguments({QStringLiteral("--sm-disable")});
        openbox.setStandardInputFile(QProcess::nullDevice());
        openbox.start();
        if (!openbox.waitForStarted(10000)) {
            motivo = QStringLiteral("openbox did not start: ") + openbox.errorString();
            return false;
        }
        const QDeadlineTimer attesa(30000);
        while (!GestoreFinestrePresente(display) && openbox.state() == QProcess::Running && !attesa.hasExpired())
            openbox.waitForFinished(50);
        if (!GestoreFinestrePresente(display)) {
            motivo = QStringLiteral("openbox did not take the screen %1: %2")
                         .arg(QString::fromLatin1(display), QString::fromLocal8Bit(openbox.readAll()));
            return false;
        }
        motivo.clear();
        return true;
    }

    void Ferma() {
        for (QProcess* p : {&openbox, &xvfb}) {
            if (p->state() == QProcess::NotRunning) continue;
            p->terminate();
            if (!p->waitForFinished(5000)) {
                p->kill();
                p->waitForFinished(5000);
            }
        }
    }

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

// Sends the main window the close request a window manager sends (WM_DELETE_WINDOW), through
// the server.
QString ChiediChiusura(TForm2Principale& principale) {
    Display* d = ApriDisplay(qgetenv("DISPLAY"));
    if (!d) return QStringLiteral("no X display");
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = static_cast<Window>(principale.winId());
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    const bool inviato = XSendEvent(d, e.xclient.window, False, NoEventMask, &e) != 0;
    XFlush(d);
    XCloseDisplay(d);
    return inviato ? QString() : QStringLiteral("X did not take the close request");
}

}  // namespace

// Run by the test below in a program of its own, on its X server. QUENVOX_PRESSIONE_MS says
// how long the close button is held; below 0, the window manager's close is sent instead.
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
        errore = pressioneMs < 0 ? ChiediChiusura(programma.Principale())
                                 : PremiChiudi(programma.Principale(), pressioneMs);
        limite.start(std::max(pressioneMs, 0) + 20000);
    };
    QString stato;
    ASSERT_TRUE(Esegui(programma, utente, stato)) << "the program did not end: " << stato.toStdString();
    ASSERT_TRUE(utente.codificaVista) << utente.Stato().toStdString();
    EXPECT_TRUE(errore.isEmpty()) << errore.toStdString();
    EXPECT_FALSE(nonPreso) << "the close did nothing while the encoder ran";
    EXPECT_TRUE(interrotta);
    const QString domanda =
        TestiCodifica::TestoFinestra(TestiCodifica::VoceFinestra::ProceduraInterrotta, ImpostazioniGlobali.LinguaCorrente);
    EXPECT_EQ(utente.messaggi.filter(domanda).size(), 1) << utente.messaggi.join(" | ").toStdString();
}

// Starts a server and its window manager at each scale, and the test above in a program of its
// own on it: a quick click and a slow press on the close button, and the window manager's close.
TEST(ChiusuraX11, TheMainWindowsCloseButtonAsksDuringAnEncodeOnARealXServer) {
    const struct {
        const char* scala;
        QSize schermo;  // in device pixels: 1280x720 in logical ones at both scales
    } scale[] = {{"1", {1280, 720}}, {"2", {2560, 1440}}};
    const struct {
        const char* nome;
        int millisecondi;
    } pressioni[] = {{"a quick click", 0}, {"a slow press", 800}, {"the window manager's close", -1}};
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
