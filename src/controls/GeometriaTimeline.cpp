#include "controls/GeometriaTimeline.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr int TopRighe[NumeroTracce] = {72, 122, 172, 211, 260};

// Columns of the element line.
constexpr int ColTraccia = 0, LarTraccia = 3;
constexpr int ColId = 4, LarId = 5;
constexpr int ColPrimo = 16, ColUltimo = 23, LarFrame = 6;
constexpr int ColNome = 30, LarNome = 60;
constexpr int ColRosso = 91, ColVerde = 95, ColBlu = 99, LarColore = 3;
constexpr int ColStato = 103;
constexpr int ColProgresso = 105, LarProgresso = 6;
constexpr int ColSecondo = 126, LarSecondo = 60;
constexpr int LunghezzaRiga = 186;

int Intero(qint64 v) {
    return int(std::clamp<qint64>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Floor division and the first multiple of m at or after f.
qint64 DivisioneGiu(qint64 a, qint64 b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
qint64 MultiploDa(qint64 f, qint64 m) { return -DivisioneGiu(-f, m) * m; }
}  // namespace

int TopTraccia(int traccia) { return traccia >= 1 && traccia <= NumeroTracce ? TopRighe[traccia - 1] : 0; }

int TracciaDaY(int y) {
    int traccia = 0;
    for (int t = 1; t <= NumeroTracce; ++t)
        if (TopRighe[t - 1] <= y && y < TopRighe[t - 1] + 40) traccia = t;
    return traccia;
}

qint64 LeggiCampo(const QString& riga, int inizio, int larghezza) {
    const QString campo = riga.mid(inizio, larghezza);
    int i = 0;
    while (i < campo.size() && campo[i] == QLatin1Char(' ')) ++i;
    bool negativo = false;
    if (i < campo.size() && (campo[i] == QLatin1Char('-') || campo[i] == QLatin1Char('+')))
        negativo = campo[i++] == QLatin1Char('-');
    qint64 valore = 0;
    for (; i < campo.size() && campo[i] >= QLatin1Char('0') && campo[i] <= QLatin1Char('9'); ++i)
        valore = valore * 10 + (campo[i].unicode() - '0');
    return negativo ? -valore : valore;
}

ElementoTimeLine LeggiElemento(const QString& riga) {
    ElementoTimeLine e;
    e.traccia = Intero(LeggiCampo(riga, ColTraccia, LarTraccia));
    e.id = Intero(LeggiCampo(riga, ColId, LarId));
    e.primo = LeggiCampo(riga, ColPrimo, LarFrame);
    e.ultimo = LeggiCampo(riga, ColUltimo, LarFrame);
    e.nome = riga.mid(ColNome, LarNome);
    e.rosso = Intero(LeggiCampo(riga, ColRosso, LarColore));
    e.verde = Intero(LeggiCampo(riga, ColVerde, LarColore));
    e.blu = Intero(LeggiCampo(riga, ColBlu, LarColore));
    e.stato = ColStato < riga.size() ? riga[ColStato] : QChar();
    e.progresso = LeggiCampo(riga, ColProgresso, LarProgresso);
    e.secondoTesto = riga.mid(ColSecondo, LarSecondo);
    return e;
}

std::vector<ElementoTimeLine> LeggiElementi(const QStringList& righe) {
    std::vector<ElementoTimeLine> elementi;
    elementi.reserve(std::size_t(righe.size()));
    for (const QString& r : righe) elementi.push_back(LeggiElemento(r));
    return elementi;
}

std::optional<QString> RiscriviElemento(const QString& riga, qint64 primo, qint64 ultimo, int traccia) {
    const QString p = QStringLiteral("%1").arg(primo, LarFrame, 10, QLatin1Char('0'));
    const QString u = QStringLiteral("%1").arg(ultimo, LarFrame, 10, QLatin1Char('0'));
    if (primo < 0 || ultimo < 0 || p.size() > LarFrame || u.size() > LarFrame) return std::nullopt;
    if (traccia < 1 || traccia > 9) return std::nullopt;
    QString nuova = riga.size() < LunghezzaRiga ? riga.leftJustified(LunghezzaRiga, QLatin1Char(' ')) : riga;
    nuova.replace(ColPrimo, LarFrame, p);
    nuova.replace(ColUltimo, LarFrame, u);
    if (LeggiCampo(nuova, ColTraccia, LarTraccia) != traccia) {
        // The digit in the last column of the field carries the track; a field written any
        // other way is written whole.
        nuova[ColTraccia + 2] = QChar(u'0' + traccia);
        if (LeggiCampo(nuova, ColTraccia, LarTraccia) != traccia)
            nuova.replace(ColTraccia, LarTraccia, QStringLiteral("%1").arg(traccia, LarTraccia));
    }
    return nuova;
}

bool SpanSovrapposti(qint64 primo1, qint64 ultimo1, qint64 primo2, qint64 ultimo2) {
    if (primo1 == primo2 && ultimo1 == ultimo2) return true;
    return primo1 < ultimo2 && primo2 < ultimo1;
}

int PossoSpostare(const std::vector<ElementoTimeLine>& elementi, int traccia, int indice, qint64 primo,
                  qint64 ultimo) {
    for (std::size_t i = 0; i < elementi.size(); ++i) {
        const ElementoTimeLine& e = elementi[i];
        if (e.traccia != traccia || int(i) == indice) continue;
        if (SpanSovrapposti(primo, ultimo, e.primo, e.ultimo)) return 0;
    }
    return 1;
}

std::optional<QString> SpostaElemento(const std::vector<ElementoTimeLine>& elementi, const QStringList& righe,
                                      int indice, qint64 frameDrag, int y) {
    if (indice < 0 || indice >= int(elementi.size()) || indice >= righe.size()) return std::nullopt;
    const ElementoTimeLine& e = elementi[std::size_t(indice)];
    int traccia = e.traccia;
    if (traccia == 3 && 211 < y && y < 260) traccia = 4;
    if (traccia == 4 && 172 < y && y < 210) traccia = 3;
    // The columns hold the screen frame less one.
    const qint64 primo = frameDrag - 1, ultimo = frameDrag + (e.ultimo - e.primo) - 1;
    if (!PossoSpostare(elementi, traccia, indice, primo, ultimo)) return std::nullopt;
    return RiscriviElemento(righe[indice], primo, ultimo, traccia);
}

qint64 SpanFrame(const VistaTimeline& v) { return std::max<qint64>(1, v.frameFinale - v.frameIniziale); }

double PixelPerFrame(const VistaTimeline& v) {
    return double(std::max(1, v.larghezza - 143)) / double(SpanFrame(v));
}

int XDaFrame(const VistaTimeline& v, qint64 frame) {
    const double x = XInizioCorsia + double(frame - v.frameIniziale) * PixelPerFrame(v);
    return int(std::clamp(x, -1.0e6, 1.0e6));
}

bool XNellaCorsia(const VistaTimeline& v, int x) {
    return XInizioCorsia - 1 < x && x < v.larghezza - MargineDestroCorsia;
}

qint64 FrameDaX(const VistaTimeline& v, int x) {
    const int xc = std::clamp(x, XInizioCorsia, std::max(XInizioCorsia, v.larghezza - MargineDestroCorsia - 1));
    // Of the two frames either side of the pointer, the one drawn nearer to it; a frame drawn
    // on the pointer's very pixel wins, so every frame's own x maps back to it.
    const int d = xc - XInizioCorsia;
    const double P = PixelPerFrame(v);
    const qint64 basso = qint64(std::floor(double(d) / P));
    auto distanza = [&](qint64 k) { return std::abs(XDaFrame(v, v.frameIniziale + k) - xc); };
    const int d1 = distanza(basso), d2 = distanza(basso + 1);
    const qint64 k = d1 != 0 && d2 <= d1 ? basso + 1 : basso;
    const qint64 f = v.frameIniziale + std::clamp<qint64>(k, 0, SpanFrame(v) - 1);
    return std::max<qint64>(1, f);
}

BarraTimeline Barra(const VistaTimeline& v, qint64 primo, qint64 ultimo) {
    const qint64 l0 = std::max<qint64>(0, primo + 1 - v.frameIniziale);
    const qint64 r0 = std::max<qint64>(0, ultimo + 1 - v.frameIniziale);
    BarraTimeline b;
    if (l0 + r0 == 0) return b;
    const double P = PixelPerFrame(v);
    const int fine = v.larghezza - MargineDestroCorsia;
    b.sinistra = int(std::min<double>(XInizioCorsia + double(l0) * P, 1.0e6));
    b.destra = int(std::min<double>(XInizioCorsia + double(r0) * P, fine));
    // A bar that starts past the view, or has no width, is not shown.
    b.visibile = b.sinistra < b.destra;
    return b;
}

int ElementoSotto(const std::vector<ElementoTimeLine>& elementi, const VistaTimeline& v, int x, int y) {
    const int traccia = TracciaDaY(y);
    if (traccia == 0) return -1;
    for (int i = int(elementi.size()) - 1; i >= 0; --i) {
        const ElementoTimeLine& e = elementi[std::size_t(i)];
        if (e.traccia != traccia) continue;
        const BarraTimeline b = Barra(v, e.primo, e.ultimo);
        if (b.visibile && b.sinistra - 1 < x && x < b.destra + 1) return i;
    }
    return -1;
}

int ZoomFuori(int zoom) {
    if (zoom <= 100) return zoom + 2;
    if (zoom <= 400) return zoom + 10;
    if (zoom <= 950) return zoom + 50;
    return zoom > std::numeric_limits<int>::max() - 250 ? zoom : zoom + 250;
}

int ZoomDentro(int zoom) {
    if (zoom > 950) return zoom - 250;
    if (zoom > 400) return zoom - 50;
    if (zoom > 100) return zoom - 10;
    if (zoom > 2) return zoom - 2;
    return zoom;
}

int ZoomDaBarra(int x, int zoomMassimo) {
    return std::max(1, Intero(qint64(x - 34) * std::max(1, zoomMassimo) / 76));
}

int FineBarraZoom(int zoom, int zoomMassimo) {
    return Intero(std::clamp<qint64>(35 + qint64(zoom) * 74 / std::max(1, zoomMassimo), 35, 110));
}

std::pair<int, int> CursoreScorrimento(const VistaTimeline& v, qint64 hi) {
    const qint64 largo = std::max(0, v.larghezza - 151), h = std::max<qint64>(1, hi);
    const qint64 fine = std::max(135, v.larghezza - 16);
    auto x = [&](qint64 f) {
        const double pos = 135.0 + double(f) * double(largo) / double(h);
        return Intero(qint64(std::clamp(pos, 135.0, double(fine))));
    };
    return {x(v.frameIniziale), x(v.frameFinale)};
}

namespace {
struct Hms {
    qint64 h, m, s, f;
};
Hms Scomponi(qint64 n, qint64 r) {
    Hms t;
    t.h = n / r / 3600;
    t.m = (n - t.h * r * 3600) / r / 60;
    t.s = (n - t.m * r * 60 - t.h * r * 3600) / r;
    t.f = n - t.s * r - t.m * r * 60 - t.h * r * 3600;
    return t;
}
QString Due(qint64 v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); }
}  // namespace

QString TestoTempo(qint64 n, int frameRate) {
    if (frameRate <= 0) return QString::number(n);
    const Hms t = Scomponi(n, frameRate);
    return QStringLiteral("%1:%2:%3 Fr:%4").arg(Due(t.h), Due(t.m), Due(t.s), Due(t.f));
}

QString EtichettaSecondi(qint64 frame, int frameRate) {
    if (frameRate <= 0) return QString::number(frame);
    const Hms t = Scomponi(frame, frameRate);
    return QStringLiteral("%1:%2:%3").arg(Due(t.h), Due(t.m), Due(t.s));
}

namespace {
// Multiples of passo in the view, one per distinct x.
std::vector<TaccaRighello> Multipli(const VistaTimeline& v, qint64 passo) {
    std::vector<TaccaRighello> tacche;
    const qint64 fine = v.frameIniziale + SpanFrame(v);
    const double P = PixelPerFrame(v);
    qint64 f = MultiploDa(v.frameIniziale, passo);
    while (f < fine) {
        const int x = XDaFrame(v, f);
        tacche.push_back({x, f});
        // The first frame that lands on a later pixel.
        const qint64 dopo = v.frameIniziale + qint64(std::ceil(double(x + 1 - XInizioCorsia) / P));
        f = std::max(f + passo, MultiploDa(dopo, passo));
    }
    return tacche;
}
}  // namespace

std::vector<TaccaRighello> TaccheMinori(const VistaTimeline& v) {
    const double P = PixelPerFrame(v);
    if (P > 10) return Multipli(v, 1);
    const qint64 divisore = qint64((v.larghezza - 143) * 0.1);
    if (divisore < 1) return {};
    const qint64 q = SpanFrame(v) / divisore;
    if (q < 1 || q >= 5) return {};
    return Multipli(v, q);
}

std::vector<TaccaRighello> TaccheSecondi(const VistaTimeline& v, int frameRate) {
    if (frameRate <= 0) return {};
    return Multipli(v, frameRate);
}

int PrimoIdDisponibile(const std::vector<ElementoTimeLine>& elementi) {
    int massimo = 0;
    for (const auto& e : elementi) massimo = std::max(massimo, e.id);
    return massimo == std::numeric_limits<int>::max() ? massimo : massimo + 1;
}

qint64 PrimoFrameLiberoDellaTraccia(const std::vector<ElementoTimeLine>& elementi, int traccia) {
    qint64 massimo = 1;
    for (const auto& e : elementi)
        if (e.traccia == traccia) massimo = std::max(massimo, e.ultimo);
    return massimo;
}

bool FrameImportante(const std::vector<ElementoTimeLine>& elementi, qint64 frame) {
    return std::any_of(elementi.begin(), elementi.end(),
                       [&](const ElementoTimeLine& e) { return frame == e.primo + 1 || frame == e.ultimo + 1; });
}

qint64 FrameUtilizzatoMinore(const std::vector<ElementoTimeLine>& elementi) {
    qint64 minimo = 99999;
    for (const auto& e : elementi) minimo = std::min(minimo, e.primo);
    return minimo < 99999 ? minimo : 0;
}

qint64 FrameUtilizzatoMaggiore(const std::vector<ElementoTimeLine>& elementi) {
    qint64 massimo = 0;
    for (const auto& e : elementi) massimo = std::max(massimo, e.ultimo);
    return massimo;
}
