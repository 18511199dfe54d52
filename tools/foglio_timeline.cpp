// Draws the timeline, the legacy push buttons, the list button and the border strips in their
// states onto one sheet, and a sample window (four dark borders around a timeline), at rest
// and in the middle of a drag, and writes them as PNG:
// foglio_timeline [folder]
#include "controls/ComuneControlli.h"
#include "controls/GeometriaTimeline.h"
#include "controls/Orvtimeline.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <cstdio>

namespace {
void Mouse(QWidget* w, QEvent::Type tipo, QPoint pos, Qt::MouseButton tasto, Qt::MouseButtons tenuti) {
    QMouseEvent e(tipo, pos, pos, w->mapToGlobal(pos), tasto, tenuti, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

QString Riga(int traccia, int id, int primo, int ultimo, const QString& nome, int r, int g, int b, char stato,
             int progresso, const QString& secondo) {
    QString riga(186, QLatin1Char(' '));
    auto metti = [&](int colonna, const QString& testo) { riga.replace(colonna, testo.size(), testo); };
    metti(0, QStringLiteral("%1").arg(traccia, 3));
    metti(4, QStringLiteral("%1").arg(id, 5));
    metti(16, QStringLiteral("%1").arg(primo, 6, 10, QLatin1Char('0')));
    metti(23, QStringLiteral("%1").arg(ultimo, 6, 10, QLatin1Char('0')));
    metti(30, nome);
    metti(91, QStringLiteral("%1").arg(r, 3));
    metti(95, QStringLiteral("%1").arg(g, 3));
    metti(99, QStringLiteral("%1").arg(b, 3));
    metti(103, QString(QLatin1Char(stato)));
    metti(105, QStringLiteral("%1").arg(progresso, 6));
    metti(126, secondo);
    return riga;
}

QStringList Elementi() {
    return {
        Riga(1, 1, 0, 74, "Quenvox", 62, 92, 140, '1', 75, " Apertura"),
        Riga(1, 2, 150, 224, "Fine", 62, 92, 140, '1', 30, " Crediti"),
        Riga(2, 3, 60, 89, "Dissolvenza", 120, 80, 150, '1', 30, ""),
        Riga(2, 4, 200, 229, "Tendina", 120, 80, 150, '0', 0, ""),
        Riga(3, 5, 0, 119, "Spiaggia.mov", 40, 120, 90, '1', 120, " 1080p"),
        Riga(3, 6, 120, 259, "Porto.mov", 40, 120, 90, '1', 70, " 1080p"),
        Riga(4, 7, 80, 179, "Logo animato", 180, 130, 40, '0', 20, " alfa"),
        Riga(4, 8, 200, 280, "Luci.png", 230, 210, 170, '1', 81, " fermo"),
        Riga(5, 9, 0, 199, "Tema.wav", 150, 60, 60, '1', 200, " 48 kHz"),
        Riga(5, 10, 200, 289, "Applausi.wav", 150, 60, 60, '0', 10, ""),
    };
}

void Scrivi(const QImage& im, const QString& percorso) {
    if (!im.save(percorso)) std::fprintf(stderr, "cannot write %s\n", qPrintable(percorso));
    else std::printf("%s\n", qPrintable(percorso));
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString cartella = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("build/fogli");
    QDir().mkpath(cartella);

    ORVTimeLine t;
    t.resize(1260, 340);
    t.SetCaption(QStringLiteral("Timeline"));
    t.SetListaElementiInTimeLine(Elementi());
    t.SetFrame(121);
    Scrivi(t.grab().toImage(), cartella + "/timeline.png");
    const VistaTimeline v = t.Vista();
    const BarraTimeline b = Barra(v, 80, 179);
    const QPoint presa((b.sinistra + b.destra) / 2, 230);
    Mouse(&t, QEvent::MouseButtonPress, presa, Qt::LeftButton, Qt::LeftButton);
    Mouse(&t, QEvent::MouseMove, presa + QPoint(60, -40), Qt::NoButton, Qt::LeftButton);
    Scrivi(t.grab().toImage(), cartella + "/timeline_drag.png");
    return 0;
}
