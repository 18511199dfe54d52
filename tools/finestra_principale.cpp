// Pictures of the main window as a user sees it: the whole window, and every page of the
// command band (the five pages and the ten intro sheets), in Italian, English and French.
// finestra_principale [output folder]   (default: build/finestra_principale)
#include "AiutoStrumenti.h"
#include "controls/StileSuggerimenti.h"
#include "SchermoOffscreen.h"
#include "app/Frm2principale.h"
#include "platform/CartelleUtente.h"
#include "platform/ValoriProgramma.h"
#include "project/ImpostazioniGlobali.h"
#include "project/StiliTesto.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QEnterEvent>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <functional>

#include <cstdio>

namespace {

// A left click in the middle of a control, as the user makes it.
void Clicca(QWidget* w) {
    const QPointF p(w->width() / 2, w->height() / 2);
    QEnterEvent entra(p, p, w->mapToGlobal(p));
    QApplication::sendEvent(w, &entra);
    for (QEvent::Type tipo : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(tipo, p, p, w->mapToGlobal(p), Qt::LeftButton,
                      tipo == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
}

// The command band of the window as it shows now.
QImage Banda(TForm2Principale& f) {
    QWidget* banda = f.findChild<QWidget*>(QStringLiteral("Z_PannelloComandi"));
    QApplication::processEvents();
    return Foto(banda);
}

// One column of pictures with a caption above each.
QImage Foglio(const QList<QPair<QString, QImage>>& parti) {
    int altezza = 8, larghezza = 0;
    for (const auto& [titolo, im] : parti) {
        altezza += 22 + im.height() + 8;
        larghezza = std::max(larghezza, im.width() + 16);
    }
    QImage foglio(larghezza, altezza, QImage::Format_RGB32);
    foglio.fill(QColor(0x1E, 0x1E, 0x1E));
    QPainter p(&foglio);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    int y = 8;
    for (const auto& [titolo, im] : parti) {
        p.setPen(QColor(0xFD, 0xBF, 0x07));
        p.drawText(8, y + 15, titolo);
        p.drawImage(8, y + 22, im);
        y += 22 + im.height() + 8;
    }
    return foglio;
}

}  // namespace

int main(int argc, char** argv) {
    // Offscreen on a full-HD screen, so the window keeps its own size.
    QTemporaryDir schermo;
    ImpostaSchermoOffscreen(schermo);
    QApplication applicazione(argc, argv);
    ApplicaStileSuggerimenti(applicazione);
    AreaLavoro = MisuraAreaLavoro();
    const QString uscita = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("build/finestra_principale");
    QDir().mkpath(uscita);
    // A home of its own: the window reads and writes its project there, never the user's.
    QTemporaryDir casa;
    CasaTemporanea(casa);
    InstallaStiliPredefiniti();

    TForm2Principale finestra;
    finestra.show();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();

    bool riuscito = true;
    const struct {
        int lingua;
        const char* sigla;
    } lingue[] = {{0, "it"}, {1, "en"}, {4, "fr"}};
    for (const auto& l : lingue) {
        ImpostazioniGlobali.LinguaCorrente = l.lingua;
        finestra.ApplicaLinguaFinestra();
        finestra.Impostazioni().IntroLista = 1;
        finestra.AggiornaViste();
        finestra.SelezionaScheda(1);
        finestra.RichiediRendering();
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
        riuscito &= SalvaFoto(Foto(&finestra), QStringLiteral("%1/finestra_%2.png").arg(uscita, l.sigla));

        QList<QPair<QString, QImage>> pagine;
        for (int scheda = 1; scheda <= 5; ++scheda) {
            finestra.SelezionaScheda(scheda);
            pagine.append({QStringLiteral("Tab %1").arg(scheda), Banda(finestra)});
            riuscito &= SalvaFoto(pagine.back().second, QStringLiteral("%1/scheda%2_%3.png").arg(uscita).arg(scheda).arg(l.sigla));
        }
        riuscito &= SalvaFoto(Foglio(pagine), QStringLiteral("%1/pagine_%2.png").arg(uscita, l.sigla));

        QList<QPair<QString, QImage>> intro;
        for (int n = 1; n <= 10; ++n) {
            finestra.Impostazioni().IntroLista = n;
            finestra.AggiornaViste();
            finestra.SelezionaScheda(6);
            intro.append({QStringLiteral("Intro %1").arg(n), Banda(finestra)});
        }
        riuscito &= SalvaFoto(Foglio(intro), QStringLiteral("%1/intro_%2.png").arg(uscita, l.sigla));
    }
    finestra.Impostazioni().IntroLista = 1;

    // The text page with line 1 as the logo: the logo row shows.
    ImpostazioniGlobali.LinguaCorrente = 0;
    finestra.ApplicaLinguaFinestra();
    const ImpostazioniProgetto prima = finestra.Impostazioni();
    finestra.Impostazioni().Logo1 = 1;
    finestra.Impostazioni().Testo1 = QStringLiteral("#LOGO");
    finestra.AggiornaViste();
    finestra.SelezionaScheda(3);
    riuscito &= SalvaFoto(Banda(finestra), QStringLiteral("%1/scheda3_logo_it.png").arg(uscita));
    finestra.Impostazioni() = prima;
    finestra.AggiornaViste();

    // One picture in the middle of a run: the project settings frozen and dimmed.
    ImpostazioniGlobali.LinguaCorrente = 0;
    finestra.ApplicaLinguaFinestra();
    finestra.SelezionaScheda(1);
    finestra.Impostazioni().ProgettoDurata = 40;
    ImpostazioniGlobali.TotaleFrame = 40;
    finestra.AggiornaViste();
    QWidget* anima = finestra.findChild<QWidget*>(QStringLiteral("Anima"));
    int giri = 0;
    QImage corsa;
    std::function<void()> guarda = [&] {
        if (finestra.Contesto().CicloAttivo && ++giri == 5) {
            corsa = Foto(&finestra);
            Clicca(anima);  // stops the run after the frame in hand
            return;
        }
        if (giri < 5) QTimer::singleShot(20, &finestra, guarda);
    };
    QTimer::singleShot(0, &finestra, guarda);
    Clicca(anima);
    for (int i = 0; i < 400 && (corsa.isNull() || finestra.Contesto().CicloAttivo); ++i) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
    riuscito &= !corsa.isNull() && SalvaFoto(corsa, QStringLiteral("%1/finestra_corsa_it.png").arg(uscita));
    return riuscito ? 0 : 1;
}
