#include "controls/Orvvideoscrollbarnolista.h"

#include "controls/SkinPredefinite.h"

#include <QPainter>

#include <algorithm>

std::optional<QString> TestoTimeCode(int v, int f) {
    if (f <= 0) return std::nullopt;
    // Integer arithmetic, truncating toward zero; a large rate cannot overflow h*f*3600.
    const long long V = v, F = f;
    const long long h = V / F / 3600;
    const long long m = (V - h * F * 3600) / F / 60;
    const long long s = (V - h * F * 3600 - m * F * 60) / F;
    const long long r = V - h * F * 3600 - m * F * 60 - s * F;
    return QString::asprintf("%02lld:%02lld:%02lld FR:%02lld", h, m, s, r);
}

double FrazioneValore(int valore, int minimo, int massimo) {
    if (massimo == minimo) return 0.0;
    return (double(valore) - minimo) / (double(massimo) - minimo);
}

ORVVideoScrollBarNoLista::ORVVideoScrollBarNoLista(QWidget* owner) : QWidget(owner) {
    resize(72, 20);
    setFont(FontControllo("Arial", 8));
    skins[ORV_Meno] = SkinPredefinite::BottoneSlider(false, false);
    skins[ORV_Meno_On] = SkinPredefinite::BottoneSlider(false, true);
    skins[ORV_Piu] = SkinPredefinite::BottoneSlider(true, false);
    skins[ORV_Piu_On] = SkinPredefinite::BottoneSlider(true, true);
    skins[ORV_ProgressBitmap] = SkinPredefinite::TracciaSlider();
    skins[ORV_ProgressBitmapCursore] = SkinPredefinite::CursoreSlider();
    new TracciaMouse(this, this);
}

void ORVVideoScrollBarNoLista::SetValore(int v) {
    valorePrecedente = valore;
    if (CambiaValore(valore, v)) update();
}

void ORVVideoScrollBarNoLista::SetValorePrecedente(int v) {
    if (CambiaValore(valorePrecedente, v)) update();
}

#define SETTER(Nome, campo, Tipo)                                \
    void ORVVideoScrollBarNoLista::Set##Nome(Tipo v) {           \
        if (CambiaValore(campo, v)) update();                    \
    }
SETTER(ValoreMin, valoreMin, int)
SETTER(ValoreMax, valoreMax, int)
SETTER(ValoreCambioCtrl, valoreCambioCtrl, int)
SETTER(GapCambioValore, gap, int)
SETTER(ValorePrefisso, prefisso, const QString&)
SETTER(ValoreSuffisso, suffisso, const QString&)
SETTER(FormatoAVideo, formatoAVideo, int)
SETTER(FormatoAVideoFrameRate, frameRate, int)
SETTER(ORV_Moltiplica, moltiplica, bool)
SETTER(ORV_Bottoni, bottoni, bool)
SETTER(ORV_BottoniDisegnati, bottoniDisegnati, bool)
SETTER(ORV_Bottoni_ColoreSfondoOff, bottoniOff, TColor)
SETTER(ORV_Bottoni_ColoreSfondoOn, bottoniOn, TColor)
SETTER(ORV_ProgressBar, progressBar, bool)
SETTER(ORV_ProgressUsaBitmap, progressUsaBitmap, bool)
SETTER(ORV_ProgressBar_Colore, progressColore, TColor)
SETTER(Color, colore, TColor)
SETTER(ColoreFont, coloreFont, TColor)
SETTER(Alignment, allineamento, Qt::AlignmentFlag)
#undef SETTER

// At most one decimal mode is on: a change switches the other two off.
void ORVVideoScrollBarNoLista::SetORV_Decimi(bool v) {
    if (v == decimi) return;
    decimi = v;
    centesimi = millesimi = false;
    update();
}
void ORVVideoScrollBarNoLista::SetORV_Centesimi(bool v) {
    if (v == centesimi) return;
    centesimi = v;
    decimi = millesimi = false;
    update();
}
void ORVVideoScrollBarNoLista::SetORV_Millesimi(bool v) {
    if (v == millesimi) return;
    millesimi = v;
    decimi = centesimi = false;
    update();
}

void ORVVideoScrollBarNoLista::SetORV_ProgressBitmapColor1(TColor v) {
    if (!CambiaValore(progressColore1, v)) return;
    SfumaTraccia();
    update();
}

void ORVVideoScrollBarNoLista::SetORV_ProgressBitmapColor2(TColor v) {
    if (!CambiaValore(progressColore2, v)) return;
    SfumaTraccia();
    update();
}

void ORVVideoScrollBarNoLista::SetImmagine(Skin skin, const QImage& immagine) {
    skins[skin] = immagine;
    update();
}

void ORVVideoScrollBarNoLista::SfumaTraccia() {
    QImage& traccia = skins[ORV_ProgressBitmap];
    if (!BitmapPresente(traccia)) return;
    if (traccia.format() != QImage::Format_ARGB32_Premultiplied && traccia.format() != QImage::Format_RGB32 &&
        traccia.format() != QImage::Format_ARGB32)
        traccia = traccia.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    auto canale = [](TColor c, int spostamento) { return int((c >> spostamento) & 0xFF); };
    for (int y = 6; y <= 7 && y < traccia.height(); ++y) {
        for (int x = 4; x <= 125 && x < traccia.width(); ++x) {
            const double t = x / 127.0;
            int rgb[3];
            for (int i = 0; i < 3; ++i) {
                const int c1 = canale(progressColore1, 8 * i), c2 = canale(progressColore2, 8 * i);
                rgb[i] = int(c1 - t * (c1 - c2));
            }
            traccia.setPixel(x, y, qRgb(rgb[0], rgb[1], rgb[2]));
        }
    }
}

QString ORVVideoScrollBarNoLista::TestoVisualizzato() const {
    if (formatoAVideo != 0) {
        // A rate of 0 or less has no time code: the plain number below.
        if (auto testo = TestoTimeCode(valore, frameRate)) return *testo;
    }
    const QString sp = QStringLiteral(" ");
    auto decimale = [&](double fattore, int cifre) {
        const float numero = float(valore * fattore);
        return prefisso + sp + QString::number(double(numero), 'f', cifre) + sp + suffisso;
    };
    if (decimi) return decimale(0.1, 1);
    if (centesimi) return decimale(0.01, 2);
    if (millesimi) return decimale(0.001, 3);
    const long long v = moltiplica ? 2LL * valore : valore;
    return prefisso + sp + QString::number(v) + sp + suffisso;
}

void ORVVideoScrollBarNoLista::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
    VelaDisabilitato(p, this);
}

void ORVVideoScrollBarNoLista::Disegna(QPainter& p) {
    const int W = width(), H = height();
    const bool modoBitmap = progressBar && progressUsaBitmap;
    const int q = modoBitmap ? 12 : std::min(H, 24);
    const QString testo = TestoVisualizzato();
    const QFont& f = font();
    const int th = AltezzaTesto(f);
    const int tw = LarghezzaTesto(f, testo);
    const double frazione = FrazioneValore(valore, valoreMin, valoreMax);

    p.fillRect(0, 0, W, H, ColoreDaTColor(colore));
    if (modoBitmap) {
        DisegnaImmagine(p, bottoni ? q : 0, th - 5, skins[ORV_ProgressBitmap]);
        const int xc = bottoni ? q + int(frazione * (W - 2 * q - 10)) : int(W * frazione);
        DisegnaImmagine(p, xc, th - 5, skins[ORV_ProgressBitmapCursore]);
    }

    int x = (W - tw) / 2;
    if (allineamento == Qt::AlignLeft)
        x = bottoni ? q + 4 : 4;
    else if (allineamento == Qt::AlignRight)
        x = bottoni ? W - 4 - tw - q : W - 4 - tw;
    const int ascesa = QFontMetrics(f).ascent();
    p.setFont(f);
    const int y1 = modoBitmap ? -4 : 2;
    // Black first, then the font colour a pixel lower: the text stands out of the bar.
    for (int passo = 0; passo < 2; ++passo) {
        const int y = y1 + passo;
        if (!modoBitmap) p.fillRect(QRect(x, y, tw, th), ColoreDaTColor(colore));
        p.setPen(passo == 0 ? QColor(Qt::black) : ColoreDaTColor(coloreFont));
        p.drawText(QPoint(x, y + ascesa), testo);
    }

    if (!modoBitmap) {
        p.setPen(QPen(ColoreDaTColor(coloreFont), 1, Qt::DotLine));
        const int yl = th + 4;
        if (bottoni)
            p.drawLine(q, yl, W - q - 1, yl);
        else
            p.drawLine(0, yl, W - 1, yl);
    }
    if (progressBar && !progressUsaBitmap) {
        const int L = bottoni ? q : 0;
        const int w = bottoni ? W - 2 * q : W;
        const int R = L + int(frazione * w);
        p.setPen(Qt::black);
        p.setBrush(ColoreDaTColor(progressColore));
        if (R - L >= 2)
            p.drawRect(QRect(QPoint(L, th + 7), QPoint(R - 2, th + 10)));
        else
            p.fillRect(QRect(QPoint(L, th + 7), QPoint(std::max(L, R - 1), th + 11)), Qt::black);
    }
    if (bottoni) DisegnaBottoni(p, modoBitmap);
}

void ORVVideoScrollBarNoLista::DisegnaBottoni(QPainter& p, bool modoBitmap) {
    const int W = width(), H = height();
    if (BitmapPresente(skins[ORV_Meno]) && !bottoniDisegnati) {
        DisegnaImmagine(p, 0, 0, skins[zonaMeno ? ORV_Meno_On : ORV_Meno]);
        const QImage& piu = skins[zonaPiu ? ORV_Piu_On : ORV_Piu];
        DisegnaImmagine(p, W - skins[ORV_Piu].width(), 0, piu);
        return;
    }
    const int d = modoBitmap ? 12 : std::min(H, 16);
    const int cy = H > 36 ? 18 : H / 2;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(ColoreDaTColor(zonaMeno ? bottoniOn : bottoniOff));
    p.drawEllipse(QRect(0, cy - d / 2, d, d / 2 * 2));
    p.setBrush(ColoreDaTColor(zonaPiu ? bottoniOn : bottoniOff));
    p.drawEllipse(QRect(W - d, cy - d / 2, d, d / 2 * 2));
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor sfondo = ColoreDaTColor(colore);
    const int rx = W - d / 2;
    p.fillRect(QRect(QPoint(d / 2 - d / 3, cy - 1), QPoint(d / 2 + d / 3 - 1, cy)), sfondo);
    p.fillRect(QRect(QPoint(rx - d / 3, cy - 1), QPoint(rx + d / 3 - 1, cy)), sfondo);
    p.fillRect(QRect(QPoint(rx - 1, cy - d / 3), QPoint(rx, cy + d / 3 - 1)), sfondo);
    p.restore();
}

void ORVVideoScrollBarNoLista::Segnala() {
    if (OnCambiamentoValore) OnCambiamentoValore(this);
}

void ORVVideoScrollBarNoLista::MouseEntra() { cursore.Entra(); }

void ORVVideoScrollBarNoLista::MouseEsce() {
    cursore.Esci();
    zonaMeno = zonaPiu = false;
    update();
}

void ORVVideoScrollBarNoLista::MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers shift, int x, int y) {
    conto.Azzera();
    gesto.Disarma();
    if (tasto == Qt::LeftButton) gesto.Arma(x);
    if (!pressioneAperta) {
        valorePrecedente = valore;
        pressioneAperta = true;
    }
    if (bottoni && !readOnly) {
        if (InZonaMeno(x, y, width(), height())) {
            valore = std::max(valore - 1, valoreMin);
            Segnala();
            update();
        } else if (InZonaPiu(x, y, width(), height())) {
            valore = std::min(valore + 1, valoreMax);
            Segnala();
            update();
        }
    }
    if (OnMouseDown) OnMouseDown(this, tasto, shift, x, y);
}

void ORVVideoScrollBarNoLista::MouseMove(Qt::KeyboardModifiers shift, int x, int y) {
    ultimoX = x;
    ultimoY = y;
    cursore.InizioMovimento();
    if (gesto.Armato() && !readOnly) {
        ParametriTrascinamento parametri{valoreMin, valoreMax, valoreIncremento, valoreCambioCtrl, gap, stop25, stop30};
        gesto.Muovi(x, shift & Qt::ControlModifier, valore, parametri, &puntatore, [this] {
            update();
            if (conto.Passo()) Segnala();
        });
    }
    if (bottoni && !readOnly) {
        if (SegueZoneFrecce(x, y, width(), height(), zonaMeno, zonaPiu, cursore)) update();
    }
    cursore.FineMovimento();
}

void ORVVideoScrollBarNoLista::MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers shift, int x, int y) {
    gesto.Disarma();
    // The bound mouse-up sees the final value before the change event.
    if (OnMouseUp) OnMouseUp(this, tasto, shift, x, y);
    if (conto.InSospeso()) Segnala();
    pressioneAperta = false;
}

void ORVVideoScrollBarNoLista::Click() {
    if (OnClick) OnClick(this);
}

void ORVVideoScrollBarNoLista::DblClick() {
    if (bottoni) {
        const int W = width(), H = height();
        const bool xMeno = 2 < ultimoX && ultimoX < H - 2;
        const bool xPiu = W - H - 4 < ultimoX && ultimoX < W - 2;
        if (xMeno || xPiu) return;
    }
    if (OnDblClick) OnDblClick(this);
}

void ORVVideoScrollBarNoLista::Nascosto() {
    gesto.Disarma();
    pressioneAperta = false;
    zonaMeno = zonaPiu = false;
    if (cursore.Attivo()) cursore.Esci();
}
