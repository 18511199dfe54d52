// The end of the session (SIGTERM, as a logout or a shutdown sends it) reaching the running
// program where the project cannot simply be saved: a project file that could not be read at
// start, a question or a dialog open, a project folder that cannot be written. The session is
// kept every time, never over an earlier one, and the next start tells where it lies.
#include "app/Avvio.h"

#include "app/Frm2principale.h"
#include "app/PortaDialoghiReale.h"
#include "CasaProgramma.h"
#include "CorsaProgramma.h"
#include "common/MouseSintetico.h"
#include "common/PermessiOrdinari.h"
#include "controls/Orvlrbutton.h"
#include "dialogs/Forvdlgmessaggi.h"
#include "platform/CartelleUtente.h"
#include "project/FileProgetto.h"
#include "project/ImpostazioniGlobali.h"
#include "project/TestiMessaggi.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QTimer>

#include <functional>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The box breaks a long line where it likes, inside a path too: texts are compared without blanks.
QString SenzaSpazi(QString testo) {
    testo.remove(QRegularExpression(QStringLiteral("\\s")));
    return testo;
}

// Every message box as it opens: its text is kept and, unless the test's own reply takes it,
// it ends unanswered as Esc would end it.
class Messaggi {
public:
    Messaggi() {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] { Guarda(); });
        timer.start();
    }
    // True when the reply has taken care of the box.
    std::function<bool(TORVDLGMessaggi&)> Risposta;
    QStringList Testi;  // without blanks

private:
    void Guarda() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<TORVDLGMessaggi*>(w);
            if (!box) continue;
            if (!box->isVisible()) {
                if (box == aperta) aperta = nullptr;
                continue;
            }
            // The one box shows one message after another.
            if (box == aperta) continue;
            aperta = box;
            Testi << SenzaSpazi(box->Messaggio()->text());
            if (!Risposta || !Risposta(*box)) {
                box->done(0);
                aperta = nullptr;
            }
        }
    }
    QTimer timer;
    TORVDLGMessaggi* aperta = nullptr;
};

// A message's words before its first value, in the language in force.
QString InizioMessaggio(VoceMessaggio voce) {
    const QString testo = TestoMessaggio(voce);
    return testo.left(testo.indexOf(QLatin1Char('%')));
}

// Whether a box shows the close's question over a project that could not be read: told by its
// end, since the start's notice begins with the same words.
bool DomandaSostituire(TORVDLGMessaggi& box) {
    const QString fine = TestoMessaggio(VoceMessaggio::ProgettoIlleggibileSostituire).section(QLatin1Char('%'), -1).mid(1);
    return SenzaSpazi(box.Messaggio()->text()).endsWith(SenzaSpazi(fine));
}

bool DialogoAperto(const QWidget& principale) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QDialog*>(w) && w != &principale && w->isVisible()) return true;
    return false;
}

// Runs one session to its end; azione runs once the main window has opened and the notices
// of its start are answered.
bool Sessione(Programma& programma, const std::function<void()>& azione) {
    return EseguiProgramma(
        programma,
        [&] {
            const TForm2Principale& p = programma.Principale();
            return p.isVisible() && p.AperturaFinita() && !DialogoAperto(p);
        },
        azione);
}

// A change the saved file shows, then the end of the session.
void CambiaETermina(Programma& programma, int dimensione) {
    programma.Principale().Impostazioni().FontSize = dimensione;
    programma.Principale().AggiornaViste();
    ::kill(::getpid(), SIGTERM);
}

QByteArray Contenuto(const QString& percorso) {
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray RigaDimensione(int dimensione) { return "Font Size       : " + QByteArray::number(dimensione) + "\r\n"; }

// A project file that cannot be read: a folder in its place.
void ProgettoIlleggibile() {
    QFile::remove(PercorsoFileProgetto());
    ASSERT_TRUE(QDir().mkpath(PercorsoFileProgetto() + "/dentro"));
}

}  // namespace

// Three sessions over a project that cannot be read, each ended by SIGTERM: each is kept apart
// under a name of its own, and the next start names the copy that no start has told yet.
TEST(SalvataggioSessione, RescuedSessionsAreNeverOverwrittenAndToldAtTheNextStart) {
    CasaProgramma casa;
    const QString nuovo = [] {
        Programma p;
        return PercorsoFileProgetto() + ".nuovo";
    }();
    ProgettoIlleggibile();
    const int dimensioni[] = {111, 122, 133};
    const QString copie[] = {nuovo, nuovo + "2", nuovo + "3"};
    for (int s = 0; s < 3; ++s) {
        SCOPED_TRACE(s);
        Messaggi messaggi;
        Programma programma;
        ASSERT_TRUE(Sessione(programma, [&] { CambiaETermina(programma, dimensioni[s]); }));
        // The start told that the project cannot be read, and where the last session lies.
        const QStringList salvate = messaggi.Testi.filter(".nuovo");
        if (s == 0) {
            EXPECT_TRUE(salvate.isEmpty()) << salvate.join("|").toStdString();
        } else {
            ASSERT_EQ(salvate.size(), 1) << messaggi.Testi.join("|").toStdString();
            EXPECT_TRUE(salvate[0].contains(SenzaSpazi(copie[s - 1])));
            if (s == 2) {
                // The first copy's name is in the second's once: the first is not told again.
                EXPECT_EQ(salvate[0].count(SenzaSpazi(copie[0])), 1) << "told twice";
            }
        }
        for (int k = 0; k <= s; ++k) EXPECT_TRUE(Contenuto(copie[k]).contains(RigaDimensione(dimensioni[k]))) << k;
        EXPECT_TRUE(QFileInfo(PercorsoFileProgetto()).isDir());
    }
}

// The end of the session (SIGTERM, SIGHUP, or Ctrl+C's SIGINT) while a question or a dialog
// waits for the user: it ends unanswered, and the session is saved as any other end of the
// session saves it.
TEST(SalvataggioSessione, TheSessionsEndWithAQuestionOrADialogOpenSavesTheSession) {
    struct Caso {
        const char* nome;
        bool illeggibile;
        // Opens the dialog and returns once it has ended.
        std::function<void(Programma&)> apri;
    };
    const Caso casi[] = {
        {"the close's question over a project that cannot be read", true,
         [](Programma& p) { p.Principale().close(); }},
        {"the configuration window", false,
         [](Programma& p) { p.Porta().Configura(ImpostazioniGlobali.LinguaCorrente, p.Principale().Impostazioni()); }},
    };
    const struct {
        const char* nome;
        int numero;
    } segnali[] = {{"SIGINT", SIGINT}, {"SIGTERM", SIGTERM}, {"SIGHUP", SIGHUP}};
    for (const auto& segnale : segnali) {
        for (const Caso& c : casi) {
            SCOPED_TRACE(std::string(c.nome) + ", " + segnale.nome);
            CasaProgramma casa;
            Messaggi messaggi;
            Programma programma;
            if (c.illeggibile) ProgettoIlleggibile();
            bool apertoAllArrivo = false;
            // The close's question is the one box left open; any other dialog is found the same way.
            messaggi.Risposta = [&](TORVDLGMessaggi& box) {
                if (!DomandaSostituire(box)) return false;
                apertoAllArrivo = true;
                ::kill(::getpid(), segnale.numero);
                return true;
            };
            QTimer dialogo;
            dialogo.setInterval(5);
            QObject::connect(&dialogo, &QTimer::timeout, [&] {
                if (!c.illeggibile && DialogoAperto(programma.Principale())) {
                    dialogo.stop();
                    apertoAllArrivo = true;
                    ::kill(::getpid(), segnale.numero);
                }
            });
            ASSERT_TRUE(Sessione(programma, [&] {
                programma.Principale().Impostazioni().FontSize = 144;
                programma.Principale().AggiornaViste();
                dialogo.start();
                c.apri(programma);
            }));
            EXPECT_TRUE(apertoAllArrivo);
            EXPECT_FALSE(DialogoAperto(programma.Principale()));
            const QString salvato = c.illeggibile ? PercorsoFileProgetto() + ".nuovo" : PercorsoFileProgetto();
            EXPECT_TRUE(Contenuto(salvato).contains(RigaDimensione(144))) << salvato.toStdString();
        }
    }
}

// A project folder that cannot be written: the session goes to the work folder, and the next
// start tells where. Also as root: a file in the folder's place, or the folder read-only with
// this thread unable to pass over permissions; and with the data folder spelled with double
// slashes and a trailing one, as an XDG_DATA_HOME may be written.
TEST(SalvataggioSessione, UnwritableProjectFolderSendsTheSessionToTheWorkFolder) {
    struct Caso {
        const char* nome;
        bool solaLettura;  // else a file in the folder's place
        bool barre;        // XDG_DATA_HOME with "//" and a final "/"
    };
    for (const Caso c : {Caso{"a file in the folder's place", false, false}, Caso{"a read-only folder", true, false},
                         Caso{"a data folder spelled with extra slashes", false, true}}) {
        SCOPED_TRACE(c.nome);
        CasaProgramma casa;
        if (c.barre) qputenv("XDG_DATA_HOME", casa.Sotto("/.local//share/").toLocal8Bit());
        QString cartella;
        QString copia;
        {
            Programma programma;
            cartella = PercorsoOutputPredefinito;
            copia = CartellaLavoro + "/ProgettoQuenvox.txt.nuovo";
            std::unique_ptr<PermessiOrdinari> permessi;
            bool saltato = false;
            QString motivoPermessi;
            ASSERT_TRUE(Sessione(programma, [&] {
                if (c.solaLettura) {
                    permessi = std::make_unique<PermessiOrdinari>();
                    motivoPermessi = permessi->Motivo();
                    ASSERT_EQ(::chmod(QFile::encodeName(cartella).constData(), 0555), 0);
                    // Still writable: neither a user's nor root's permissions could be taken away.
                    QFile prova(cartella + "/prova");
                    if (prova.open(QIODevice::WriteOnly)) {
                        prova.remove();
                        saltato = true;
                    }
                } else {
                    // Moved away whole, as the preview may still be writing into it.
                    ASSERT_TRUE(QDir().rename(cartella, cartella + ".via"));
                    QFile file(cartella);
                    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                }
                CambiaETermina(programma, 155);
            }));
            permessi.reset();
            if (c.solaLettura) ::chmod(QFile::encodeName(cartella).constData(), 0755);
            if (saltato) {
                GTEST_SKIP() << "a read-only folder stays writable here: "
                             << (motivoPermessi.isEmpty() ? QStringLiteral("the thread passes over permissions")
                                                           : motivoPermessi)
                                    .toStdString();
            }
        }
        EXPECT_FALSE(QFileInfo::exists(cartella + "/ProgettoQuenvox.txt"));
        EXPECT_TRUE(Contenuto(copia).contains(RigaDimensione(155)));
        if (!c.solaLettura) {
            QFile::remove(cartella);
            QDir().rename(cartella + ".via", cartella);
        }
        // The next start, with the folder back, tells where the session lies.
        Messaggi messaggi;
        Programma programma;
        ASSERT_TRUE(Sessione(programma, [&] { programma.Principale().close(); }));
        const QStringList salvate = messaggi.Testi.filter(".nuovo");
        ASSERT_EQ(salvate.size(), 1) << messaggi.Testi.join("|").toStdString();
        EXPECT_TRUE(salvate[0].contains(SenzaSpazi(QDir::cleanPath(copia)))) << salvate[0].toStdString();
    }
}

// The project's folder and the work folder both read-only (as full ones refuse a copy too): the
// session goes to the home folder, or, when that is read-only as well, to a folder of the user's
// alone in the system's temporary folder; the next start names it like any rescue.
TEST(SalvataggioSessione, NoWritableFolderOfTheProgramsSendsTheSessionHomeOrToTheTemporaryFolder) {
    for (const bool casaBloccata : {false, true}) {
        SCOPED_TRACE(casaBloccata ? "the home folder read-only too" : "the home folder writable");
        CasaProgramma casa;
        QStringList bloccate;
        QString copia;
        {
            Programma programma;
            bloccate = {PercorsoOutputPredefinito, CartellaLavoro};
            if (casaBloccata) bloccate << QDir::homePath();
            copia = casaBloccata ? casa.Sotto("tmp/quenvox-%1/ProgettoQuenvox.txt.nuovo").arg(::geteuid())
                                 : casa.Sotto("ProgettoQuenvox.txt.nuovo");
            std::unique_ptr<PermessiOrdinari> permessi;
            QString saltato;
            ASSERT_TRUE(Sessione(programma, [&] {
                permessi = std::make_unique<PermessiOrdinari>();
                for (const QString& cartella : bloccate) {
                    ASSERT_EQ(::chmod(QFile::encodeName(cartella).constData(), 0555), 0);
                    QFile prova(cartella + "/prova");
                    if (prova.open(QIODevice::WriteOnly)) {
                        prova.remove();
                        saltato = permessi->Motivo().isEmpty() ? QStringLiteral("the thread passes over permissions")
                                                               : permessi->Motivo();
                    }
                }
                CambiaETermina(programma, 166);
            }));
            permessi.reset();
            for (const QString& cartella : bloccate) ::chmod(QFile::encodeName(cartella).constData(), 0755);
            if (!saltato.isEmpty()) GTEST_SKIP() << "a read-only folder stays writable here: " << saltato.toStdString();
        }
        EXPECT_TRUE(Contenuto(copia).contains(RigaDimensione(166))) << copia.toStdString();
        Messaggi messaggi;
        Programma programma;
        ASSERT_TRUE(Sessione(programma, [&] { programma.Principale().close(); }));
        const QStringList salvate = messaggi.Testi.filter(".nuovo");
        ASSERT_EQ(salvate.size(), 1) << messaggi.Testi.join("|").toStdString();
        EXPECT_TRUE(salvate[0].contains(SenzaSpazi(copia))) << salvate[0].toStdString();
    }
}

// The project file is a link to a pipe in another folder: the start says it cannot be read, and
// a Yes to the close's question to replace it saves the project in the link's place, never
// through the link: the pipe stays a pipe.
TEST(SalvataggioSessione, AYesToReplaceAProjectLinkedToAPipeLeavesThePipeAlone) {
    CasaProgramma casa;
    const QString tubo = casa.Sotto("altrove/tubo");
    {
        Programma p;
        ASSERT_TRUE(QDir().mkpath(casa.Sotto("altrove")));
        ASSERT_EQ(::mkfifo(QFile::encodeName(tubo).constData(), 0600), 0);
        QFile::remove(PercorsoFileProgetto());
        ASSERT_TRUE(QFile::link(tubo, PercorsoFileProgetto()));
    }
    Messaggi messaggi;
    bool chiesto = false;
    messaggi.Risposta = [&](TORVDLGMessaggi& box) {
        if (!DomandaSostituire(box)) return false;
        chiesto = true;
        MouseSintetico si(box.BTN_1());
        si.Entra(50, 14);
        si.Click(50, 14);
        return true;
    };
    Programma programma;
    ASSERT_TRUE(Sessione(programma, [&] {
        programma.Principale().Impostazioni().FontSize = 177;
        programma.Principale().AggiornaViste();
        programma.Principale().close();
    }));
    EXPECT_TRUE(chiesto) << messaggi.Testi.join("|").toStdString();
    struct stat info {};
    ASSERT_EQ(::lstat(QFile::encodeName(tubo).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_FALSE(QFileInfo(PercorsoFileProgetto()).isSymLink());
    EXPECT_TRUE(Contenuto(PercorsoFileProgetto()).contains(RigaDimensione(177)));
}

// A project cut short that also names a background picture no longer there: the preview drawn
// while the notice of the damage waits finds the missing picture, and its notice comes after
// the first one instead of taking its box; the user learns both.
TEST(SalvataggioSessione, ADamagedProjectAndItsMissingBackgroundAreBothTold) {
    CasaProgramma casa;
    QString manca;
    {
        Programma p;
        manca = QFileInfo(PercorsoFileProgetto()).absolutePath() + "/sfondo-che-non-c-e.png";
        ImpostazioniProgetto imp;
        imp.SfondoCheckSfondoColorato = false;
        imp.SfondoCheckSfondoBitmap = true;
        imp.SfondoBitmap = manca;
        ASSERT_TRUE(SalvaProgetto(imp));
    }
    QByteArray contenuto = Contenuto(PercorsoFileProgetto());
    const qsizetype dove = contenuto.indexOf(manca.toUtf8());
    ASSERT_GT(dove, 0);
    // Cut short well after the background's lines, as a full disk leaves a file.
    contenuto.truncate(dove + (contenuto.size() - dove) / 2);
    QFile file(PercorsoFileProgetto());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contenuto);
    file.close();

    Messaggi messaggi;
    Programma programma;
    ASSERT_TRUE(Sessione(programma, [&] { ::kill(::getpid(), SIGTERM); }));
    const QString danno = SenzaSpazi(InizioMessaggio(VoceMessaggio::ProgettoDanneggiato));
    EXPECT_EQ(messaggi.Testi.filter(danno).size(), 1) << messaggi.Testi.join("|").toStdString();
    EXPECT_EQ(messaggi.Testi.filter(SenzaSpazi(manca)).size(), 1) << messaggi.Testi.join("|").toStdString();
}
