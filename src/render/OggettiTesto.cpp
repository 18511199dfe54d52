#include "render/OggettiTesto.h"

#include "platform/CartelleUtente.h"
#include "platform/Grafica.h"
#include "platform/Stringhe.h"
#include "project/ImpostazioniGlobali.h"
#include "project/ImpostazioniProgetto.h"
#include "render/ContestoRendering.h"
#include "render/GeometriaIntro.h"
#include "render/NomiRendering.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The longest text a line holds; longer texts are cut.
constexpr int LunghezzaMassimaRiga = 2559;
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

void SalvaLayer(const QImage& layer, const QString& modello, int riga) {
    if (layer.isNull()) return;
    layer.save(PercorsoOutput + modello.arg(riga), "PNG", 80);
}

// Intro 6's outline: a white copy two pixels lower, then grey with an orange glint that runs
// from left to right over the animation.
void ContornoMetallico(QPainter& g, const QPainterPath& percorso, ContestoRendering& c) {
    g.save();
    g.translate(0, 2);
    QPen bianca = PennaTonda(c.PennaOutline1, c.PennaOutline1.widthF());
    bianca.setColor(QColor(255, 255, 255, 200));
    g.setPen(bianca);
    g.setBrush(Qt::NoBrush);
    g.drawPath(percorso);
    g.restore();

    const QRect limiti = LimitiInteri(percorso).adjusted(-100, 0, 100, 0);
    QLinearGradient lucido(limiti.left(), 0, limiti.right() + 1, 0);
    const float denominatore = ImpostazioniGlobali.TotaleFrame - 50.0f;
    const float p = denominatore != 0.0f ? (c.FrameCorrente - 10.0f) / denominatore : 0.0f;
    const float lo = std::max(p - 0.3f, 0.0f);
    const float hi = p + 0.3f;
    ImpostaBlend(lucido, QColor(64, 64, 64), QColor(255, 128, 64), {0, 0, 1, 0, 0},
                 {0.0f, lo, std::min(p, 1.0f), hi, 1.0f});
    QPen metallo(QBrush(lucido), 8);
    metallo.setJoinStyle(Qt::RoundJoin);
    g.setPen(metallo);
    g.drawPath(percorso);
}

void SemiIntro6(ContestoRendering& c) {
    for (auto& colonna : c.GrigliaOccupazione) colonna.fill(0);
    const QImage layer = c.LayerOggetto[0].convertToFormat(QImage::Format_ARGB32);
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

void CreaOggettiTesto(ContestoRendering& c) {
    ImpostaPenne(c);
    const ImpostazioniProgetto& imp = c.Imp();
    c.RigheTesto = {imp.Testo1, imp.Testo2, imp.Testo3, imp.Testo.join(QStringLiteral("\r\n"))};
    for (QString& riga : c.RigheTesto) riga.truncate(LunghezzaMassimaRiga);

    const QFont font = FontTesto(imp);
    const int intro = imp.IntroLista.Voce();
    const QImage logo = imp.Logo.isEmpty() ? QImage() : c.Immagini.Carica(imp.Logo);
    int lw = logo.width(), lh = logo.height();
    if (intro == 6) {
        lw = lw * imp.Intro6LogoScala / 100;
        lh = lh * imp.Intro6LogoScala / 100;
    }
    const QSize margini = MarginiLayer(imp);
    const int mx = margini.width(), my = margini.height();

    // Geometry: where each text sits when built at the origin, and its layer size.
    for (int n = 0; n < NumeroRigheTesto; ++n) {
        GeometriaRiga& g = c.GeometriaOggetti[n];
        g = {};
        c.LayerOggetto[n] = QImage();
        c.LayerOmbra[n] = QImage();
        const QString& riga = c.RigheTesto[n];
        if (riga.isEmpty()) continue;
        QPainterPath percorso;
        if (RigaLogo(riga)) percorso.addRect(0, 0, lw, lh);
        else AggiungiTesto(percorso, riga, font, QPointF(0, 0));
        const QRect limiti = LimitiInteri(percorso);
        g.Sinistra = limiti.x();
        g.Alto = limiti.y();
        g.Larghezza = 2 * mx + limiti.width();
        g.Altezza = 2 * my + limiti.height();
    }

    // Shadows.
    for (int n = 0; n < NumeroRigheTesto; ++n) {
        const GeometriaRiga& g = c.GeometriaOggetti[n];
        const QString& riga = c.RigheTesto[n];
        QImage layer = NuovoLayer(g);
        if (layer.isNull()) continue;
        if (imp.FontShadowCheck) {
            QPainter p(&layer);
            ImpostaModiGrafica(p);
            QPainterPath percorso;
            const QPointF origine(mx + imp.FontShadowOffsetX - g.Sinistra, my + imp.FontShadowOffsetY - g.Alto);
            if (!RigaLogo(riga)) AggiungiTesto(percorso, riga, font, origine);
            else if (StileLogo(imp, n) == 1) percorso.addRect(QRectF(origine, QSizeF(lw, lh)));
            const int k = (3 * imp.FontShadowSize) / 2;
            p.setBrush(Qt::NoBrush);
            for (int w = 1; w < k; ++w) {
                p.setPen(PennaTonda(c.PennaOmbra, w));
                p.drawPath(percorso);
            }
            p.fillPath(percorso, Qt::black);
        }
        c.LayerOmbra[n] = layer;
        SalvaLayer(layer, NomiRendering::LayerOmbra, n + 1);
    }

    // Styled text or logo.
    for (int n = 0; n < NumeroRigheTesto; ++n) {
        const GeometriaRiga& g = c.GeometriaOggetti[n];
        const QString& riga = c.RigheTesto[n];
        QImage layer = NuovoLayer(g);
        if (layer.isNull()) continue;
        QPainter p(&layer);
        ImpostaModiGrafica(p);
        const QPointF origine(mx - g.Sinistra, my - g.Alto);
        const bool logoRiga = RigaLogo(riga);
        QPainterPath percorso;
        if (!logoRiga) {
            AggiungiTesto(percorso, riga, font, origine);
        } else {
            const QRectF rettangolo(origine, QSizeF(lw, lh));
            if (StileLogo(imp, n) == 1) percorso.addRect(rettangolo);
            if (!logo.isNull()) {
                if (intro == 6) {
                    DisegnaConMatrice(p, rettangolo.translated(0, 2), logo, logo.rect(), MatriceColore::Colori(1.0f, 1.0f, 0.6f));
                    DisegnaConMatrice(p, rettangolo, logo, logo.rect(), MatriceColore::Colori(0.05f, 0.0f, 0.6f));
                } else {
                    p.drawImage(rettangolo, logo);
                }
            }
        }
        p.setBrush(Qt::NoBrush);
        if (imp.FontGlowCheck) {
            for (int w = 1; w < imp.FontGlowSize; ++w) {
                p.setPen(PennaTonda(c.PennaGlow, w));
                p.drawPath(percorso);
            }
            if (!logoRiga) p.fillPath(percorso, c.PennelloGlowInterno);
        } else {
            const int a = AlfaPercento(imp.FontOpacita);
            const QRect limiti = LimitiInteri(percorso);
            QLinearGradient riempimento(0, limiti.top(), 0, limiti.bottom() + 1);
            riempimento.setColorAt(0.0, ColoreDaControllo(imp.FontColore.Colore1, a));
            riempimento.setColorAt(1.0, ColoreDaControllo(imp.FontColore.Colore2, a));
            if (imp.FontOutline2Check) {
                p.setPen(PennaTonda(c.PennaOutline2, c.PennaOutline2.widthF()));
                p.drawPath(percorso);
            }
            if (imp.FontOutline1Check) {
                if (intro == 6) {
                    ContornoMetallico(p, percorso, c);
                } else {
                    p.setPen(PennaTonda(c.PennaOutline1, c.PennaOutline1.widthF()));
                    p.drawPath(percorso);
                }
            }
            if (!logoRiga && !imp.FontTrasparente) p.fillPath(percorso, riempimento);
        }
        p.end();
        c.LayerOggetto[n] = layer;
        SalvaLayer(layer, NomiRendering::LayerOggetto, n + 1);
        if (n == 0 && c.FrameCorrente == 0.0f) {
            if (intro == 6) SemiIntro6(c);
            if (intro == 7) SemiIntro7(c, percorso);
        }
    }
}
