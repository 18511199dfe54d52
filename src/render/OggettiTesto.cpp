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
void ContornoBianco(QPainter& g, const std::vector<QPainterPath>& pezzi, ContestoRendering& c) {
    g.save();
    g.translate(0, 2);
    QPen bianca = PennaTonda(c.PennaOutline1, c.PennaOutline1.widthF());
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
QImage MascheraMetallo(const std::vector<QPainterPath>& pezzi, QSize dimensione) {
    QImage maschera(dimensione, QImage::Format_ARGB32_Premultiplied);
    maschera.fill(Qt::transparent);
    QPainter g(&maschera);
    ImpostaModiGrafica(g);
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
QImage ComponiLucido(const VoceCacheTesto& voce, const ContestoRendering& c) {
    const QImage& sotto = voce.SottoLucido;
    QImage layer(sotto.size(), QImage::Format_ARGB32_Premultiplied);
    QImage tinta(sotto.size(), QImage::Format_ARGB32_Premultiplied);
    if (sotto.isNull() || layer.isNull() || tinta.isNull() || sotto.format() != layer.format()) return {};
    const QBrush lucido(LucidoIntro6(voce.Percorso, c));
    // Painters as plain as the one that drew the whole layer at once.
    const auto semplice = [](QPainter& g) {
        g.setRenderHint(QPainter::Antialiasing, false);
        g.setRenderHint(QPainter::SmoothPixmapTransform, false);
    };
    PerOgniParte(NumeroBande, [&](int i) {
        const QRect righe = RigheBanda(layer, i);
        if (righe.isEmpty()) return;
        const int y0 = righe.top(), y1 = righe.bottom() + 1;
        for (int y = y0; y < y1; ++y)
            std::memcpy(const_cast<uchar*>(layer.constScanLine(y)), sotto.constScanLine(y), static_cast<size_t>(layer.width()) * 4);
        DisegnaRighe(tinta, y0, y1, [&](QPainter& t, const QRect&) {
            semplice(t);
            t.setCompositionMode(QPainter::CompositionMode_Source);
            t.fillRect(tinta.rect(), lucido);
            t.setCompositionMode(QPainter::CompositionMode_DestinationIn);
            t.drawImage(0, 0, voce.MascheraLucido);
        });
        DisegnaRighe(layer, y0, y1, [&](QPainter& g, const QRect&) {
            semplice(g);
            g.drawImage(0, 0, tinta);
            if (!voce.SopraLucido.isNull()) g.drawImage(0, 0, voce.SopraLucido);
        });
    });
    return layer;
}

void SemiIntro6(ContestoRendering& c) {
    for (auto& colonna : c.GrigliaOccupazione) colonna.fill(0);
    // A colour is 0 premultiplied exactly where it is 0 straight: read as the layer is kept.
    const QImage layer = c.LayerOggetto[0].Immagine().convertToFormat(QImage::Format_ARGB32_Premultiplied);
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

// The distance field of a line's outline, made at most once per render and shared by the
// glow and the shadow (the shadow's outline is the same one moved by whole pixels).
class CampoRiga {
public:
    CampoRiga(const QPainterPath& percorso, QSize dimensione, float limite)
        : percorso_(percorso), dimensione_(dimensione), limite_(limite) {}
    const CampoDistanza& operator()() {
        if (!campo_) campo_.emplace(percorso_, dimensione_, limite_);
        return *campo_;
    }

private:
    const QPainterPath& percorso_;
    QSize dimensione_;
    float limite_;
    std::optional<CampoDistanza> campo_;
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

void CreaOmbra(const Ingressi& in, const VoceCacheTesto& voce, CampoRiga& campo, QImage& layer) {
    const ImpostazioniProgetto& imp = in.imp;
    layer = NuovoLayer({0, 0, voce.Geometria.width(), voce.Geometria.height()});
    if (layer.isNull() || !imp.FontShadowCheck) return;
    const QPainterPath percorso = voce.Percorso.translated(imp.FontShadowOffsetX, imp.FontShadowOffsetY);
    const int k = (3 * imp.FontShadowSize) / 2;
    if (k > 1) campo().ScriviPilaTratti(layer, in.c.PennaOmbra.color(), k, QPoint(imp.FontShadowOffsetX, imp.FontShadowOffsetY));
    QPainter p(&layer);
    ImpostaModiGrafica(p);
    RiempiAPezzi(p, PezziSeparati(percorso, 2), QBrush(Qt::black));
}

void CreaOggetto(const Ingressi& in, VoceCacheTesto& voce, int n, CampoRiga& campo, QImage& layer) {
    const ImpostazioniProgetto& imp = in.imp;
    ContestoRendering& c = in.c;
    voce.SottoLucido = voce.MascheraLucido = voce.SopraLucido = QImage();
    layer = NuovoLayer({0, 0, voce.Geometria.width(), voce.Geometria.height()});
    if (layer.isNull()) return;
    QPainter p(&layer);
    ImpostaModiGrafica(p);
    const QPainterPath& percorso = voce.Percorso;
    const bool logoRiga = RigaLogo(c.RigheTesto[n]);
    if (logoRiga && !in.logo.isNull()) {
        const QRectF rettangolo(QPointF(in.mx - voce.Geometria.x(), in.my - voce.Geometria.y()), QSizeF(in.lw, in.lh));
        if (in.intro == 6) {
            DisegnaConMatrice(p, rettangolo.translated(0, 2), in.logo, in.logo.rect(), MatriceColore::Colori(1.0f, 1.0f, 0.6f));
            DisegnaConMatrice(p, rettangolo, in.logo, in.logo.rect(), MatriceColore::Colori(0.05f, 0.0f, 0.6f));
        } else {
            p.drawImage(rettangolo, in.logo);
        }
    }
    p.setBrush(Qt::NoBrush);
    // Apart by more than the widest pen reaches.
    const qreal tratto = std::max({c.PennaOutline1.widthF(), c.PennaOutline2.widthF(), 8.0});
    const std::vector<QPainterPath> pezzi = PezziSeparati(percorso, tratto / 2 + 2);
    if (imp.FontGlowCheck) {
        if (imp.FontGlowSize > 1) campo().DisegnaPilaTratti(p, c.PennaGlow.color(), imp.FontGlowSize);
        if (!logoRiga) RiempiAPezzi(p, pezzi, c.PennelloGlowInterno);
        return;
    }
    const int a = AlfaPercento(imp.FontOpacita);
    const QRect limiti = LimitiInteri(percorso);
    QLinearGradient riempimento(0, limiti.top(), 0, limiti.bottom() + 1);
    riempimento.setColorAt(0.0, ColoreDaControllo(imp.FontColore.Colore1, a));
    riempimento.setColorAt(1.0, ColoreDaControllo(imp.FontColore.Colore2, a));
    if (imp.FontOutline2Check) {
        p.setPen(PennaTonda(c.PennaOutline2, c.PennaOutline2.widthF()));
        TracciaAPezzi(p, pezzi);
    }
    if (imp.FontOutline1Check && in.intro == 6) {
        // Only the glint changes from frame to frame: the parts around it are kept.
        ContornoBianco(p, pezzi, c);
        p.end();
        voce.SottoLucido = layer;
        voce.MascheraLucido = MascheraMetallo(pezzi, layer.size());
        if (!logoRiga && !imp.FontTrasparente) {
            voce.SopraLucido = NuovoLayer({0, 0, layer.width(), layer.height()});
            QPainter sopra(&voce.SopraLucido);
            ImpostaModiGrafica(sopra);
            RiempiAPezzi(sopra, pezzi, riempimento);
        }
        layer = ComponiLucido(voce, c);
        return;
    }
    if (imp.FontOutline1Check) {
        p.setPen(PennaTonda(c.PennaOutline1, c.PennaOutline1.widthF()));
        TracciaAPezzi(p, pezzi);
    }
    if (!logoRiga && !imp.FontTrasparente) RiempiAPezzi(p, pezzi, riempimento);
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

// Whether a line's layers are kept packed: when very wide, unless the intro draws them scaled
// (intro 9, intro 1's growing kind), which would unpack them whole every frame, or is intro 6,
// whose glint redraws the layer of every frame from three whole pictures kept beside it.
bool Impacchetta(const Ingressi& in, const VoceCacheTesto& voce) {
    const bool scala = in.intro == 9 || in.intro == 6 || (in.intro == 1 && in.imp.Intro1Lista.Voce() == 8);
    return voce.Geometria.width() > LayerTesto::LarghezzaIntera && !scala;
}

LayerTesto Tieni(const Ingressi& in, const VoceCacheTesto& voce, const QImage& disegno) {
    return Impacchetta(in, voce) ? LayerTesto::Compatto(disegno) : LayerTesto(disegno);
}

QByteArray ChiaveOmbra(const Ingressi& in, const VoceCacheTesto& voce) {
    const ImpostazioniProgetto& imp = in.imp;
    Chiave k;
    k << voce.ChiaveForma << Impacchetta(in, voce) << imp.FontShadowCheck;
    if (imp.FontShadowCheck)
        k << imp.FontShadowOffsetX << imp.FontShadowOffsetY << imp.FontShadowSize << in.c.PennaOmbra.color();
    return k.Dati();
}

// With perFrame false, the key of everything but intro 6's glint.
QByteArray ChiaveOggetto(const Ingressi& in, const VoceCacheTesto& voce, int n, bool perFrame = true) {
    const ImpostazioniProgetto& imp = in.imp;
    const ContestoRendering& c = in.c;
    Chiave k;
    k << voce.ChiaveForma << Impacchetta(in, voce) << (in.intro == 6) << imp.FontGlowCheck;
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
        CampoRiga campo(voce.Percorso, g.size(), limite);
        const QByteArray ombra = ChiaveOmbra(in, voce);
        if (ombra != voce.ChiaveOmbra) {
            QImage disegno;
            CreaOmbra(in, voce, campo, disegno);
            const LayerTesto layer = Tieni(in, voce, disegno);
            disegno = QImage();
            AggiornaFile(c, layer, c.LayerOmbra[n], voce.FileOmbra, NomiRendering::LayerOmbra, n + 1);
            c.LayerOmbra[n] = layer;
            voce.ChiaveOmbra = ombra;
        }
        const QByteArray oggetto = ChiaveOggetto(in, voce, n);
        if (oggetto != voce.ChiaveOggetto) {
            QImage disegno;
            const QByteArray parti = ChiaveOggetto(in, voce, n, false);
            if (!voce.SottoLucido.isNull() && parti == voce.ChiaveLucido) {
                disegno = ComponiLucido(voce, c);
            } else {
                CreaOggetto(in, voce, n, campo, disegno);
                voce.ChiaveLucido = parti;
            }
            const LayerTesto layer = Tieni(in, voce, disegno);
            disegno = QImage();
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
