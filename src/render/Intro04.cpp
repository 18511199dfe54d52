#include "platform/CartelleUtente.h"
#include "platform/Grafica.h"
#include "project/ImpostazioniGlobali.h"
#include "project/ImpostazioniProgetto.h"
#include "render/Bande.h"
#include "render/ContestoRendering.h"
#include "render/DisegnoIntro.h"
#include "render/Intro.h"
#include "render/Intro04.h"
#include "render/Poligoni.h"

#include <QFile>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

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

// One face of the sea on the canvas, in the order the faces are drawn.
struct Faccia {
    std::array<QPointF, 4> Angoli;
    QRgb Colore = 0;  // premultiplied
    int Tessera = -1;  // the logo tile laid on it instead of a colour
    QTransform Posa;   // the tile's place
    int Alto = 0, Basso = 0;  // the rows it reaches, Basso excluded
    QRect Riquadro;           // the pixels it may touch
};

// Adds the face unless it has nothing to show on the canvas.
template <class Punti>
void Aggiungi(std::vector<Faccia>& facce, Faccia f, const Punti& punti) {
    const auto [x0, x1, y0, y1] = EstremiDi(punti);
    // A pixel of margin for the smoothed edges of the tiles.
    if (x1 < -1 || x0 > ImpostazioniGlobali.LarghezzaFrame + 1 || y1 < -1 || y0 > ImpostazioniGlobali.AltezzaFrame + 1)
        return;
    f.Alto = static_cast<int>(std::floor(y0)) - 1;
    f.Basso = static_cast<int>(std::ceil(y1)) + 2;
    const int sinistra = static_cast<int>(std::floor(x0)) - 1;
    f.Riquadro = QRect(sinistra, f.Alto, static_cast<int>(std::ceil(x1)) + 2 - sinistra, f.Basso - f.Alto);
    facce.push_back(f);
}

void Colorata(std::vector<Faccia>& facce, const std::array<QPointF, 8>& p, std::initializer_list<int> indici,
              const QColor& colore) {
    if (colore.alpha() == 0) return;
    Faccia f;
    size_t n = 0;
    for (int i : indici) f.Angoli[n++] = p[static_cast<size_t>(i)];
    f.Colore = qPremultiply(colore.rgba());
    Aggiungi(facce, f, f.Angoli);
}

// The tile on a top face: its top edge on the far edge (C3 to C2), its left edge down to C0.
void Tessera(std::vector<Faccia>& facce, int indice, const QImage& tessera, const std::array<QPointF, 8>& p) {
    if (tessera.isNull()) return;
    const QPointF sup(static_cast<int>(p[3].x()), static_cast<int>(p[3].y()));
    const QPointF des(static_cast<int>(p[2].x()), static_cast<int>(p[2].y()));
    const QPointF inf(static_cast<int>(p[0].x()), static_cast<int>(p[0].y()));
    const double tw = tessera.width(), th = tessera.height();
    Faccia f;
    f.Tessera = indice;
    f.Posa = QTransform((des.x() - sup.x()) / tw, (des.y() - sup.y()) / tw, (inf.x() - sup.x()) / th,
                        (inf.y() - sup.y()) / th, sup.x(), sup.y());
    const std::array<QPointF, 4> angoli = {f.Posa.map(QPointF(0, 0)), f.Posa.map(QPointF(tw, 0)),
                                           f.Posa.map(QPointF(0, th)), f.Posa.map(QPointF(tw, th))};
    Aggiungi(facce, f, angoli);
}

// Tiles kept as the drawing reads them from file.
QImage ComeDaFile(const QImage& tessera) {
    if (tessera.isNull()) return {};
    return tessera.hasAlphaChannel() ? tessera.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                     : tessera.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

void SuddividiLogo(ContestoRendering& c, const QString& percorso, int colonne, int righe) {
    const QImage logo = CaricaImmagine(c, percorso, Assenza::Segnalata);
    const std::vector<QImage> tessere = TagliaTessere(logo, colonne, righe);
    c.TessereLogo.assign(tessere.size(), QImage());
    // Two hundred small files: written on every core.
    PerOgniParte(static_cast<int>(tessere.size()), [&](int k) {
        const QImage& t = tessere[static_cast<size_t>(k)];
        const QString file = PercorsoTessera(k / colonne, k % colonne);
        // A logo that is gone leaves no tile of an older one behind.
        if (t.isNull()) QFile::remove(file);
        else t.save(file, "PNG");
        c.TessereLogo[static_cast<size_t>(k)] = ComeDaFile(t);
    });
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

    // The tiles of the cut made at frame 0 of the run (and at every preview).
    std::vector<QImage>& tessere = c.TessereLogo;
    if (tessere.size() != static_cast<size_t>(ColonneLogo * RigheLogo)) {
        tessere.resize(static_cast<size_t>(ColonneLogo * RigheLogo));
        for (int i = 0; i < RigheLogo; ++i)
            for (int j = 0; j < ColonneLogo; ++j)
                tessere[static_cast<size_t>(i * ColonneLogo + j)] = CaricaImmagine(c, PercorsoTessera(i, j));
    }

    // The faces of each row of cells, right half then left half, far to near: projected on
    // every core, each row into its own list, drawn in that order.
    constexpr int Righe = 31;
    std::array<std::vector<Faccia>, 2 * Righe> file;
    PerOgniParte(2 * Righe, [&](int k) {
        const bool destra = k < Righe;
        const int z = 3000 - (k % Righe) * 100;
        const Pennelli colori = ColoriRiga(imp.Intro4Colore, alfa, z);
        std::vector<Faccia>& facce = file[static_cast<size_t>(k)];
        facce.reserve(4 * 51);
        for (int n = 0; n <= (destra ? 50 : 49); ++n) {
            const int x = destra ? 5000 - 100 * n : -5000 + 100 * n;
            const float h = AltezzaOnda(x, z, fase);
            const auto angoli = AngoliCella(XAngoliCella(x, imp.Intro4Area), z, h, imp.Intro4Posizione,
                                            imp.Intro4Dimensione, imp.Intro4Area);
            std::array<QPointF, 8> p;
            bool visibile = true;
            for (size_t a = 0; a < 8 && visibile; ++a) {
                QPointF q;
                // A corner at or behind the eye has no place on the screen: the cell is left out.
                visibile = ProiettaPunto(angoli[a], camera, focale, q);
                p[a] = QPointF(static_cast<float>(centro + q.x()), static_cast<float>(q.y()));
            }
            if (!visibile) continue;
            Colorata(facce, p, {0, 1, 5, 4}, colori.Base);
            if (const auto t = TesseraCella(x, z)) {
                const int indice = t->first * ColonneLogo + t->second;
                Tessera(facce, indice, tessere[static_cast<size_t>(indice)], p);
            } else {
                Colorata(facce, p, {0, 1, 2, 3}, colori.Chiaro);
            }
            if (destra) Colorata(facce, p, {3, 0, 4, 6}, colori.Scuro);
            else Colorata(facce, p, {2, 1, 5, 7}, colori.Scuro);
        }
    });

    // Thousands of smoothed faces a frame, most of them hidden by nearer ones: laid band by
    // band on every core from the nearest to the farthest, so rows already covered are skipped.
    // The sky above the sea costs nothing and the near rows most: thin bands keep every core
    // busy to the end. The bands are fixed, so the pixels never depend on the machine.
    constexpr int Bande = 48;
    const int altezza = c.CanvasFrame.height();
    PerOgniParte(Bande, [&](int i) {
        const int y0 = altezza * i / Bande, y1 = altezza * (i + 1) / Bande;
        const QRect banda(0, y0, c.CanvasFrame.width(), y1 - y0);
        if (banda.isEmpty()) return;
        StratoFacce strato(banda, c.CanvasFrame.width());
        const int alto = banda.top(), basso = banda.bottom() + 1;
        for (auto riga = file.rbegin(); riga != file.rend(); ++riga)
            for (auto f = riga->rbegin(); f != riga->rend(); ++f) {
                if (f->Basso <= alto || f->Alto >= basso) continue;
                if (f->Tessera < 0) {
                    strato.Sotto(f->Angoli.data(), 4, f->Colore);
                    continue;
                }
                const QRect zona = f->Riquadro.intersected(banda);
                if (zona.isEmpty() || strato.Coperto(zona)) continue;
                QImage foglio(zona.size(), QImage::Format_ARGB32_Premultiplied);
                foglio.fill(Qt::transparent);
                {
                    QPainter g(&foglio);
                    ImpostaModiGrafica(g);
                    g.setTransform(f->Posa * QTransform::fromTranslate(-zona.x(), -zona.y()));
                    g.drawImage(QPointF(0, 0), tessere[static_cast<size_t>(f->Tessera)]);
                }
                strato.SottoImmagine(foglio, zona.topLeft());
            }
        strato.Posa(c.CanvasFrame);
    });
    PassiFinaliFrame(c);
}
