#include "controls/Orvpannello.h"

#include "controls/SkinFinestre.h"

#include <QPainter>

ORVPannello::ORVPannello(QWidget* owner) : QWidget(owner) {
    resize(600, 340);
    setFont(FontControllo("Arial", 10));
    new TracciaMouse(this, this);
    CreaBitmap();
}

void ORVPannello::CreaBitmap() {
    const SkinFinestre::SkinPannello s = SkinFinestre::Pannello();
    skins[Lato1A] = s.lato1A;
    skins[Lato1B] = s.lato1B;
    skins[Lato1C] = s.lato1C;
    skins[PaginaPiu_ON] = s.paginaPiuOn;
    skins[Lato2] = s.lato2;
    skins[Lato3] = s.lato3;
    for (int i = 0; i < 6; ++i) skins[Lato4 + i] = s.lati4a9[i];
    skins[PaginaSx] = s.paginaSx;
    skins[PaginaSx_ON] = s.paginaSxOn;
    skins[PaginaDx] = s.paginaDx;
    skins[PaginaDx_ON] = s.paginaDxOn;
    skins[ORV_PaginaNascostaSx] = s.nascostaSx;
    skins[ORV_PaginaNascostaCentr] = s.nascostaCentro;
    skins[ORV_PaginaNascostaCentr_On] = s.nascostaCentroOn;
    skins[ORV_PaginaNascostaDivisore] = s.nascostaDivisore;
    skins[ORV_PaginaNascostaDx] = s.nascostaDx;
    update();
}

void ORVPannello::SetImmagine(Skin skin, const QImage& immagine) {
    skins[skin] = immagine;
    update();
}
void ORVPannello::SetPagine(const QStringList& lista) {
    pagine = lista;
    update();
}
void ORVPannello::SetPagineNumero(int v) {
    if (CambiaValore(pagineNumero, v)) update();
}
void ORVPannello::SetVisualizzaPagine(bool v) {
    if (CambiaValore(visualizzaPagine, v)) update();
}
void ORVPannello::SetVisualizzaPiu(bool v) {
    if (CambiaValore(visualizzaPiu, v)) update();
}
void ORVPannello::SetORV_VisualizzaAltrePagine(bool v) {
    if (CambiaValore(modoSchede, v)) update();
}
void ORVPannello::SetORV_PaginaEvidenziata(int v) {
    if (CambiaValore(paginaEvidenziata, v)) update();
}

QString ORVPannello::NomePagina() const {
    if (pagineNumero < 1 || pagineNumero > pagine.size()) return QString();
    return pagine[pagineNumero - 1];
}

void ORVPannello::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
}

void ORVPannello::Disegna(QPainter& p) {
    const int W = width(), H = height();
    auto l = [&](Skin s) { return BitmapPresente(skins[s]) ? skins[s].width() : 0; };
    auto a = [&](Skin s) { return BitmapPresente(skins[s]) ? skins[s].height() : 0; };
    StiraImmagine(p, 0, 0, W, H, skins[Lato5]);
    StiraImmagine(p, 0, a(Lato1A), l(Lato4), H - a(Lato7), skins[Lato4]);
    StiraImmagine(p, W - l(Lato6), a(Lato3), W, H - a(Lato9), skins[Lato6]);
    DisegnaImmagine(p, 0, H - a(Lato7), skins[Lato7]);
    StiraImmagine(p, l(Lato7), H - a(Lato8), W - l(Lato9), H, skins[Lato8]);
    DisegnaImmagine(p, W - l(Lato9), H - a(Lato9), skins[Lato9]);
    DisegnaStriscia(p);
}

void ORVPannello::DisegnaStriscia(QPainter& p) {
    const int W = width();
    auto l = [&](Skin s) { return BitmapPresente(skins[s]) ? skins[s].width() : 0; };
    auto a = [&](Skin s) { return BitmapPresente(skins[s]) ? skins[s].height() : 0; };
    const int A = l(Lato1A);
    const QFontMetrics m(font());
    p.setFont(font());
    auto nome = [&](int x, int y, const QString& testo) {
        p.setPen(Qt::black);
        p.drawText(x, y + m.ascent(), testo);
    };
    auto nomeChiaro = [&](int x, int y, const QString& testo) {
        p.setPen(ColoreDaTColor(0xC0C0C0));
        p.drawText(x, y + m.ascent(), testo);
    };
    DisegnaImmagine(p, 0, 0, skins[Lato1A]);
    if (!modoSchede) {
        const QString n = NomePagina();
        larghezzaTitolo = m.horizontalAdvance(n);
        StiraImmagine(p, A, 0, A + larghezzaTitolo, a(Lato1B), skins[Lato1B]);
        nome(A, 2, n);
        nomeChiaro(A, 3, n);
        estensioni[0] = {A, A + larghezzaTitolo};
        const bool piu = piuSopra && visualizzaPiu;
        if (piu)
            DisegnaImmagine(p, A + larghezzaTitolo, 0, skins[PaginaPiu_ON]);
        else
            DisegnaImmagine(p, A + larghezzaTitolo, 0, skins[Lato1C]);
        StiraImmagine(p, A + larghezzaTitolo + l(Lato1C), 0, W - l(Lato3), a(Lato2), skins[Lato2]);
        DisegnaImmagine(p, W - l(Lato3), 0, skins[Lato3]);
        if (visualizzaPagine) {
            DisegnaImmagine(p, W - 40, 4, skins[frecciaSxSopra ? PaginaSx_ON : PaginaSx]);
            DisegnaImmagine(p, W - 22, 4, skins[frecciaDxSopra ? PaginaDx_ON : PaginaDx]);
        }
        return;
    }
    StiraImmagine(p, A, 0, W - l(Lato3), a(Lato2), skins[Lato2]);
    DisegnaImmagine(p, W - l(Lato3), 0, skins[Lato3]);
    int x = A;
    // Tabs past the table's room are not laid out.
    const int numero = std::min<int>(int(pagine.size()), MassimoSchede);
    for (int i = 0; i < numero; ++i) {
        if (i == 0) {
            DisegnaImmagine(p, x, 0, skins[ORV_PaginaNascostaSx]);
            x += l(ORV_PaginaNascostaSx);
        }
        const int w = m.horizontalAdvance(pagine[i]) + 20;
        larghezzaTitolo = w;
        const bool evidenziata = paginaSotto == i + 1 || i == paginaEvidenziata;
        const Skin corpo = evidenziata ? ORV_PaginaNascostaCentr_On : ORV_PaginaNascostaCentr;
        StiraImmagine(p, x, 0, x + w, a(ORV_PaginaNascostaCentr), skins[corpo]);
        estensioni[i] = {x, x + w};
        nome(x + 10, 2, pagine[i]);
        nomeChiaro(x + 11, 3, pagine[i]);
        x += w;
        DisegnaImmagine(p, x, 0, skins[i + 1 < numero ? ORV_PaginaNascostaDivisore : ORV_PaginaNascostaDx]);
        x += l(ORV_PaginaNascostaDx);
    }
}

void ORVPannello::DisegnaParziale() {
    int alto = 24;
    if (!modoSchede && BitmapPresente(skins[Lato1B])) alto = skins[Lato1B].height();
    update(0, 0, width(), alto);
}

void ORVPannello::MouseMove(Qt::KeyboardModifiers, int x, int y) {
    const bool sx = frecciaSxSopra, dx = frecciaDxSopra, piu = piuSopra;
    const int sottoPrima = paginaSotto;
    frecciaSxSopra = frecciaDxSopra = piuSopra = false;
    const int W = width(), A = BitmapPresente(skins[Lato1A]) ? skins[Lato1A].width() : 0;
    if (4 < y && y <= 16) {
        frecciaSxSopra = W - 40 < x && x < W - 22;
        frecciaDxSopra = W - 22 < x && x < W - 4;
        piuSopra = A + larghezzaTitolo + 12 < x && x < A + larghezzaTitolo + 34;
        paginaSotto = 0;
        const int numero = modoSchede ? std::min<int>(int(pagine.size()), MassimoSchede) : 1;
        for (int i = 0; i < numero; ++i)
            if (estensioni[i].first <= x && x <= estensioni[i].second) paginaSotto = i + 1;
    }
    if (sottoPrima != 0 || paginaSotto != 0) DisegnaParziale();
    if (sx != frecciaSxSopra || dx != frecciaDxSopra || piu != piuSopra) DisegnaParziale();
}

void ORVPannello::MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto == Qt::LeftButton && !pagine.isEmpty()) {
        const int n = int(pagine.size());
        if (frecciaSxSopra) pagineNumero = pagineNumero <= 1 ? n : pagineNumero - 1;
        if (frecciaDxSopra) pagineNumero = pagineNumero >= n ? 1 : pagineNumero + 1;
    }
    DisegnaParziale();
}

void ORVPannello::MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto != Qt::LeftButton) return;
    DisegnaParziale();
    if (paginaSotto != 0 && OnCambioPagina) OnCambioPagina(this);
}
