#include "controls/Orvtimeline.h"

#include "controls/SkinFinestre.h"
#include "controls/SkinTimeline.h"
#include "controls/TelaClassica.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <climits>

namespace {
struct TestiTraccia {
    const char* rigaInglese;
    const char* rigaItaliana;
    const char* barraInglese;
    const char* barraItaliana;
};
constexpr TestiTraccia Testi[NumeroTracce] = {
    {"Titles", "Titoli", "Title:", "Titolo:"},
    {"Tran.1", "Tran.1", "Transitions:", "Transizione:"},
    {"Vid.1", "Vid.1", "Video:", "Video:"},
    {"Vid.2", "Vid.2", "Video:", "Video:"},
    {"Audio", "Audio", "Audio:", "Audio:"},
};

int Intero(qint64 v) { return int(std::clamp<qint64>(v, INT_MIN, INT_MAX)); }
}  // namespace

ORVTimeLine::ORVTimeLine(QWidget* owner) : QWidget(owner) {
    resize(1260, 340);
    setFont(FontControllo("Arial", 8));
    new TracciaMouse(this, this);
    CreaBitmap();
    SetAlign(Allineamento::Client);
}

void ORVTimeLine::CreaBitmap() {
    const SkinFinestre::SkinPannello s = SkinFinestre::Pannello();
    skins[Lato1A] = s.lato1A;
    skins[Lato1B] = s.lato1B;
    skins[Lato1C] = SkinTimeline::TitoloDopo();
    skins[Lato2] = s.lato2;
    skins[Lato3] = s.lato3;
    skins[Lato4] = s.lati4a9[0];
    skins[Lato5] = SkinTimeline::Corpo();
    skins[Lato6] = s.lati4a9[2];
    skins[Lato7] = s.lati4a9[3];
    skins[Lato8] = s.lati4a9[4];
    skins[Lato9] = s.lati4a9[5];
    skins[Traccia] = SkinTimeline::Traccia();
    skins[CursoreFrame] = SkinTimeline::CursoreFrame();
    skins[Lente] = SkinTimeline::Lente();
    skins[LenteZoomSx] = SkinTimeline::BottoneZoom(true, false);
    skins[LenteZoomSx_ON] = SkinTimeline::BottoneZoom(true, true);
    skins[LenteZoomDx] = SkinTimeline::BottoneZoom(false, false);
    skins[LenteZoomDx_ON] = SkinTimeline::BottoneZoom(false, true);
    update();
}

void ORVTimeLine::SetImmagine(Skin skin, const QImage& immagine) {
    skins[skin] = immagine;
    update();
}

void ORVTimeLine::Rileggi() { elementi = LeggiElementi(righe); }

void ORVTimeLine::SetListaElementiInTimeLine(const QStringList& lista) {
    righe = lista;
    Rileggi();
    update();
}

void ORVTimeLine::AggiungiElemento(const QString& riga) {
    righe.append(riga);
    elementi.push_back(LeggiElemento(riga));
}

void ORVTimeLine::SetFrame(int v) {
    if (CambiaValore(frame, v)) update();
}
void ORVTimeLine::SetFrameRate(int v) {
    if (CambiaValore(frameRate, v)) update();
}
void ORVTimeLine::SetFrameIniziale(int v) {
    if (CambiaValore(frameIniziale, v)) update();
}
void ORVTimeLine::SetFrameFinale(int v) {
    if (CambiaValore(frameFinale, v)) update();
}
void ORVTimeLine::SetLenteZoom(int v) {
    if (!CambiaValore(lenteZoom, v)) return;
    frameFinale = Intero(qint64(frameIniziale) + v);
    update();
}
void ORVTimeLine::SetLingua(int v) {
    if (CambiaValore(lingua, v)) update();
}
void ORVTimeLine::SetCaption(const QString& testo) {
    if (CambiaValore(caption, testo)) update();
}

VistaTimeline ORVTimeLine::Vista() const { return {width(), frameIniziale, frameFinale}; }

int ORVTimeLine::RitornaMouseSopraElemento(int x, int y) {
    tracciaSottoMouse = TracciaDaY(y);
    ultimoColpito = ElementoSotto(elementi, Vista(), x, y) + 1;
    return ultimoColpito;
}

int ORVTimeLine::RitornaMouseSopraElementoID(int x, int y) {
    const int i = RitornaMouseSopraElemento(x, y);
    return i == 0 ? 0 : elementi[std::size_t(i - 1)].id;
}

int ORVTimeLine::PrimoIdDisponibile() const { return ::PrimoIdDisponibile(elementi); }
int ORVTimeLine::PrimoFrameLiberoDellaTraccia(int traccia) const {
    return Intero(::PrimoFrameLiberoDellaTraccia(elementi, traccia));
}
int ORVTimeLine::PossoSpostare(int traccia, int indice, int primo, int ultimo) const {
    return ::PossoSpostare(elementi, traccia, indice, primo, ultimo);
}
bool ORVTimeLine::FrameImportante(int f) const { return ::FrameImportante(elementi, f); }
int ORVTimeLine::FrameUtilizzatoMinore() const { return Intero(::FrameUtilizzatoMinore(elementi)); }
int ORVTimeLine::FrameUtilizzatoMaggiore() const { return Intero(::FrameUtilizzatoMaggiore(elementi)); }

bool ORVTimeLine::ElementiFuoriVista() const {
    const qint64 lo = ::FrameUtilizzatoMinore(elementi) + 1, hi = ::FrameUtilizzatoMaggiore(elementi) + 1;
    return lo < frameIniziale || frameFinale < hi;
}

int ORVTimeLine::Larghezza(Skin s) const { return BitmapPresente(skins[s]) ? skins[s].width() : 0; }
int ORVTimeLine::Altezza(Skin s) const { return BitmapPresente(skins[s]) ? skins[s].height() : 0; }

void ORVTimeLine::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
}

void ORVTimeLine::Disegna(QPainter& p) {
    if (frame < 1) frame = 1;
    DisegnaCornice(p);
    DisegnaTracce(p);
    for (const ElementoTimeLine& e : elementi) DisegnaOggetto(p, e);
    DisegnaRighello(p);
    DisegnaBarraInferiore(p);
}

void ORVTimeLine::DisegnaCornice(QPainter& p) {
    const int W = width(), H = height();
    const QFont titolo = FontControllo("Arial", 12, true);
    const int A = Larghezza(Lato1A);
    const int tw = QFontMetrics(titolo).horizontalAdvance(caption);
    StiraImmagine(p, 0, 0, W, H, skins[Lato5]);
    DisegnaImmagine(p, 0, 0, skins[Lato1A]);
    StiraImmagine(p, A, 0, A + tw, Altezza(Lato1B), skins[Lato1B]);
    TestoClassico(p, A, 2, caption, titolo, 0x000000);
    TestoClassico(p, A, 3, caption, titolo, 0xC0C0C0);
    DisegnaImmagine(p, A + tw, 0, skins[Lato1C]);
    StiraImmagine(p, A + tw + Larghezza(Lato1C), 0, W - Larghezza(Lato3), Altezza(Lato2), skins[Lato2]);
    DisegnaImmagine(p, W - Larghezza(Lato3), 0, skins[Lato3]);
    StiraImmagine(p, 0, Altezza(Lato1A), Larghezza(Lato4), H - Altezza(Lato7), skins[Lato4]);
    StiraImmagine(p, W - Larghezza(Lato6), Altezza(Lato3), W, H - Altezza(Lato9), skins[Lato6]);
    DisegnaImmagine(p, 0, H - Altezza(Lato7), skins[Lato7]);
    StiraImmagine(p, Larghezza(Lato7), H - Altezza(Lato8), W - Larghezza(Lato9), H, skins[Lato8]);
    DisegnaImmagine(p, W - Larghezza(Lato9), H - Altezza(Lato9), skins[Lato9]);

    // Time code of the frame under the pointer while dragging.
    const qint64 n = trascinamento ? std::max<qint64>(1, frameDrag) : frame;
    const QString tempo = TestoTempo(n, frameRate);
    TestoClassico(p, 12, 24, tempo, titolo, 0x000000);
    TestoClassico(p, 12, 25, tempo, titolo, trascinamento ? 0x07FDBF : 0x07BFFD);
}

void ORVTimeLine::DisegnaTracce(QPainter& p) {
    const int W = width();
    const QFont cifra = FontControllo("Arial", 12, true), nome = FontControllo("Arial", 12);
    for (int t = 1; t <= NumeroTracce; ++t) {
        const int y = TopTraccia(t);
        RettangoloClassico(p, 8, y, 39, y + 40, 0x262626, 0x363636);
        RettangoloClassico(p, 38, y, 101, y + 40, 0x262626, 0x404040);
        DisegnaImmagine(p, 100, y, skins[Traccia]);
        if (t <= 2)
            RettangoloClassico(p, 133, y, W - 10, y + 40, 0x262626, 0x404040);
        else
            RettangoloClassico(p, 133, y, W - 10, y + 40, 0x262626, std::nullopt);
        const QString numero = QString::number(t);
        const QString etichetta = QString::fromLatin1(lingua == 1 ? Testi[t - 1].rigaInglese : Testi[t - 1].rigaItaliana);
        TestoClassico(p, 20, y + 8, numero, cifra, 0x000000);
        TestoClassico(p, 44, y + 8, etichetta, nome, 0x000000);
        const TColor chiaro = t == tracciaSottoMouse ? 0x40FFFF : 0xBABABA;
        TestoClassico(p, 20, y + 9, numero, cifra, chiaro);
        TestoClassico(p, 44, y + 8, etichetta, nome, chiaro);
        if (t != 3) LineaClassica(p, 9, y + 40, W - 10, y + 40, 0x525252);
    }
}

void ORVTimeLine::DisegnaOggetto(QPainter& p, const ElementoTimeLine& e) {
    const BarraTimeline b = Barra(Vista(), e.primo, e.ultimo);
    const int y = TopTraccia(e.traccia);
    if (!b.visibile || y == 0) return;
    const int L = b.sinistra, R = b.destra;
    const TColor colore = TColor(std::clamp(e.rosso, 0, 255)) | TColor(std::clamp(e.verde, 0, 255)) << 8 |
                          TColor(std::clamp(e.blu, 0, 255)) << 16;
    const bool scelto = mouseSopraElementoID == e.id && e.id != 0;
    RettangoloClassico(p, L, y + 1, R, y + 39, 0x8A8A8A, scelto ? SchiarisciTColor(colore, 64) : colore);
    const TColor testo = e.rosso + e.verde + e.blu > 254 ? 0x404040 : 0xBEBEBE;
    const QFont font = FontControllo("Arial", 8);
    if (R - L > 100) {
        const qint64 durata = e.ultimo - e.primo + 1;
        const qint64 pct = durata > 0 ? e.progresso * 100 / durata : 0;
        const QString tp = QStringLiteral("%1%").arg(pct);
        const int larghezza = QFontMetrics(font).horizontalAdvance(tp);
        if (pct != 100) RettangoloClassico(p, R - 5 - larghezza, y + 2, R - 2, y + 20, 0x00F7FF, 0x00F7FF);
        // On its yellow badge the number is always dark, so it reads on any bar.
        TestoRitagliato(p, L + 2, y + 4, R - 2, y + 34, R - 3 - larghezza, y + 4, tp, font,
                        pct != 100 ? TColor(0x404040) : testo);
    }
    const int t = e.traccia - 1;
    const QString etichetta = QString::fromLatin1(lingua == 1 ? Testi[t].barraInglese : Testi[t].barraItaliana);
    TestoRitagliato(p, L + 2, y + 4, R - 40, y + 34, L + 4, y + 4, etichetta + e.secondoTesto, font, testo);
    TestoRitagliato(p, L + 2, y + 4, R - 2, y + 34, L + 4, y + 22, e.nome, font, testo);
    LineaClassica(p, L, y + 37, R, y + 37, 0x404040);
    const TColor stato = e.stato == QLatin1Char('0') ? 0x0000FF : 0x00FF00;
    LineaClassica(p, L, y + 38, R, y + 38, stato);
    LineaClassica(p, L, y + 39, R, y + 39, stato);
}

void ORVTimeLine::DisegnaRighello(QPainter& p) {
    const int W = width(), H = height();
    const VistaTimeline v = Vista();
    RettangoloClassico(p, 133, 26, W - 10, 66, 0x262626, std::nullopt);
    for (const TaccaRighello& t : TaccheMinori(v)) LineaClassica(p, t.x, 63, t.x, 61, 0xBABABA);
    const QFont righello = FontControllo("Courier New", 7);
    const QFontMetrics misura(font());
    int fineEtichetta = 0;
    for (const TaccaRighello& t : TaccheSecondi(v, frameRate)) {
        LineaClassica(p, t.x, 63, t.x, 55, 0xBABABA);
        if (fineEtichetta < t.x) {
            LineaClassica(p, t.x, 55, t.x, 47, 0xBABABA);
            const QString etichetta = EtichettaSecondi(t.frame, frameRate);
            TestoClassico(p, t.x, 39, etichetta, righello, 0xBABABA);
            fineEtichetta = t.x + 12 + misura.horizontalAdvance(etichetta);
        }
    }
    const qint64 cursore = trascinamento ? frameDrag : frame;
    if (!cursoreNascosto && cursore >= frameIniziale && cursore < frameIniziale + SpanFrame(v)) {
        const int x = XDaFrame(v, cursore);
        LineaClassica(p, x, 57, x, H - 38, ::FrameImportante(elementi, cursore) ? 0x00FF00 : 0x0000FF);
        DisegnaImmagine(p, x - 7, 50, skins[CursoreFrame]);
    }
}

void ORVTimeLine::DisegnaBarraInferiore(QPainter& p) {
    const int W = width(), H = height();
    const QFont piccolo = FontControllo("Arial", 8, true);
    RettangoloClassico(p, 4, H - 38, W - 4, H - 8, 0x404040, 0x404040);
    DisegnaImmagine(p, 10, H - 37, skins[Lente]);
    DisegnaImmagine(p, 34, H - 37, skins[zonaZoomDentro ? LenteZoomSx_ON : LenteZoomSx]);
    DisegnaImmagine(p, 88, H - 37, skins[zonaZoomFuori ? LenteZoomDx_ON : LenteZoomDx]);
    LineaClassica(p, 34, H - 37, 88, H - 37, 0x131313);
    LineaClassica(p, 34, H - 15, 88, H - 15, 0x131313);
    const QString zoom = QString::number(lenteZoom);
    TestoClassico(p, 57 + (31 - QFontMetrics(piccolo).horizontalAdvance(zoom)) / 2, H - 32, zoom, piccolo, 0xBEBEBE);
    PolilineaClassica(p, {{34, H - 14}, {110, H - 14}, {110, H - 10}, {34, H - 10}, {34, H - 14}}, 0x131313);
    const int fine = FineBarraZoom(lenteZoom, lenteZoomMassima);
    for (int y = H - 13; y <= H - 11; ++y) LineaClassica(p, 35, y, fine, y, 0x00FFFF);

    const qint64 lo = ::FrameUtilizzatoMinore(elementi) + 1, hi = ::FrameUtilizzatoMaggiore(elementi) + 1;
    TestoClassico(p, 150, H - 60, QStringLiteral("min=%1        max=%2").arg(lo).arg(hi), piccolo, 0xBEBEBE);
    if (!ElementiFuoriVista()) return;
    RettangoloClassico(p, 134, H - 38, W - 4, H - 8, 0x404040, 0x404040);
    DisegnaImmagine(p, 134, H - 37, skins[zonaScorriSx ? LenteZoomSx_ON : LenteZoomSx]);
    DisegnaImmagine(p, W - 38, H - 37, skins[zonaScorriDx ? LenteZoomDx_ON : LenteZoomDx]);
    LineaClassica(p, 134, H - 37, W - 38, H - 37, 0x131313);
    LineaClassica(p, 134, H - 15, W - 38, H - 15, 0x131313);
    PolilineaClassica(p, {{134, H - 14}, {W - 16, H - 14}, {W - 16, H - 10}, {134, H - 10}, {134, H - 14}}, 0x131313);
    const auto [da, a] = CursoreScorrimento(Vista(), hi);
    for (int y = H - 13; y <= H - 11; ++y) LineaClassica(p, da, y, a, y, 0x00FFFF);
}

void ORVTimeLine::MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers shift, int x, int y) {
    spostato = false;
    const VistaTimeline v = Vista();
    if (tasto == Qt::LeftButton) {
        modificato = false;
        pressioneX = pressioneY = 0;
        if (27 < y && y < 63) {
            cursoreNascosto = false;
            if (XNellaCorsia(v, x)) {
                trascinamento = true;
                pressioneX = x;
                pressioneY = y;
                frameDrag = FrameDaX(v, x);
            }
        }
        if (const int i = RitornaMouseSopraElemento(x, y)) {
            pressioneX = x;
            pressioneY = y;
            frameDrag = FrameDaX(v, x);
            modificato = true;
            mouseSopraElemento = i;
            mouseSopraElementoID = elementi[std::size_t(i - 1)].id;
            mouseSopraTipoTraccia = tracciaSottoMouse;
            trascinamento = true;
            afferrato = i;
        } else {
            mouseSopraElemento = mouseSopraElementoID = mouseSopraTipoTraccia = 0;
        }
        update();
    } else if (tasto == Qt::RightButton) {
        mouseSopraElemento = RitornaMouseSopraElemento(x, y);
        mouseSopraElementoID = mouseSopraElemento ? elementi[std::size_t(mouseSopraElemento - 1)].id : 0;
        mouseSopraTipoTraccia = tracciaSottoMouse;
        if (mouseSopraElemento) cursoreNascosto = true;
        update();
    }
    auto nuovoZoom = [&](int zoom) {
        lenteZoom = zoom;
        frameFinale = Intero(qint64(frameIniziale) + lenteZoom);
        update();
    };
    if (zonaZoomFuori) {
        nuovoZoom(ZoomFuori(lenteZoom));
        lenteZoomMassima = std::max(lenteZoomMassima, lenteZoom);
    } else if (zonaZoomDentro) {
        nuovoZoom(ZoomDentro(lenteZoom));
    } else if (zonaBarraZoom && 33 < x && x <= 110) {
        nuovoZoom(ZoomDaBarra(x, lenteZoomMassima));
    } else if (ElementiFuoriVista()) {
        if (zonaScorriSx && frameIniziale > 1) {
            --frameIniziale;
            --frameFinale;
            update();
        } else if (zonaScorriDx && frameFinale < ::FrameUtilizzatoMaggiore(elementi) + 1) {
            ++frameIniziale;
            ++frameFinale;
            update();
        }
    }
    if (OnMouseDown) OnMouseDown(this, tasto, shift, x, y);
}

void ORVTimeLine::MouseMove(Qt::KeyboardModifiers, int x, int y) {
    const int W = width(), H = height();
    if (trascinamento) {
        const VistaTimeline v = Vista();
        if (XNellaCorsia(v, x)) {
            frameDrag = FrameDaX(v, x);
            if (x > pressioneX + 10 || x < pressioneX - 10 || y > pressioneY + 10 || y < pressioneY - 10)
                spostato = true;
            if (mouseSopraElemento != 0 && afferrato == mouseSopraElemento && spostato) {
                const int i = afferrato - 1;
                if (auto nuova = SpostaElemento(elementi, righe, i, frameDrag, y); nuova && *nuova != righe[i]) {
                    righe[i] = *nuova;
                    elementi[std::size_t(i)] = LeggiElemento(*nuova);
                }
            }
        }
        update();
    }
    const bool zd = zonaZoomDentro, zf = zonaZoomFuori, ss = zonaScorriSx, sd = zonaScorriDx;
    zonaZoomDentro = zonaZoomFuori = zonaScorriSx = zonaScorriDx = false;
    if (H - 36 < y && y < H - 14) {
        zonaZoomDentro = 33 < x && x < 57;
        zonaZoomFuori = 87 < x && x < 111;
        zonaScorriSx = 134 < x && x < 158;
        zonaScorriDx = W - 38 < x && x < W - 14;
    }
    if (zd != zonaZoomDentro || zf != zonaZoomFuori || ss != zonaScorriSx || sd != zonaScorriDx) update();
    zonaBarraZoom = H - 14 < y && y < H - 8 && 33 < x && x < 111;
}

void ORVTimeLine::MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers shift, int x, int y) {
    spostato = false;
    if (tasto == Qt::LeftButton) {
        const VistaTimeline v = Vista();
        if (trascinamento && XNellaCorsia(v, pressioneX)) frame = Intero(FrameDaX(v, x));
        trascinamento = false;
        afferrato = 0;
        update();
    }
    if (OnMouseUp) OnMouseUp(this, tasto, shift, x, y);
    // The host's click sees the frame the release has set.
    if (clickInAttesa) {
        clickInAttesa = false;
        if (OnClick) OnClick(this);
    }
}

void ORVTimeLine::Nascosto() {
    trascinamento = spostato = clickInAttesa = false;
    afferrato = 0;
}
