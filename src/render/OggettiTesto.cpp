#include "render/OggettiTesto.h"

#include "platform/CartelleUtente.h"
#include "platform/Grafica.h"
#include "platform/Stringhe.h"
#include "project/ImpostazioniGlobali.h"
#include "project/ImpostazioniProgetto.h"
#include "render/Bande.h"
#include "render/CampoDistanza.h"
#include "render/ContestoRendering.h"
#include "render/GeometriaIntro.h"
#include "render/LimiteRighe.h"
#include "render/NomiRendering.h"

#include <QDataStream>
#include <QIODevice>
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <tuple>
#include <utility>

namespace {

constexpr int PuntiContornoMassimi = 20000;

int AlfaPercento(int percento) {
    return static_cast<int>(percento * 0.01 * 255);
}

bool RigaLogo(const QString& riga) {
    return riga.startsWith(NomiRendering::PrefissoLogo, Qt::CaseSensitive);
}

int StileLogo(const ImpostazioniProgetto& imp, int n) {
    const int stili[NumeroRigheTesto] = {imp.LogoStyle1, imp.LogoStyle2, imp.LogoStyle3, imp.LogoStyle4};
    return stili[n];
}

QFont FontTesto(const ImpostazioniProgetto& imp) {
    QString nome = imp.FontElenco.Testo();
    TogliSpaziFinali(nome);
    QFont font(nome);  // an unknown family falls back to the one Qt substitutes
    font.setPixelSize(std::max(1, imp.FontSize));
    font.setBold(imp.FontBold);
    font.setItalic(imp.FontItalic);
    font.setUnderline(imp.FontUnderline);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The text as an outline whose layout box starts at origine, one row per line break.
void AggiungiTesto(QPainterPath& percorso, const QString& testo, const QFont& font, QPointF origine) {
    const QFontMetricsF metriche(font);
    const QStringList righe = QString(testo).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(QLatin1Char('\n'));
    qreal y = origine.y() + metriche.ascent();
    for (const QString& riga : righe) {
        percorso.addText(QPointF(origine.x(), y), font, riga);
        y += metriche.lineSpacing();
    }
}

QRect LimitiInteri(const QPainterPath& percorso) {
    if (percorso.isEmpty()) return {};
    return percorso.boundingRect().toAlignedRect();
}

void RiempiAPezzi(QPainter& p, const std::vector<QPainterPath>& pezzi, const QBrush& pennello) {
    for (const QPainterPath& pezzo : pezzi) p.fillPath(pezzo, pennello);
}

void TracciaAPezzi(QPainter& p, const std::vector<QPainterPath>& pezzi) {
    for (const QPainterPath& pezzo : pezzi) p.drawPath(pezzo);
}

QPen PennaTonda(QPen penna, qreal larghezza) {
    penna.setWidthF(larghezza);
    penna.setJoinStyle(Qt::RoundJoin);
    return penna;
}

QImage NuovoLayer(const GeometriaRiga& g) {
    if (g.Larghezza <= 0 || g.Altezza <= 0) return {};
    QImage layer(g.Larghezza, g.Altezza, QImage::Format_ARGB32_Premultiplied);
    if (!layer.isNull()) layer.fill(Qt::transparent);  // a layer too large to allocate stays null
    return layer;
}

// Intro 6's outline: a white copy two pixels lower, under the grey stroke with its glint.
void ContornoBianco(QPainter& g, const std::vector<QPainterPath>& pezzi, const QPen& penna1) {
    g.save();
    g.translate(0, 2);
    QPen bianca = penna1;
    bianca.setColor(QColor(255, 255, 255, 200));
    g.setPen(bianca);
    g.setBrush(Qt::NoBrush);
    TracciaAPezzi(g, pezzi);
    g.restore();
}

// The grey of intro 6's outline with the orange glint that runs from left to right over the animation.
QLinearGradient LucidoIntro6(const QPainterPath& percorso, const ContestoRendering& c) {
    const QRect limiti = LimitiInteri(percorso).adjusted(-100, 0, 100, 0);
    QLinearGradient lucido(limiti.left(), 0, limiti.right() + 1, 0);
    const float denominatore = ImpostazioniGlobali.TotaleFrame - 50.0f;
    const float p = denominatore != 0.0f ? (c.FrameCorrente - 10.0f) / denominatore : 0.0f;
    const float lo = std::max(p - 0.3f, 0.0f);
    const float hi = p + 0.3f;
    ImpostaBlend(lucido, QColor(64, 64, 64), QColor(255, 128, 64), {0, 0, 1, 0, 0},
                 {0.0f, lo, std::min(p, 1.0f), hi, 1.0f});
    return lucido;
}

// Where the 8-pixel grey stroke covers the layer, as alpha: the glint of every frame is
// painted through it instead of stroking the outline again.
// A picture that holds the columns from x0 on is drawn in layer coordinates.
QImage MascheraMetallo(const std::vector<QPainterPath>& pezzi, QSize dimensione, int x0 = 0) {
    QImage maschera(dimensione, QImage::Format_ARGB32_Premultiplied);
    maschera.fill(Qt::transparent);
    QPainter g(&maschera);
    ImpostaModiGrafica(g);
    if (x0 != 0) g.translate(-x0, 0);
    QPen metallo(QBrush(Qt::white), 8);
    metallo.setJoinStyle(Qt::RoundJoin);
    g.setPen(metallo);
    g.setBrush(Qt::NoBrush);
    TracciaAPezzi(g, pezzi);
    return maschera;
}

// Intro 6's layer for the frame in hand from its kept parts: what lies under the grey stroke,
// the stroke in the frame's glint, and the fill over it. Every step is row by row, so the
// rows are made in parts on every core.
// Painters as plain as the one that drew the whole layer at once.
void PittoreSemplice(QPainter& g) {
    g.setRenderHint(QPainter::Antialiasing, false);
    g.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

// One row of the glint across the whole layer: it runs from left to right only, so every row
// of the layer holds the same pixels.
QImage RigaLucido(const QBrush& lucido, int larghezza) {
    QImage riga(larghezza, 1, QImage::Format_ARGB32_Premultiplied);
    if (riga.isNull()) return riga;
    DisegnaRighe(riga, 0, 1, [&](QPainter& t, const QRect&) {
        PittoreSemplice(t);
        t.setCompositionMode(QPainter::CompositionMode_Source);
        t.fillRect(riga.rect(), lucido);
    });
    return riga;
}

// The same over pictures that hold the layer's columns from x0 on, the glint taken from its
// row across the whole layer (RigaLucido) in place of the brush.
QImage ComponiLucido(const QImage& sotto, const QImage& maschera, const QImage& sopraLucido, const QBrush& lucido,
                     const QImage& rigaLucido = {}, int x0 = 0) {
    QImage layer(sotto.size(), QImage::Format_ARGB32_Premultiplied);
    QImage tinta(sotto.size(), QImage::Format_ARGB32_Premultiplied);
    if (sotto.isNull() || layer.isNull() || tinta.isNull() || sotto.format() != layer.format()) return {};
    if (!rigaLucido.isNull() && (x0 < 0 || x0 + sotto.width() > rigaLucido.width())) return {};
    const auto semplice = PittoreSemplice;
    PerOgniParte(NumeroBande, [&](int i) {
        const QRect righe = RigheBanda(layer, i);
        if (righe.isEmpty()) return;
        const int y0 = righe.top(), y1 = righe.bottom() + 1;
        for (int y = y0; y < y1; ++y)
            std::memcpy(const_cast<uchar*>(layer.constScanLine(y)), sotto.constScanLine(y), static_cast<size_t>(layer.width()) * 4);
        DisegnaRighe(tinta, y0, y1, [&](QPainter& t, const QRect&) {
            semplice(t);
            t.setCompositionMode(QPainter::CompositionMode_Source);
            if (rigaLucido.isNull()) {
                t.fillRect(tinta.rect(), lucido);
            } else {
                for (int y = y0; y < y1; ++y)
                    std::memcpy(const_cast<uchar*>(tinta.constScanLine(y)), rigaLucido.constScanLine(0) + static_cast<qsizetype>(x0) * 4,
                                static_cast<size_t>(tinta.width()) * 4);
            }
            t.setCompositionMode(QPainter::CompositionMode_DestinationIn);
            t.drawImage(0, 0, maschera);
        });
        DisegnaRighe(layer, y0, y1, [&](QPainter& g, const QRect&) {
            semplice(g);
            g.drawImage(0, 0, tinta);
            if (!sopraLucido.isNull()) g.drawImage(0, 0, sopraLucido);
        });
    });
    return layer;
}

QImage ComponiLucido(const VoceCacheTesto& voce, const ContestoRendering& c) {
    return ComponiLucido(voce.SottoLucido, voce.MascheraLucido, voce.SopraLucido, QBrush(LucidoIntro6(voce.Percorso, c)));
}

void SemiIntro6(ContestoRendering& c) {
    for (auto& colonna : c.GrigliaOccupazione) colonna.fill(0);
    // A colour is 0 premultiplied exactly where it is 0 straight: read as the layer is kept.
    // Only the layer's top-left corner that the cells cover: a very wide layer is never whole.
    const QImage layer = c.LayerOggetto[0].Parte(QRect(0, 0, ColonneGriglia * 16, RigheGriglia * 8))
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < layer.height(); ++y) {
        const auto* riga = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            if (qRed(riga[x]) + qGreen(riga[x]) + qBlue(riga[x]) == 0) continue;
            const int cx = x / 16, cy = y / 8;
            if (cx < ColonneGriglia && cy < RigheGriglia) c.GrigliaOccupazione[cx][cy] = 1;
        }
    }
    QImage debug(ColonneGriglia, RigheGriglia, QImage::Format_RGB32);
    debug.fill(Qt::white);
    for (int x = 0; x < ColonneGriglia; ++x)
        for (int y = 0; y < RigheGriglia; ++y)
            if (c.GrigliaOccupazione[x][y]) debug.setPixel(x, y, qRgb(0, 0, 0));
    debug.save(PercorsoOutput + NomiRendering::GrigliaDebug, "PNG");
}

void SemiIntro7(ContestoRendering& c, const QPainterPath& percorso) {
    const std::vector<QPointF> tutti = ContornoDenso(percorso);
    c.PuntiContorno.clear();
    for (size_t i = 0; i + 1 < tutti.size() && static_cast<int>(c.PuntiContorno.size()) < PuntiContornoMassimi; ++i) {
        if (tutti[i].x() + tutti[i].y() > 2)
            c.PuntiContorno.emplace_back(static_cast<int>(tutti[i].x()), static_cast<int>(tutti[i].y()));
    }
    c.NumeroPuntiContorno = static_cast<int>(c.PuntiContorno.size());
}

}  // namespace

std::vector<QPainterPath> PezziSeparati(const QPainterPath& percorso, qreal distacco) {
    constexpr qreal LarghezzaMinima = 400;
    // Every closed figure with its bounds, taken from left to right: a figure that starts
    // beyond the right edge of all before it (plus distacco) lies apart from all of them.
    std::vector<std::pair<QRectF, QPainterPath>> figure;
    QPainterPath figura;
    const auto chiudi = [&] {
        if (!figura.isEmpty()) figure.emplace_back(figura.boundingRect(), figura);
        figura = QPainterPath();
    };
    for (int i = 0; i < percorso.elementCount(); ++i) {
        const QPainterPath::Element e = percorso.elementAt(i);
        if (e.isMoveTo()) {
            chiudi();
            figura.moveTo(e);
        } else if (e.isLineTo()) {
            figura.lineTo(e);
        } else if (e.isCurveTo() && i + 2 < percorso.elementCount()) {
            figura.cubicTo(e, percorso.elementAt(i + 1), percorso.elementAt(i + 2));
            i += 2;
        }
    }
    chiudi();
    std::stable_sort(figure.begin(), figure.end(), [](const auto& a, const auto& b) { return a.first.left() < b.first.left(); });

    std::vector<QPainterPath> pezzi;
    QPainterPath pezzo;
    qreal sinistra = 0, destra = 0;
    for (const auto& [limiti, f] : figure) {
        if (!pezzo.isEmpty() && destra - sinistra >= LarghezzaMinima && limiti.left() > destra + distacco) {
            pezzi.push_back(pezzo);
            pezzo = QPainterPath();
        }
        if (pezzo.isEmpty()) {
            sinistra = limiti.left();
            destra = limiti.right();
        }
        pezzo.addPath(f);
        destra = std::max(destra, limiti.right());
    }
    if (!pezzo.isEmpty()) pezzi.push_back(pezzo);
    for (QPainterPath& p : pezzi) p.setFillRule(percorso.fillRule());
    return pezzi;
}

void ImpostaPenne(ContestoRendering& c) {
    const ImpostazioniProgetto& imp = c.Imp();
    c.PennaOutline1.setColor(ColoreDaControllo(imp.FontOutline1Colore, AlfaPercento(imp.FontOutline1Opacita)));
    c.PennaOutline1.setWidthF(imp.FontOutline1Size);
    c.PennaOutline2.setColor(ColoreDaControllo(imp.FontOutline2Colore, AlfaPercento(imp.FontOutline2Opacita)));
    // Drawn under outline 1, so it shows as an outer ring.
    c.PennaOutline2.setWidthF(imp.FontOutline1Size + imp.FontOutline2Size);
    c.PennaOmbra.setColor(ColoreDaControllo(imp.FontShadowColore, static_cast<int>(imp.FontShadowOpacita * 255.0 / 150.0)));
    c.PennelloGlowInterno = QBrush(ColoreDaControllo(imp.FontGlowColoreInterno, 255));
    c.PennaGlow.setColor(ColoreDaControllo(imp.FontGlowColore, 32));
}

QSize MarginiLayer(const ImpostazioniProgetto& imp) {
    const int spessori = imp.FontOutline1Size + imp.FontOutline2Size + imp.FontShadowSize;
    return {std::abs(imp.FontShadowOffsetX) + spessori, std::abs(imp.FontShadowOffsetY) + spessori};
}

namespace {

// The inputs of a picture, one after the other, as bytes that compare exactly.
class Chiave {
public:
    Chiave() : flusso_(&dati_, QIODevice::WriteOnly) {}
    template <class T>
    Chiave& operator<<(const T& valore) {
        flusso_ << valore;
        return *this;
    }
    const QByteArray& Dati() const { return dati_; }

private:
    QByteArray dati_;
    QDataStream flusso_;
};

// Writes a layer file unless this very picture is already there.
void AggiornaFile(ContestoRendering& c, const LayerTesto& nuovo, const LayerTesto& vecchio, QString& scritto,
                  const QString& modello, int riga) {
    if (nuovo.Nullo()) return;
    const QString file = PercorsoOutput + modello.arg(riga);
    if (scritto == file && nuovo == vecchio) return;
    c.ScritturaFile.Accoda(file, nuovo, 80);
    scritto = file;
}

// The distance field of a line's outline, made at most once and shared by the glow and the
// shadow (the shadow's outline is the same one moved by whole pixels). A partial layer's
// blocks, drawn later and on any thread, share it too.
class CampoRiga {
public:
    CampoRiga(const QPainterPath& percorso, QSize dimensione, float limite)
        : percorso_(percorso), dimensione_(dimensione), limite_(limite) {}
    const CampoDistanza& operator()() const {
        std::call_once(fatto_, [this] { campo_.emplace(percorso_, dimensione_, limite_); });
        return *campo_;
    }

private:
    QPainterPath percorso_;
    QSize dimensione_;
    float limite_;
    mutable std::once_flag fatto_;
    mutable std::optional<CampoDistanza> campo_;
};

struct Ingressi {
    const ImpostazioniProgetto& imp;
    ContestoRendering& c;
    QFont font;
    QString descrizioneFont;
    int intro;
    QImage logo;
    int lw, lh, mx, my;
};

// Everything a line's layers are drawn from, taken by value when they are made: a partial
// layer, drawn a block at a time over the next frames, is the picture it would have been
// drawn whole then.
struct StileRiga {
    QPainterPath percorso;  // the styled layer's outline, in layer coordinates
    QSize dimensione;       // of the layer
    bool logoRiga = false;
    QImage logo;
    QRectF postoLogo;
    bool intro6 = false;
    bool ombra = false;
    QPoint spostamentoOmbra;
    int pilaOmbra = 0;  // the shadow's strokes are 1 .. pilaOmbra - 1 pixels wide
    QColor coloreOmbra;
    bool glow = false;
    int glowSize = 0;
    QColor coloreGlow;
    QBrush internoGlow;
    QBrush riempimento;
    bool riempi = false;
    bool outline2 = false, outline1 = false;
    QPen penna2, penna1;
};

StileRiga StileDellaRiga(const Ingressi& in, const VoceCacheTesto& voce, int n) {
    const ImpostazioniProgetto& imp = in.imp;
    const ContestoRendering& c = in.c;
    StileRiga s;
    s.percorso = voce.Percorso;
    s.dimensione = voce.Geometria.size();
    s.logoRiga = RigaLogo(c.RigheTesto[n]);
    if (s.logoRiga) s.logo = in.logo;
    s.postoLogo = QRectF(QPointF(in.mx - voce.Geometria.x(), in.my - voce.Geometria.y()), QSizeF(in.lw, in.lh));
    s.intro6 = in.intro == 6;
    s.ombra = imp.FontShadowCheck;
    s.spostamentoOmbra = QPoint(imp.FontShadowOffsetX, imp.FontShadowOffsetY);
    s.pilaOmbra = (3 * imp.FontShadowSize) / 2;
    s.coloreOmbra = c.PennaOmbra.color();
    s.glow = imp.FontGlowCheck;
    s.glowSize = imp.FontGlowSize;
    s.coloreGlow = c.PennaGlow.color();
    s.internoGlow = c.PennelloGlowInterno;
    const int a = AlfaPercento(imp.FontOpacita);
    const QRect limiti = LimitiInteri(s.percorso);
    QLinearGradient riempimento(0, limiti.top(), 0, limiti.bottom() + 1);
    riempimento.setColorAt(0.0, ColoreDaControllo(imp.FontColore.Colore1, a));
    riempimento.setColorAt(1.0, ColoreDaControllo(imp.FontColore.Colore2, a));
    s.riempimento = QBrush(riempimento);
    s.riempi = !s.logoRiga && !imp.FontTrasparente;
    s.outline2 = imp.FontOutline2Check;
    s.outline1 = imp.FontOutline1Check;
    s.penna2 = PennaTonda(c.PennaOutline2, c.PennaOutline2.widthF());
    s.penna1 = PennaTonda(c.PennaOutline1, c.PennaOutline1.widthF());
    return s;
}

// The pieces of an outline with their bounds, for taking those a block of columns touches.
class PezziRiga {
public:
    PezziRiga(const QPainterPath& percorso, qreal distacco) {
        for (QPainterPath& p : PezziSeparati(percorso, distacco)) pezzi_.emplace_back(p.boundingRect(), std::move(p));
    }
    // Those within portata of columns [x0, x1).
    std::vector<QPainterPath> Tra(int x0, int x1, qreal portata) const {
        std::vector<QPainterPath> scelti;
        for (const auto& [limiti, p] : pezzi_)
            if (limiti.right() + portata >= x0 && limiti.left() - portata <= x1) scelti.push_back(p);
        return scelti;
    }

private:
    std::vector<std::pair<QRectF, QPainterPath>> pezzi_;
};

// How far from the outline the widest pen reaches: the styled layer's pieces lie apart by
// more, and a piece farther from a block leaves it clear.
qreal PortataPenne(const StileRiga& s) {
    return std::max({s.penna1.widthF(), s.penna2.widthF(), 8.0}) / 2 + 2;
}

// A painter over a block that holds columns [x0, ...) of the layer, in layer coordinates.
void ApriSuColonne(QPainter& p, QImage& blocco, int x0) {
    p.begin(&blocco);
    ImpostaModiGrafica(p);
    if (x0 != 0) p.translate(-x0, 0);
}

// Columns colonne of the shadow layer (all of them for a whole layer).
QImage DisegnaOmbra(const StileRiga& s, const CampoRiga& campo, const std::vector<QPainterPath>& pezzi,
                    const QRect& colonne) {
    QImage layer = NuovoLayer({0, 0, colonne.width(), colonne.height()});
    if (layer.isNull() || !s.ombra) return layer;
    if (s.pilaOmbra > 1) campo().ScriviPilaTratti(layer, colonne.x(), s.coloreOmbra, s.pilaOmbra, s.spostamentoOmbra);
    QPainter p;
    ApriSuColonne(p, layer, colonne.x());
    RiempiAPezzi(p, pezzi, QBrush(Qt::black));
    return layer;
}

// The logo, the glow or the outer outline of columns [x0, x1): all of the glow's layer, true,
// or what lies under outline 1 and the fill.
bool DisegnaSotto(QPainter& p, const StileRiga& s, const CampoRiga& campo, const std::vector<QPainterPath>& pezzi,
                  int x0, int x1) {
    if (s.logoRiga && !s.logo.isNull()) {
        if (s.intro6) {
            DisegnaConMatrice(p, s.postoLogo.translated(0, 2), s.logo, s.logo.rect(), MatriceColore::Colori(1.0f, 1.0f, 0.6f));
            DisegnaConMatrice(p, s.postoLogo, s.logo, s.logo.rect(), MatriceColore::Colori(0.05f, 0.0f, 0.6f));
        } else {
            p.drawImage(s.postoLogo, s.logo);
        }
    }
    p.setBrush(Qt::NoBrush);
    if (s.glow) {
        if (s.glowSize > 1) campo().DisegnaPilaTratti(p, s.coloreGlow, s.glowSize, x0, x1);
        if (!s.logoRiga) RiempiAPezzi(p, pezzi, s.internoGlow);
        return true;
    }
    if (s.outline2) {
        p.setPen(s.penna2);
        TracciaAPezzi(p, pezzi);
    }
    return false;
}

void DisegnaSopra(QPainter& p, const StileRiga& s, const std::vector<QPainterPath>& pezzi) {
    if (s.outline1) {
        p.setPen(s.penna1);
        TracciaAPezzi(p, pezzi);
    }
    if (s.riempi) RiempiAPezzi(p, pezzi, s.riempimento);
}

// Columns colonne of the styled layer of a partial line; in intro 6 with its outline, the
// glint of the frame (its row across the layer) composed as the whole layer's is.
QImage DisegnaOggetto(const StileRiga& s, const CampoRiga& campo, const std::vector<QPainterPath>& pezzi,
                      const QRect& colonne, const QImage& rigaLucido) {
    QImage layer = NuovoLayer({0, 0, colonne.width(), colonne.height()});
    if (layer.isNull()) return layer;
    QPainter p;
    ApriSuColonne(p, layer, colonne.x());
    if (DisegnaSotto(p, s, campo, pezzi, colonne.left(), colonne.right() + 1)) return layer;
    if (!(s.outline1 && s.intro6)) {
        DisegnaSopra(p, s, pezzi);
        return layer;
    }
    ContornoBianco(p, pezzi, s.penna1);
    p.end();
    QImage sopra;
    if (s.riempi) {
        sopra = NuovoLayer({0, 0, layer.width(), layer.height()});
        QPainter g;
        ApriSuColonne(g, sopra, colonne.x());
        RiempiAPezzi(g, pezzi, s.riempimento);
    }
    return ComponiLucido(layer, MascheraMetallo(pezzi, layer.size(), colonne.x()), sopra, QBrush(), rigaLucido, colonne.x());
}

void CreaOmbra(const StileRiga& s, const CampoRiga& campo, QImage& layer) {
    const std::vector<QPainterPath> pezzi =
        s.ombra ? PezziSeparati(s.percorso.translated(s.spostamentoOmbra), 2) : std::vector<QPainterPath>();
    layer = DisegnaOmbra(s, campo, pezzi, QRect(QPoint(0, 0), s.dimensione));
}

void CreaOggetto(const StileRiga& s, ContestoRendering& c, VoceCacheTesto& voce, const CampoRiga& campo, QImage& layer) {
    voce.SottoLucido = voce.MascheraLucido = voce.SopraLucido = QImage();
    layer = NuovoLayer({0, 0, s.dimensione.width(), s.dimensione.height()});
    if (layer.isNull()) return;
    QPainter p(&layer);
    ImpostaModiGrafica(p);
    const std::vector<QPainterPath> pezzi = PezziSeparati(s.percorso, PortataPenne(s));
    if (DisegnaSotto(p, s, campo, pezzi, 0, layer.width())) return;
    if (s.outline1 && s.intro6) {
        // Only the glint changes from frame to frame: the parts around it are kept.
        ContornoBianco(p, pezzi, s.penna1);
        p.end();
        voce.SottoLucido = layer;
        voce.MascheraLucido = MascheraMetallo(pezzi, layer.size());
        if (s.riempi) {
            voce.SopraLucido = NuovoLayer({0, 0, layer.width(), layer.height()});
            QPainter sopra(&voce.SopraLucido);
            ImpostaModiGrafica(sopra);
            RiempiAPezzi(sopra, pezzi, s.riempimento);
        }
        layer = ComponiLucido(voce, c);
        return;
    }
    DisegnaSopra(p, s, pezzi);
}

}  // namespace

// A partial line's two layers, each drawn a block at a time where a frame shows it. The
// field and the pieces of the outline are made at the first block either layer draws, and
// kept while only intro 6's glint changes.
struct RigaParziale {
    StileRiga stile;
    CampoRiga campo;
    std::once_flag fatti;
    std::optional<PezziRiga> pezziOmbra, pezziOggetto;

    RigaParziale(StileRiga s, float limite) : stile(std::move(s)), campo(stile.percorso, stile.dimensione, limite) {}
    void Prepara() {
        std::call_once(fatti, [this] {
            if (stile.ombra) pezziOmbra.emplace(stile.percorso.translated(stile.spostamentoOmbra), 2);
            pezziOggetto.emplace(stile.percorso, PortataPenne(stile));
        });
    }
};

namespace {

// The rasterizer's coverage at a picture's edge is not quite what it is inside: a block is
// drawn with a margin of columns on each side, cut off after, so each column it keeps is drawn
// as the whole picture draws it.
constexpr int MargineBlocco = 16;

template <class Disegna>
LayerTesto LayerParziale(const std::shared_ptr<RigaParziale>& riga, Disegna disegna) {
    return LayerTesto::SuRichiesta(riga->stile.dimensione, [riga, disegna](const QRect& colonne) {
        riga->Prepara();
        const QRect largo =
            colonne.adjusted(-MargineBlocco, 0, MargineBlocco, 0).intersected(QRect(QPoint(0, 0), riga->stile.dimensione));
        return disegna(*riga, largo).copy(colonne.translated(-largo.x(), 0));
    });
}

LayerTesto OmbraParziale(const std::shared_ptr<RigaParziale>& riga) {
    return LayerParziale(riga, [](const RigaParziale& r, const QRect& colonne) {
        const std::vector<QPainterPath> pezzi =
            r.pezziOmbra ? r.pezziOmbra->Tra(colonne.left(), colonne.right() + 1, 2) : std::vector<QPainterPath>();
        return DisegnaOmbra(r.stile, r.campo, pezzi, colonne);
    });
}

LayerTesto OggettoParziale(const std::shared_ptr<RigaParziale>& riga, const QImage& rigaLucido) {
    return LayerParziale(riga, [rigaLucido](const RigaParziale& r, const QRect& colonne) {
        const std::vector<QPainterPath> pezzi = r.pezziOggetto->Tra(colonne.left(), colonne.right() + 1, PortataPenne(r.stile));
        return DisegnaOggetto(r.stile, r.campo, pezzi, colonne, rigaLucido);
    });
}

// Geometry and outline of a line, kept while its text, font, margins and logo stay.
void AggiornaForma(const Ingressi& in, VoceCacheTesto& voce, int n) {
    const QString& riga = in.c.RigheTesto[n];
    const bool logoRiga = RigaLogo(riga);
    Chiave forma;
    forma << riga << in.descrizioneFont << in.mx << in.my;
    if (logoRiga) forma << in.lw << in.lh << StileLogo(in.imp, n);
    if (forma.Dati() == voce.ChiaveForma) return;
    QPainterPath origine;
    if (logoRiga) origine.addRect(0, 0, in.lw, in.lh);
    else AggiungiTesto(origine, riga, in.font, QPointF(0, 0));
    const QRect limiti = LimitiInteri(origine);
    voce = {};
    voce.ChiaveForma = forma.Dati();
    voce.Geometria = QRect(limiti.x(), limiti.y(), 2 * in.mx + limiti.width(), 2 * in.my + limiti.height());
    const QPointF posto(in.mx - limiti.x(), in.my - limiti.y());
    // A logo line has an outline only when its style button is selected.
    if (!logoRiga) voce.Percorso = origine.translated(posto);
    else if (StileLogo(in.imp, n) == 1) voce.Percorso.addRect(QRectF(posto, QSizeF(in.lw, in.lh)));
}

// Whether a line's layers are partial: when very wide.
bool Parziale(const Ingressi&, const VoceCacheTesto& voce) {
    return voce.Geometria.width() > LayerTesto::LarghezzaIntera;
}

QByteArray ChiaveOmbra(const Ingressi& in, const VoceCacheTesto& voce) {
    const ImpostazioniProgetto& imp = in.imp;
    Chiave k;
    k << voce.ChiaveForma << Parziale(in, voce) << imp.FontShadowCheck;
    if (imp.FontShadowCheck)
        k << imp.FontShadowOffsetX << imp.FontShadowOffsetY << imp.FontShadowSize << in.c.PennaOmbra.color();
    return k.Dati();
}

// With perFrame false, the key of everything but intro 6's glint.
QByteArray ChiaveOggetto(const Ingressi& in, const VoceCacheTesto& voce, int n, bool perFrame = true) {
    const ImpostazioniProgetto& imp = in.imp;
    const ContestoRendering& c = in.c;
    Chiave k;
    k << voce.ChiaveForma << Parziale(in, voce) << (in.intro == 6) << imp.FontGlowCheck;
    if (RigaLogo(c.RigheTesto[n])) k << in.logo.cacheKey();
    if (imp.FontGlowCheck) {
        k << imp.FontGlowSize << c.PennaGlow.color() << c.PennelloGlowInterno.color();
        return k.Dati();
    }
    k << imp.FontOpacita << imp.FontColore.Colore1 << imp.FontColore.Colore2 << imp.FontTrasparente;
    k << imp.FontOutline2Check << c.PennaOutline2.color() << c.PennaOutline2.widthF();
    k << imp.FontOutline1Check << c.PennaOutline1.color() << c.PennaOutline1.widthF();
    // Intro 6's glint moves with the frame.
    if (in.intro == 6 && imp.FontOutline1Check && perFrame) k << c.FrameCorrente << ImpostazioniGlobali.TotaleFrame;
    return k.Dati();
}

}  // namespace

void CreaOggettiTesto(ContestoRendering& c) {
    ImpostaPenne(c);
    const ImpostazioniProgetto& imp = c.Imp();
    c.RigheTesto = {imp.Testo1, imp.Testo2, imp.Testo3, imp.Testo.join(QStringLiteral("\r\n"))};
    for (const QString& nota : TagliaRigheLunghe(c.RigheTesto, c.RigheTagliateSegnalate)) c.Host.SegnalaAvviso(nota);

    Ingressi in{imp, c, FontTesto(imp), {}, imp.IntroLista.Voce(), {}, 0, 0, 0, 0};
    in.descrizioneFont = in.font.toString();
    // A logo that is gone is told only when a line stands for it.
    const bool usato = std::any_of(c.RigheTesto.begin(), c.RigheTesto.end(), RigaLogo);
    in.logo = imp.Logo.isEmpty() ? QImage() : c.Immagini.Carica(imp.Logo, usato ? Assenza::Segnalata : Assenza::Taciuta);
    in.lw = DimensionePropria(in.logo).width();
    in.lh = DimensionePropria(in.logo).height();
    if (in.intro == 6) {
        in.lw = in.lw * imp.Intro6LogoScala / 100;
        in.lh = in.lh * imp.Intro6LogoScala / 100;
    }
    const QSize margini = MarginiLayer(imp);
    in.mx = margini.width();
    in.my = margini.height();

    static_assert(std::tuple_size_v<decltype(c.CacheLayer.Righe)> == NumeroRigheTesto);
    for (int n = 0; n < NumeroRigheTesto; ++n) {
        VoceCacheTesto& voce = c.CacheLayer.Righe[n];
        if (c.RigheTesto[n].isEmpty()) {
            // No layers and no new files; the older files of that number stay.
            if (!c.LayerOggetto[n].Nullo()) ++c.CacheLayer.Generazione;
            voce = {};
            c.GeometriaOggetti[n] = {};
            c.LayerOggetto[n] = {};
            c.LayerOmbra[n] = {};
            continue;
        }
        AggiornaForma(in, voce, n);
        const QRect& g = voce.Geometria;
        c.GeometriaOggetti[n] = {g.x(), g.y(), g.width(), g.height()};

        // Far enough for the wider of the two stacks that may be drawn.
        const float limite = std::max(imp.FontGlowCheck ? imp.FontGlowSize : 0, imp.FontShadowCheck ? (3 * imp.FontShadowSize) / 2 : 0) * 0.5f + 1.0f;
        const QByteArray ombra = ChiaveOmbra(in, voce);
        const QByteArray oggetto = ChiaveOggetto(in, voce, n);
        if (Parziale(in, voce)) {
            // Nothing is drawn here: each frame draws what it shows. Too wide to write whole,
            // its files go: an older one would show another text.
            if (ombra == voce.ChiaveOmbra && oggetto == voce.ChiaveOggetto) continue;
            // Intro 6's glint alone changed: the same line with the glint of this frame.
            const QByteArray parti = ChiaveOggetto(in, voce, n, false);
            if (!voce.Parziale || ombra != voce.ChiaveOmbra || parti != voce.ChiaveLucido) {
                voce.Parziale = std::make_shared<RigaParziale>(StileDellaRiga(in, voce, n), limite);
                c.LayerOmbra[n] = OmbraParziale(voce.Parziale);
                for (QString* file : {&voce.FileOmbra, &voce.FileOggetto}) file->clear();
                c.ScritturaFile.Rimuovi(PercorsoOutput + NomiRendering::LayerOmbra.arg(n + 1));
                c.ScritturaFile.Rimuovi(PercorsoOutput + NomiRendering::LayerOggetto.arg(n + 1));
            }
            const bool lucido = in.intro == 6 && imp.FontOutline1Check;
            c.LayerOggetto[n] = OggettoParziale(voce.Parziale, lucido ? RigaLucido(QBrush(LucidoIntro6(voce.Percorso, c)), g.width()) : QImage());
            ++c.CacheLayer.Generazione;
            voce.ChiaveOmbra = ombra;
            voce.ChiaveOggetto = oggetto;
            voce.ChiaveLucido = parti;
            voce.SottoLucido = voce.MascheraLucido = voce.SopraLucido = QImage();
            continue;
        }
        voce.Parziale.reset();
        const StileRiga stile = StileDellaRiga(in, voce, n);
        const CampoRiga campo(voce.Percorso, g.size(), limite);
        if (ombra != voce.ChiaveOmbra) {
            QImage disegno;
            CreaOmbra(stile, campo, disegno);
            const LayerTesto layer(disegno);
            AggiornaFile(c, layer, c.LayerOmbra[n], voce.FileOmbra, NomiRendering::LayerOmbra, n + 1);
            c.LayerOmbra[n] = layer;
            voce.ChiaveOmbra = ombra;
        }
        if (oggetto != voce.ChiaveOggetto) {
            QImage disegno;
            const QByteArray parti = ChiaveOggetto(in, voce, n, false);
            if (!voce.SottoLucido.isNull() && parti == voce.ChiaveLucido) {
                disegno = ComponiLucido(voce, c);
            } else {
                CreaOggetto(stile, c, voce, campo, disegno);
                voce.ChiaveLucido = parti;
            }
            const LayerTesto layer(disegno);
            AggiornaFile(c, layer, c.LayerOggetto[n], voce.FileOggetto, NomiRendering::LayerOggetto, n + 1);
            if (!(layer == c.LayerOggetto[n])) ++c.CacheLayer.Generazione;
            c.LayerOggetto[n] = layer;
            voce.ChiaveOggetto = oggetto;
        }
    }

    if (c.FrameCorrente == 0.0f && !c.LayerOggetto[0].Nullo()) {
        if (in.intro == 6) SemiIntro6(c);
        if (in.intro == 7) SemiIntro7(c, c.CacheLayer.Righe[0].Percorso);
    }
}
