#include "controls/Orvborder.h"

#include "controls/GeometriaForm.h"
#include "controls/TelaClassica.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWindow>

ORVBorder::ORVBorder(QWidget* owner) : QWidget(owner) {
    resize(80, 80);
    new TracciaMouse(this, this);
}

void ORVBorder::SetImmagine(Skin skin, const QImage& immagine) {
    skins[skin] = immagine;
    if (skin == Sfondo) AdattaSpessore();
    update();
}

void ORVBorder::SetStile(int v) {
    if (!CambiaValore(stile, v)) return;
    AdattaSpessore();
    update();
}

void ORVBorder::SetAlign(Allineamento a) {
    setProperty("quenvoxAllineamento", int(a));
    AdattaSpessore();
    ImpostaAllineamento(this, a);
    update();
}

void ORVBorder::SetSpazioBottoni(int v) {
    spazioBottoni = v;
    update();
}

void ORVBorder::SetCaption(const QString& testo) {
    caption = testo;
    update();
}

void ORVBorder::AdattaSpessore() {
    // With a background picture the strip keeps whatever size it has.
    if (BitmapPresente(skins[Sfondo])) return;
    const Allineamento a = Align();
    int spessore = 0;
    if (stile == 1) spessore = 5;
    if (Scuro()) spessore = a == Allineamento::Alto ? 30 : 5;
    if (spessore == 0) return;
    if (a == Allineamento::Sinistra || a == Allineamento::Destra)
        resize(spessore, height());
    else if (a == Allineamento::Alto || a == Allineamento::Basso)
        resize(width(), spessore);
    else
        return;
    if (parentWidget()) RiallineaFigli(parentWidget());
}

void ORVBorder::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
}

int ORVBorder::XCaption() const {
    const QFont font = FontControllo("Verdana", 10, true);
    const int A = Larghezza(TopSx), D = Larghezza(TopDx);
    return A + (width() - spazioBottoni - A - D) / 2 - LarghezzaTesto(font, caption) / 2;
}

void ORVBorder::Disegna(QPainter& p) {
    const int W = width(), H = height();
    if (DisegnaImmagine(p, 0, 0, skins[Sfondo])) return;
    const Allineamento a = Align();
    if (stile == 1) {
        switch (a) {
        case Allineamento::Sinistra: {
            const TColor colori[] = {0x989898, 0xF0F0F0, 0xE0E0E0, 0xD0D0D0, 0x989898};
            for (int x = 0; x < 5; ++x) LineaClassica(p, x, 0, x, H, colori[x]);
            break;
        }
        case Allineamento::Destra: {
            const TColor colori[] = {0x989898, 0xF0F0F0, 0xE0E0E0, 0xD0D0D0, 0x6C6C6C};
            for (int x = 0; x < 5; ++x) LineaClassica(p, x, 0, x, H, colori[x]);
            break;
        }
        case Allineamento::Alto: {
            const TColor colori[] = {0x989898, 0xF0F0F0, 0xE0E0E0, 0xD0D0D0, 0x989898};
            for (int k = 0; k < 5; ++k)
                PolilineaClassica(p, {{k, 5}, {k, k}, {W - 1 - k, k}, {W - 1 - k, 5}}, colori[k]);
            break;
        }
        case Allineamento::Basso:
            PolilineaClassica(p, {{0, 4}, {W - 1, 4}, {W - 1, -1}}, 0x6C6C6C);
            PolilineaClassica(p, {{1, 3}, {W - 2, 3}, {W - 2, -1}}, 0xD0D0D0);
            PolilineaClassica(p, {{2, 0}, {2, 2}, {W - 3, 2}, {W - 3, -1}}, 0xE0E0E0);
            PolilineaClassica(p, {{1, 0}, {1, 2}}, 0xF0F0F0);
            PolilineaClassica(p, {{3, 1}, {W - 4, 1}, {W - 4, -1}}, 0xF0F0F0);
            PolilineaClassica(p, {{0, 0}, {0, 3}}, 0x989898);
            PolilineaClassica(p, {{4, 0}, {W - 4, 0}}, 0x989898);
            break;
        default:
            break;
        }
        return;
    }
    if (!Scuro()) return;
    switch (a) {
    case Allineamento::Sinistra:
        RettangoloClassico(p, 0, 0, 3, H, std::nullopt, 0x191919);
        RettangoloClassico(p, 3, 0, 5, H, std::nullopt, 0x000000);
        if (stile == 2) LineaClassica(p, 4, 0, 4, 19, 0xC8C8C8);
        break;
    case Allineamento::Destra: {
        const TColor colori[] = {0x181818, 0x171717, 0x161616, 0x121212, 0x0A0A0A};
        for (int x = 0; x < 5; ++x) LineaClassica(p, x, 0, x, H, colori[x]);
        if (stile == 2) LineaClassica(p, 0, 0, 0, 19, 0xC8C8C8);
        break;
    }
    case Allineamento::Alto: {
        const int A = Larghezza(TopSx), D = Larghezza(TopDx);
        StiraImmagine(p, A, 0, W - D - spazioBottoni, H, skins[TopCentro]);
        DisegnaImmagine(p, 0, 0, skins[TopSx]);
        DisegnaImmagine(p, W - D, 0, skins[TopDx]);
        break;
    }
    case Allineamento::Basso:
        RettangoloClassico(p, 0, 0, W, 3, std::nullopt, 0x000000);
        RettangoloClassico(p, 0, 3, W, 5, std::nullopt, 0x191919);
        break;
    default:
        break;
    }
    TestoClassico(p, XCaption(), 3, caption, FontControllo("Verdana", 10, true), 0xC0C0C0);
}

void ORVBorder::CursoreDiEntrata() {
    const Allineamento a = Align();
    Qt::CursorShape forma = Qt::ArrowCursor;
    if (modificaDimensioni && a == Allineamento::Basso) forma = Qt::SizeVerCursor;
    if (modificaDimensioni && (a == Allineamento::Sinistra || a == Allineamento::Destra)) forma = Qt::SizeHorCursor;
    CursoreApplicazione::Imposta(forma);
}

void ORVBorder::MouseEntra() {
    mouseDentro = true;
    CursoreDiEntrata();
    if (OnMouseEnter) OnMouseEnter(this);
}

void ORVBorder::MouseEsce() {
    mouseDentro = false;
    CursoreApplicazione::Imposta(Qt::ArrowCursor);
    if (OnMouseLeave) OnMouseLeave(this);
}

void ORVBorder::MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto != Qt::LeftButton) return;
    tastoPremuto = true;
    spostamentoManuale = false;
    if (modificaDimensioni && parentWidget()) {
        globaleAllaPressione = QCursor::pos();
        genitoreAllaPressione = parentWidget()->geometry();
    }
    if (Align() == Allineamento::Alto) CursoreApplicazione::Imposta(Scuro() ? Qt::CrossCursor : Qt::ArrowCursor);
    update();
}

void ORVBorder::MouseMove(Qt::KeyboardModifiers, int, int) {
    QWidget* P = parentWidget();
    if (!tastoPremuto || !modificaDimensioni || !P) return;
    const QPoint delta = QCursor::pos() - globaleAllaPressione;
    const Allineamento a = Align();
    if (a == Allineamento::Alto && Scuro()) {
        CursoreApplicazione::Imposta(Qt::CrossCursor);
        if (!spostamentoManuale && P->isWindow() && P->windowHandle() && P->windowHandle()->startSystemMove()) {
            // The window system's move swallows the release: nothing stays pressed or crossed.
            tastoPremuto = false;
            CursoreApplicazione::Imposta(Qt::ArrowCursor);
            return;
        }
        spostamentoManuale = true;
        P->move(genitoreAllaPressione.topLeft() + delta);
        return;
    }
    int zona = ZonaNessuna;
    QPoint puntatore = delta;
    const QRect& g = genitoreAllaPressione;
    switch (a) {
    case Allineamento::Alto: zona = ZonaBordoAlto; break;
    case Allineamento::Sinistra: zona = ZonaBordoSinistro; break;
    case Allineamento::Basso:
        zona = ZonaBordoBasso;
        puntatore.ry() += g.height();
        break;
    case Allineamento::Destra:
        zona = ZonaBordoDestro;
        puntatore.rx() += g.width();
        break;
    default: return;
    }
    // Where a window cannot place itself (Wayland) the compositor resizes it.
    if (P->isWindow() && QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        static const Qt::Edges lati[] = {{}, Qt::LeftEdge, Qt::RightEdge, Qt::TopEdge, Qt::BottomEdge};
        if (P->windowHandle() && P->windowHandle()->startSystemResize(lati[zona])) {
            tastoPremuto = false;
            return;
        }
    }
    QRect limiti(-100000, -100000, 200000, 200000);
    if (P->isWindow()) {
        if (const QScreen* s = P->screen()) limiti = s->availableGeometry();
    } else if (P->parentWidget()) {
        limiti = P->parentWidget()->rect();
    }
    const QSize minima = P->minimumSize().expandedTo(QSize(10, 10));
    const QRect nuova = PassoRidimensiona(zona, g, puntatore, QPoint(0, 0), minima, limiti);
    if (nuova != P->geometry()) P->setGeometry(nuova);
}

void ORVBorder::MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto != Qt::LeftButton) return;
    tastoPremuto = false;
    spostamentoManuale = false;
    // The cross of a title drag goes with the release.
    if (mouseDentro)
        CursoreDiEntrata();
    else
        CursoreApplicazione::Imposta(Qt::ArrowCursor);
    update();
}

void ORVBorder::Nascosto() {
    if (mouseDentro || tastoPremuto) CursoreApplicazione::Imposta(Qt::ArrowCursor);
    mouseDentro = tastoPremuto = spostamentoManuale = false;
}
