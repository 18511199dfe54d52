#include "app/Frm1splash.h"

#include "controls/ComuneControlli.h"
#include "controls/Posizionamento.h"
#include "platform/CartelleUtente.h"
#include "platform/LetturaImmagini.h"
#include "platform/ValoriProgramma.h"
#include "project/ImpostazioniGlobali.h"

#include <QLabel>
#include <QPainter>
#include <QShowEvent>

int DurataSplash = 3000;

namespace {
constexpr int LatoFinestra = 464;
// The picture stands 6 pixels up and left of the window's corner.
constexpr QPoint PosizioneImmagine(-6, -6);
constexpr QRect RettVersione(0, 384, 438, 28);
}  // namespace

QRegion RegioneSplash(const QImage& immagine) {
    if (immagine.isNull()) return {};
    const QImage argb = immagine.convertToFormat(QImage::Format_ARGB32);
    const QRgb fondo = argb.pixel(0, 0);
    // Row by row, each run of differing pixels becomes one rectangle.
    QRegion regione;
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* riga = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width();) {
            if (riga[x] == fondo) {
                ++x;
                continue;
            }
            const int inizio = x;
            while (x < argb.width() && riga[x] != fondo) ++x;
            regione += QRect(inizio, y, x - inizio, 1);
        }
    }
    return regione;
}

TForm1Splash::TForm1Splash(QWidget* owner)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint), Timer1(new QTimer(this)),
      LabelVersione(new QLabel(this)) {
    setObjectName(QStringLiteral("Form1Splash"));
    setWindowTitle(QStringLiteral("Quenvox"));
    setFixedSize(LatoFinestra, LatoFinestra);
    immagine = LeggiImmagine(CartellaProgramma + QStringLiteral("/Intro/Splash.png")).Immagine;
    // Without its picture the splash stays a plain dark square rather than vanishing.
    if (!immagine.isNull()) setMask(RegioneSplash(immagine).translated(PosizioneImmagine));

    LabelVersione->setObjectName(QStringLiteral("LabelVersione"));
    LabelVersione->setGeometry(RettVersione);
    LabelVersione->setAlignment(Qt::AlignCenter);
    LabelVersione->setFont(FontControllo(QStringLiteral("Calibri"), 16));
    LabelVersione->setAttribute(Qt::WA_TranslucentBackground);
    LabelVersione->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    // The language is not known yet at this point of the start-up: always the Italian text
    // unless a language was set before.
    const QString formato = ImpostazioniGlobali.LinguaCorrente == LinguaItaliano ? QStringLiteral("Versione %1")
                                                                                  : QStringLiteral("Version %1");
    LabelVersione->setText(formato.arg(VersioneProgramma));

    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TForm1Splash::Timer1Timer);
    FormCreate();
}

void TForm1Splash::FormCreate() {
    CentraForm(this);
}

void TForm1Splash::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

void TForm1Splash::FormShow() {
    Timer1->setInterval(DurataSplash);
    Timer1->start();
}

void TForm1Splash::Timer1Timer() {
    Timer1->stop();
    hide();
    if (mostraPrincipale) mostraPrincipale();
    close();
}

void TForm1Splash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // The soft edge of the picture blends into the plate's own dark.
    p.fillRect(rect(), QColor(0x26, 0x26, 0x26));
    p.drawImage(PosizioneImmagine, immagine);
}
