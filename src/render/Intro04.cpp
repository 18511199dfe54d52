#include "platform/CartelleUtente.h"
#include "project/ImpostazioniGlobali.h"
#include "project/ImpostazioniProgetto.h"
#include "render/Bande.h"
#include "render/ContestoRendering.h"
#include "render/DisegnoIntro.h"
#include "render/Intro.h"
#include "render/Intro04.h"

#include <QFile>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <array>

namespace {

constexpr int ColonneLogo = 20;
constexpr int RigheLogo = 10;

QString PercorsoTessera(int riga, int colonna) {
    return CartellaLavoro + NomiIntro::Tessera.arg(riga, 2, 10, QLatin1Char('0')).arg(colonna, 2, 10, QLatin1Char('0'));
}

struct Pennelli {
    QColor Chiaro, Base, Scuro;
};

// The three face colours of a row, darker toward the far rows.
Pennelli ColoriRiga(Colore colore, int alfa, int z) {
    const int r = colore & 0xFF, g = (colore >> 8) & 0xFF, b = (colore >> 16) & 0xFF;
    const auto chiaro = [](int v) { return std::min(255, static_cast<int>(v * 1.3)); };
    const auto scuro = [](int v) { return static_cast<int>(v * 0.7); };
    const float s = 1.0f - z / 3000.0f;
    const auto per = [s](int v) { return static_cast<int>(s * v); };
    return {QColor(per(chiaro(r)), per(chiaro(g)), per(chiaro(b)), 255), QColor(per(r), per(g), per(b), alfa),
            QColor(per(scuro(r)), per(scuro(g)), per(scuro(b)), alfa)};
}

// Whether the points' bounds, widened by a pixel of anti-aliasing, reach the band.
template <class Punti>
bool NellaBanda(const Punti& punti, const QRect& banda) {
    qreal x0 = punti[0].x(), x1 = x0, y0 = punti[0].y(), y1 = y0;
    for (const QPointF& q : punti) {
        x0 = std::min(x0, q.x());
        x1 = std::max(x1, q.x());
        y0 = std::min(y0, q.y());
        y1 = std::max(y1, q.y());
    }
    return x1 >= banda.left() - 1 && x0 <= banda.right() + 2 && y1 >= banda.top() - 1 && y0 <= banda.bottom() + 2;
}

void Faccia(QPainter& g, const QRect& banda, const std::array<QPointF, 8>& p, std::initializer_list<int> indici,
            const QColor& colore) {
    std::array<QPointF, 4> quadro;
    size_t n = 0;
    for (int i : indici) quadro[n++] = p[static_cast<size_t>(i)];
    // Every band goes over every face: those wholly elsewhere are skipped before the painter.
    if (!NellaBanda(quadro, banda)) return;
    g.setBrush(colore);
    g.drawPolygon(quadro.data(), 4);
}

// The tile on a top face: its top edge on the far edge (C3 to C2), its left edge down to C0.
void Tessera(QPainter& g, const QRect& banda, const QImage& tessera, const std::array<QPointF, 8>& p) {
    if (tessera.isNull()) return;
    const QPointF sup(static_cast<int>(p[3].x()), static_cast<int>(p[3].y()));
    const QPointF des(static_cast<int>(p[2].x()), static_cast<int>(p[2].y()));
    const QPointF inf(static_cast<int>(p[0].x()), static_cast<int>(p[0].y()));
    const double tw = tessera.width(), th = tessera.height();
    const QTransform t((des.x() - sup.x()) / tw, (des.y() - sup.y()) / tw, (inf.x() - sup.x()) / th,
                       (inf.y() - sup.y()) / th, sup.x(), sup.y());
    const std::array<QPointF, 4> angoli = {t.map(QPointF(0, 0)), t.map(QPointF(tw, 0)), t.map(QPointF(0, th)),
                                           t.map(QPointF(tw, th))};
    if (!NellaBanda(angoli, banda)) return;
    g.save();
    g.setTransform(t, true);
    g.drawImage(QPointF(0, 0), tessera);
    g.restore();
}

}  // namespace

void SuddividiLogo(ContestoRendering& c, const QString& percorso, int colonne, int righe) {
    const QImage logo = CaricaImmagine(c, percorso);
    const std::vector<QImage> tessere = TagliaTessere(logo, colonne, righe);
    for (int i = 0; i < righe; ++i)
        for (int j = 0; j < colonne; ++j) {
            const QImage& t = tessere[static_cast<size_t>(i * colonne + j)];
            const QString file = PercorsoTessera(i, j);
            // A logo that is gone leaves no tile of an older one behind.
            if (t.isNull()) QFile::remove(file);
            else t.save(file, "PNG");
        }
}

// A sea of blocks on a travelling wave, in perspective, the logo riding on the front cells.
void DisegnaIntro4(ContestoRendering& c) {
    PassiInizialiFrame(c);
    const ImpostazioniProgetto& imp = c.Imp();
    const float t = c.FrameCorrente;
    if (t == 0.0f) SuddividiLogo(c, imp.Intro4LogoDaUtilizzare, ColonneLogo, RigheLogo);

    const int alfa = std::clamp(imp.Intro4Opacita * 255 / 100, 0, 255);
    const Punto3 camera{double(imp.Intro4AsseX), double(imp.Intro4AsseY), double(imp.Intro4AsseZ)};
    const double focale = imp.Intro4Focale;
    const float fase = FaseOnde(imp.Intro4Onde, t, ImpostazioniGlobali.TotaleFrame);
    const double centro = ImpostazioniGlobali.LarghezzaFrame / 2.0;

    std::array<QImage, ColonneLogo * RigheLogo> tessere;
    for (int i = 0; i < RigheLogo; ++i)
        for (int j = 0; j < ColonneLogo; ++j)
            tessere[static_cast<size_t>(i * ColonneLogo + j)] = CaricaImmagine(c, PercorsoTessera(i, j));

    // A few thousand anti-aliased faces a frame: drawn band by band on every core.
    const auto cella = [&](QPainter& g, const QRect& banda, int x, int z, const Pennelli& colori, bool destra) {
        const float h = AltezzaOnda(x, z, fase);
        const auto angoli =
            AngoliCella(XAngoliCella(x, imp.Intro4Area), z, h, imp.Intro4Posizione, imp.Intro4Dimensione, imp.Intro4Area);
        std::array<QPointF, 8> p;
        for (size_t k = 0; k < 8; ++k) {
            QPointF q;
            // A corner at or behind the eye has no place on the screen: the cell is left out.
            if (!ProiettaPunto(angoli[k], camera, focale, q)) return;
            p[k] = QPointF(static_cast<float>(centro + q.x()), static_cast<float>(q.y()));
        }
        Faccia(g, banda, p, {0, 1, 5, 4}, colori.Base);
        if (const auto tessera = TesseraCella(x, z)) {
            Tessera(g, banda, tessere[static_cast<size_t>(tessera->first * ColonneLogo + tessera->second)], p);
        } else {
            Faccia(g, banda, p, {0, 1, 2, 3}, colori.Chiaro);
        }
        if (destra) Faccia(g, banda, p, {3, 0, 4, 6}, colori.Scuro);
        else Faccia(g, banda, p, {2, 1, 5, 7}, colori.Scuro);
    };
    DisegnaABande(c.CanvasFrame, [&](QPainter& g, const QRect& banda) {
        g.setPen(Qt::NoPen);
        for (int z = 3000; z >= 0; z -= 100) {
            const Pennelli colori = ColoriRiga(imp.Intro4Colore, alfa, z);
            for (int x = 5000; x >= 0; x -= 100) cella(g, banda, x, z, colori, true);
        }
        for (int z = 3000; z >= 0; z -= 100) {
            const Pennelli colori = ColoriRiga(imp.Intro4Colore, alfa, z);
            for (int x = -5000; x <= -100; x += 100) cella(g, banda, x, z, colori, false);
        }
    });
    PassiFinaliFrame(c);
}
