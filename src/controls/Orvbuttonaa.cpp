#include "controls/Orvbuttonaa.h"

#include "controls/TelaClassica.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {
// One pass of the four-neighbour average over rows 1..H-3 and columns 1..W-3, reading from
// sorgente and writing into destinazione (the same image for the passes made in place).
void Sfoca(const QImage& sorgente, QImage& destinazione) {
    const int W = sorgente.width(), H = sorgente.height();
    for (int r = 1; r <= H - 3; ++r) {
        for (int c = 1; c <= W - 3; ++c) {
            const QRgb a = sorgente.pixel(c, r - 1), b = sorgente.pixel(c, r + 1), s = sorgente.pixel(c - 1, r),
                       d = sorgente.pixel(c + 1, r);
            destinazione.setPixel(c, r, qRgb((qRed(a) + qRed(b) + qRed(s) + qRed(d)) / 4,
                                             (qGreen(a) + qGreen(b) + qGreen(s) + qGreen(d)) / 4,
                                             (qBlue(a) + qBlue(b) + qBlue(s) + qBlue(d)) / 4));
        }
    }
}

QImage Piena(int W, int H, TColor colore) {
    QImage im(std::max(1, W), std::max(1, H), QImage::Format_RGB32);
    im.fill(ColoreDaTColor(colore));
    return im;
}
}  // namespace

ORVButtonAA::ORVButtonAA(QWidget* owner) : QWidget(owner) {
    resize(100, 16);
    setFont(FontControllo("Arial", 10, true));
    new TracciaMouse(this, this);
}

void ORVButtonAA::Marca() {
    rendering = true;
    update();
}

void ORVButtonAA::SetCaption(const QString& testo) {
    caption = testo;
    Marca();
}
void ORVButtonAA::SetButtonImage(const QImage& immagine) {
    buttonImage = immagine;
    Marca();
}
void ORVButtonAA::SetAlignment(Qt::Alignment v) {
    if (CambiaValore(allineamento, v)) Marca();
}
void ORVButtonAA::SetOutline(bool v) {
    if (CambiaValore(outline, v)) Marca();
}
void ORVButtonAA::SetOutlineWidth(int v) {
    if (CambiaValore(outlineWidth, v)) Marca();
}
void ORVButtonAA::SetShadowColor(TColor v) {
    if (CambiaValore(shadowColor, v)) Marca();
}
void ORVButtonAA::SetBackgroundColor(TColor v) {
    if (CambiaValore(backgroundColor, v)) Marca();
}
void ORVButtonAA::SetShadowOffset(int v) {
    if (CambiaValore(shadowOffset, v)) Marca();
}
void ORVButtonAA::SetRendering(bool v) {
    if (CambiaValore(rendering, v)) update();
}
void ORVButtonAA::SetBordo(int v) {
    if (CambiaValore(bordo, v)) update();
}
void ORVButtonAA::SetColoreFont(TColor v) {
    if (CambiaValore(coloreFont, v)) Marca();
}

void ORVButtonAA::resizeEvent(QResizeEvent*) { rendering = true; }

int ORVButtonAA::XCaption() const {
    const int W = width(), tw = LarghezzaTesto(font(), caption);
    // The font's size in points, as the margin of the aligned caption.
    const int punti = font().pixelSize() > 0 ? font().pixelSize() * 72 / 96 : font().pointSize();
    if (allineamento & Qt::AlignRight) return W - tw - punti / 2;
    if (allineamento & Qt::AlignHCenter) return W / 2 - tw / 2;
    return punti / 2;
}

void ORVButtonAA::Scritta(QImage& im, int x, int y, TColor colore) const {
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor c = ColoreDaTColor(colore);
    if (outline) {
        QPainterPath traccia;
        traccia.addText(QPointF(x, y + QFontMetrics(font()).ascent()), font(), caption);
        p.setPen(QPen(c, std::max(1, outlineWidth)));
        p.setBrush(Qt::NoBrush);
        p.drawPath(traccia);
    } else {
        TestoClassico(p, x, y, caption, font(), colore);
    }
}

void ORVButtonAA::Prepara() {
    const int W = std::max(1, width()), H = std::max(1, height());
    // A negative offset draws as none: the shift never reads outside the picture.
    const int off = std::max(0, shadowOffset);
    QImage M = Piena(W, H, backgroundColor), N = Piena(W, H, backgroundColor);

    // The background from the quarters of ButtonImage; without one, the background colour.
    QImage tela = Piena(W, H, backgroundColor);
    if (BitmapPresente(buttonImage)) {
        QPainter p(&tela);
        const QImage& b = buttonImage;
        const int bw = b.width(), bh = b.height(), hw = bw / 2, hh = bh / 2;
        auto pezzo = [&](QRect da, QRect a) {
            if (da.width() > 0 && da.height() > 0 && a.width() > 0 && a.height() > 0) p.drawImage(a, b, da);
        };
        pezzo({0, 0, hw, hh}, {0, 0, hw, hh});
        pezzo({hw, 0, 1, hh}, {hw, 0, W - 2 * hw, hh});
        pezzo({hw, 0, bw - hw, hh}, {W - hw, 0, bw - hw, hh});
        pezzo({0, hh, hw, 1}, {0, hh, hw, H - 2 * hh});
        p.fillRect(QRect(hw, hh, W - 2 * hw, H - 2 * hh), b.pixelColor(std::min(hw, bw - 1), std::min(hh, bh - 1)));
        pezzo({hw, hh, bw - hw, 1}, {W - hw, hh, bw - hw, H - 2 * hh});
        pezzo({0, hh, hw, bh - hh}, {0, H - hh, hw, bh - hh});
        pezzo({hw, hh, 1, bh - hh}, {hw, H - hh, W - 2 * hw, bh - hh + 1});
        pezzo({hw, hh, bw - hw, bh - hh}, {W - hw, H - hh, bw - hw, bh - hh});
    }

    const int x = XCaption();
    Scritta(M, x, 0, shadowColor);
    Sfoca(M, N);
    for (int i = 0; i < off; ++i) Sfoca(N, N);
    for (int r = H - 2; r >= off + 2; --r)
        for (int c = W - 2; c >= off + 2; --c) N.setPixel(c, r, N.pixel(c - off, r - off));
    // The shadow darkens the background (a bitwise AND, as the old copy mode did).
    for (int r = 0; r < H; ++r) {
        auto* t = reinterpret_cast<QRgb*>(tela.scanLine(r));
        const auto* n = reinterpret_cast<const QRgb*>(N.constScanLine(r));
        for (int c = 0; c < W; ++c) t[c] = (t[c] & n[c]) | 0xFF000000u;
    }
    normaleImg = tela;
    sopraImg = tela;
    Scritta(normaleImg, x, 0, coloreFont);
    Scritta(sopraImg, x + off - 1, off - 1, coloreFont);
    rendering = false;
}

void ORVButtonAA::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
}

void ORVButtonAA::Disegna(QPainter& p) {
    if (rendering || normaleImg.size() != size()) Prepara();
    p.drawImage(0, 0, mouseDentro ? sopraImg : normaleImg);
    if (bordo != 0) RettangoloClassico(p, 0, 0, width(), height(), 0x000000, std::nullopt);
}

void ORVButtonAA::MouseEntra() {
    mouseDentro = true;
    update();
}
void ORVButtonAA::MouseEsce() {
    mouseDentro = false;
    update();
}
void ORVButtonAA::MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto != Qt::LeftButton) return;
    tastoPremuto = true;
    Marca();
}
void ORVButtonAA::MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto != Qt::LeftButton) return;
    tastoPremuto = false;
    Marca();
}
