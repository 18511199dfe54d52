// The shipped text styles "Stili/StileNNN.orvstyle": each file is a 98x64 BMP preview drawn
// from the style's own values, then the value lines. The values are read back through the
// program's own style reader before drawing, so a preview shows what applying the file gives.
#include "Arte.h"

#include "project/ImpostazioniProgetto.h"
#include "project/StiliTesto.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>

#include <algorithm>
#include <cstdio>

namespace {

// Colours as a designer writes them, 0xRRGGBB; sizes in the file's units (x 3.33 when applied).
struct Contorno {
    bool Attivo;
    uint32_t Colore;
    double Dimensione;
    int Opacita;
};

struct DefinizioneStile {
    const char* Nome;  // the first line, which the reader skips
    const char* Font;
    double Dimensione;
    bool Grassetto, Corsivo, Sottolineato;
    uint32_t Colore1, Colore2;
    int Opacita;
    Contorno Outline1, Outline2;
    bool Ombra;
    uint32_t OmbraColore;
    double OmbraDimensione, OmbraX, OmbraY;
    bool Glow;
    uint32_t GlowColore;
    double GlowDimensione;
    uint32_t GlowInterno;
};

constexpr Contorno kNessuno{false, 0xFFFFFF, 1, 100};

// Numbered from 1; the built-in names keep a black shadow, so those slots hold the styles
// that want one.
const DefinizioneStile kStili[] = {
    {"Oro", "Liberation Serif", 48, true, false, false, 0xFFE27A, 0xA8720A, 100,
     {true, 0x4A2E00, 1.5, 100}, kNessuno, true, 0x000000, 4, 1.5, 1.5, false, 0, 0, 0},
    {"Argento", "Liberation Sans", 48, true, false, false, 0xFFFFFF, 0x8A8F96, 100,
     {true, 0x2A2D31, 1.5, 100}, kNessuno, true, 0x000000, 4, 1.5, 1.5, false, 0, 0, 0},
    {"Fuoco", "DejaVu Sans", 46, true, false, false, 0xFFF200, 0xFF2A00, 100,
     {true, 0x6E0E00, 1.5, 100}, {true, 0xFFC400, 1.5, 70}, true, 0x000000, 4, 1.2, 1.2, false, 0, 0, 0},
    {"Ghiaccio", "DejaVu Serif", 46, true, false, false, 0xFFFFFF, 0x72CFFF, 100,
     {true, 0x08436E, 1.5, 100}, kNessuno, true, 0x000000, 4, 1.5, 1.5, false, 0, 0, 0},
    {"Neon blu", "DejaVu Sans", 46, true, false, false, 0xFFFFFF, 0xFFFFFF, 100, kNessuno, kNessuno,
     false, 0x003A80, 3, 0, 0, true, 0x00A8FF, 9, 0xE4F6FF},
    {"Neon rosa", "Liberation Sans", 48, true, true, false, 0xFFFFFF, 0xFFFFFF, 100, kNessuno, kNessuno,
     false, 0x80004A, 3, 0, 0, true, 0xFF2AA8, 9, 0xFFE6F4},
    {"Neon verde", "DejaVu Sans Mono", 46, true, false, false, 0xFFFFFF, 0xFFFFFF, 100, kNessuno,
     kNessuno, false, 0x0A5000, 3, 0, 0, true, 0x3BFF1A, 9, 0xF0FFEA},
    {"Fumetto", "Liberation Sans", 50, true, false, false, 0xFFD600, 0xFF7A00, 100,
     {true, 0x000000, 2, 100}, {true, 0xFFFFFF, 2.5, 100}, true, 0x3A1A00, 4, 2, 2, false, 0, 0, 0},
    {"Classico", "Liberation Serif", 48, false, true, false, 0xFFFFFF, 0xE6E6E6, 100, kNessuno,
     kNessuno, true, 0x202020, 5, 2, 2, false, 0, 0, 0},
    {"Macchina da scrivere", "Liberation Mono", 46, true, false, false, 0x2B2B2B, 0x101010, 100,
     kNessuno, {true, 0xF2EBD9, 2.5, 100}, true, 0x4A3F2A, 4, 1.5, 1.5, false, 0, 0, 0},
    {"Menta", "Carlito", 52, true, false, false, 0xC4FFE6, 0x22B083, 100, {true, 0x0A4A34, 1.5, 100},
     kNessuno, true, 0x06301F, 4, 1.5, 1.5, false, 0, 0, 0},
    {"Tramonto", "DejaVu Serif", 44, true, true, false, 0xFFC15A, 0xC2185B, 100,
     {true, 0x48082A, 1.5, 100}, kNessuno, true, 0x48082A, 4, 1.5, 1.5, false, 0, 0, 0},
    {"Oceano", "Liberation Sans", 48, true, false, false, 0x8AEBFF, 0x0047AB, 100,
     {true, 0x001A40, 1.2, 100}, {true, 0xFFFFFF, 1.5, 90}, true, 0x001A40, 4, 1.5, 1.5, false, 0, 0, 0},
    {"Rubino", "DejaVu Serif", 46, true, false, false, 0xFF9A9A, 0x960000, 100,
     {true, 0x380000, 1.5, 100}, kNessuno, true, 0x380000, 4, 1.5, 1.5, false, 0, 0, 0},
    {"Smeraldo", "Liberation Serif", 48, true, false, false, 0xA6FFBA, 0x006B38, 100,
     {true, 0x002A14, 1.5, 100}, kNessuno, true, 0x002A14, 4, 1.5, 1.5, false, 0, 0, 0},
    {"Cromo", "DejaVu Sans", 46, true, false, false, 0xFFFFFF, 0x5E6B7B, 100, {true, 0x1A1A1A, 1.2, 100},
     {true, 0xC8C8C8, 1.8, 100}, true, 0x000000, 4, 1.5, 1.5, false, 0, 0, 0},
    {"Bronzo", "Liberation Serif", 48, true, false, false, 0xF6C891, 0x874212, 100,
     {true, 0x2E1404, 1.5, 100}, kNessuno, true, 0x000000, 4, 1.5, 1.5, false, 0, 0, 0},
    {"Viola", "Carlito", 52, true, true, false, 0xE6BCFF, 0x6A1B9A, 100, {true, 0x26073A, 1.5, 100},
     kNessuno, true, 0x26073A, 4, 1.5, 1.5, false, 0, 0, 0},
    {"Contorno", "Liberation Sans", 50, true, false, false, 0xFFFFFF, 0xFFFFFF, 0,
     {true, 0xFFFFFF, 1.5, 100}, kNessuno, false, 0x000000, 3, 1, 1, false, 0, 0, 0},
    {"Lava", "DejaVu Sans", 46, true, false, false, 0xFFE08A, 0xFFB040, 100, kNessuno, kNessuno, false,
     0x501000, 3, 0, 0, true, 0xFF4A00, 9, 0xFFD890},
    {"Sottolineato", "Liberation Sans", 46, false, false, true, 0xFFFFFF, 0xD0D0D0, 100,
     {true, 0x1E1E1E, 1, 100}, kNessuno, true, 0x000000, 4, 1.5, 1.5, false, 0, 0, 0},
    {"Limone", "Carlito", 54, true, false, false, 0xFFFF96, 0xE6BE00, 100, {true, 0x5C4A00, 1.5, 100},
     kNessuno, true, 0x000000, 4, 1.5, 1.5, false, 0, 0, 0},
    {"Caramella", "Liberation Sans", 48, true, false, false, 0xFFA6DA, 0xFF3D9E, 100,
     {true, 0xFFFFFF, 1.8, 100}, {true, 0xB0105A, 1.5, 100}, true, 0x5A0030, 4, 1.5, 1.5, false, 0, 0, 0},
    {"Notte", "DejaVu Serif", 46, true, false, false, 0x2A3590, 0x05082A, 100, {true, 0x9FAEE8, 1.2, 100},
     kNessuno, true, 0x7986CB, 5, 0, 0, false, 0, 0, 0},
    {"Elettrico", "DejaVu Sans", 46, true, true, false, 0xFFFFFF, 0xFFFFFF, 100, kNessuno, kNessuno,
     false, 0x504000, 3, 0, 0, true, 0xFFE600, 9, 0xFFFFF0},
    {"Corsivo oro", "Liberation Serif", 50, true, true, false, 0xFFEFA0, 0xC08A10, 100,
     {true, 0x4A3000, 1, 100}, kNessuno, true, 0x000000, 4, 1.5, 1.5, false, 0, 0, 0},
    {"Pastello", "Carlito", 54, true, false, false, 0xFFE4F2, 0xD8ECFF, 100, {true, 0x7A7AA6, 1.2, 100},
     kNessuno, true, 0x000000, 4, 1.2, 1.2, false, 0, 0, 0},
    {"Acciaio", "DejaVu Sans Mono", 44, true, false, false, 0xD4DDE2, 0x455A64, 100,
     {true, 0x1C262B, 1.5, 100}, kNessuno, true, 0x000000, 4, 1.5, 1.5, false, 0, 0, 0},
    {"Terra", "DejaVu Serif", 46, true, false, false, 0xE0B27A, 0x6D4130, 100, {true, 0x2A170E, 1.5, 100},
     kNessuno, true, 0x000000, 4, 1.5, 1.5, false, 0, 0, 0},
    {"Cielo", "Liberation Sans", 48, true, false, false, 0xFFFFFF, 0x5AAEF2, 100,
     {true, 0x0E4F9E, 1.5, 100}, kNessuno, true, 0x000000, 4, 1.5, 1.5, false, 0, 0, 0},
    {"Magenta ciano", "DejaVu Sans", 46, true, false, false, 0xFF3CF0, 0x00E5FF, 100,
     {true, 0x101010, 1.5, 100}, kNessuno, true, 0x000000, 4, 1.5, 1.5, false, 0, 0, 0},
    {"Ombra lunga", "Liberation Sans", 48, true, false, false, 0xFFFFFF, 0xF0F0F0, 100, kNessuno,
     kNessuno, true, 0x000000, 2, 4, 4, false, 0, 0, 0},
    {"Vintage", "Liberation Serif", 48, true, false, false, 0xF6E8CA, 0xC9A063, 100,
     {true, 0x5A3A26, 1.2, 100}, {true, 0xF6E8CA, 1.5, 100}, true, 0x000000, 4, 1.5, 1.5, false, 0, 0, 0},
    {"Minimale", "DejaVu Sans", 44, false, false, false, 0xFFFFFF, 0xFFFFFF, 100, kNessuno, kNessuno,
     true, 0x000000, 3, 1, 1, false, 0, 0, 0},
    {"Trasparente", "Liberation Sans", 50, true, false, false, 0xFFFFFF, 0xFFFFFF, 55,
     {true, 0xFFFFFF, 1, 100}, kNessuno, true, 0x000000, 4, 1.5, 1.5, false, 0, 0, 0},
    {"Sangue", "Liberation Serif", 50, true, false, false, 0xE01010, 0x500000, 100,
     {true, 0x1A0000, 1.2, 100}, {true, 0xFFFFFF, 1.2, 60}, true, 0x000000, 4, 1.5, 1.5, false, 0, 0, 0},
};

QString Numero(double valore)
{
    return QString::number(valore, 'g', 6);
}

QString Flag(bool acceso)
{
    return acceso ? QStringLiteral("1") : QStringLiteral("0");
}

// 0xRRGGBB as RRRGGGBBB.
QString ColoreRiga(uint32_t rgb)
{
    return QStringLiteral("%1%2%3")
        .arg((rgb >> 16) & 0xFF, 3, 10, QLatin1Char('0'))
        .arg((rgb >> 8) & 0xFF, 3, 10, QLatin1Char('0'))
        .arg(rgb & 0xFF, 3, 10, QLatin1Char('0'));
}

QByteArray RigheValori(const DefinizioneStile& s)
{
    const QStringList righe{
        QString::fromUtf8(s.Nome),
        QString::fromUtf8(s.Font),
        Numero(s.Dimensione),
        Flag(s.Grassetto),
        Flag(s.Corsivo),
        Flag(s.Sottolineato),
        ColoreRiga(s.Colore1),
        ColoreRiga(s.Colore2),
        QString::number(s.Opacita),
        Flag(s.Outline1.Attivo),
        ColoreRiga(s.Outline1.Colore),
        Numero(s.Outline1.Dimensione),
        QString::number(s.Outline1.Opacita),
        Flag(s.Outline2.Attivo),
        ColoreRiga(s.Outline2.Colore),
        Numero(s.Outline2.Dimensione),
        QString::number(s.Outline2.Opacita),
        Flag(s.Ombra),
        ColoreRiga(s.OmbraColore),
        Numero(s.OmbraDimensione),
        Numero(s.OmbraX),
        Numero(s.OmbraY),
        Flag(s.Glow),
        ColoreRiga(s.GlowColore),
        Numero(s.GlowDimensione),
        ColoreRiga(s.GlowInterno),
    };
    QByteArray testo;
    for (const QString& riga : righe)
        testo += riga.toUtf8() + '\n';
    return testo;
}

// A model colour 0x00BBGGRR with an alpha.
QColor ColoreQt(Colore c, int alfa = 255)
{
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF, std::clamp(alfa, 0, 255));
}

QPen Penna(const QBrush& pennello, qreal larghezza)
{
    QPen penna(pennello, larghezza);
    penna.setJoinStyle(Qt::RoundJoin);
    penna.setCapStyle(Qt::RoundCap);
    return penna;
}

// The sample word drawn the way the text layers draw a line: the shadow layer (soft strokes
// of the shadow colour, filled black) under the styled layer (glow, or outlines under the
// gradient fill), at the style's own sizes on the full canvas scale.
QImage DisegnaTesto(const ImpostazioniProgetto& m, const QString& famiglia)
{
    QFont font(famiglia);
    font.setPixelSize(std::max(1, m.FontSize));
    font.setBold(m.FontBold);
    font.setItalic(m.FontItalic);
    font.setUnderline(m.FontUnderline);
    font.setKerning(true);

    const QString parola = QStringLiteral("Abc");
    QPainterPath base;
    base.setFillRule(Qt::OddEvenFill);
    base.addText(0, 0, font, parola);
    if (m.FontUnderline) {
        // addText leaves out the decoration; the font's own metrics place it.
        const QFontMetricsF metriche(font);
        const qreal spessore = std::max<qreal>(1, metriche.lineWidth());
        base.addRect(QRectF(0, metriche.underlinePos(), metriche.horizontalAdvance(parola), spessore));
    }
    const QRect limiti = base.boundingRect().toAlignedRect();

    const int mx = std::abs(m.FontShadowOffsetX) + m.FontOutline1Size + m.FontOutline2Size + m.FontShadowSize;
    const int my = std::abs(m.FontShadowOffsetY) + m.FontOutline1Size + m.FontOutline2Size + m.FontShadowSize;
    QImage strato(limiti.width() + 2 * mx, limiti.height() + 2 * my, QImage::Format_ARGB32_Premultiplied);
    strato.fill(Qt::transparent);
    QPainter p(&strato);
    p.setRenderHint(QPainter::Antialiasing);

    if (m.FontShadowCheck) {
        const QPainterPath ombra =
            base.translated(mx + m.FontShadowOffsetX - limiti.x(), my + m.FontShadowOffsetY - limiti.y());
        const QColor colore = ColoreQt(m.FontShadowColore, m.FontShadowOpacita * 255 / 150);
        const int k = 3 * m.FontShadowSize / 2;
        for (int w = 1; w < k; ++w)
            p.strokePath(ombra, Penna(colore, w));
        p.fillPath(ombra, QColor(0, 0, 0));
    }

    const QPainterPath testo = base.translated(mx - limiti.x(), my - limiti.y());
    if (m.FontGlowCheck) {
        const QColor alone = ColoreQt(m.FontGlowColore, 32);
        for (int w = 1; w < m.FontGlowSize; ++w)
            p.strokePath(testo, Penna(alone, w));
        p.fillPath(testo, ColoreQt(m.FontGlowColoreInterno));
    } else {
        const int alfa = static_cast<int>(m.FontOpacita * 0.01 * 255);
        const QRect box = testo.boundingRect().toAlignedRect();
        QLinearGradient sfumatura(box.topLeft(), box.bottomLeft());
        sfumatura.setColorAt(0, ColoreQt(m.FontColore.Colore1, alfa));
        sfumatura.setColorAt(1, ColoreQt(m.FontColore.Colore2, alfa));
        if (m.FontOutline2Check)
            p.strokePath(testo, Penna(ColoreQt(m.FontOutline2Colore, static_cast<int>(m.FontOutline2Opacita * 0.01 * 255)),
                                      m.FontOutline1Size + m.FontOutline2Size));
        if (m.FontOutline1Check)
            p.strokePath(testo, Penna(ColoreQt(m.FontOutline1Colore, static_cast<int>(m.FontOutline1Opacita * 0.01 * 255)),
                                      m.FontOutline1Size));
        if (!m.FontTrasparente)
            p.fillPath(testo, sfumatura);
    }
    p.end();
    return strato;
}

// The gallery cell: the sample fitted on a neutral backdrop that shows light and dark styles.
QImage DisegnaAnteprima(const ImpostazioniProgetto& m, const QString& famiglia)
{
    const int scala = 4;  // drawn large, then reduced, for clean edges
    const QSize cella(LarghezzaAnteprimaStile * scala, AltezzaAnteprimaStile * scala);
    QImage grande(cella, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&grande);
    QLinearGradient fondo(0, 0, 0, cella.height());
    fondo.setColorAt(0, QColor(0x74, 0x78, 0x7E));
    fondo.setColorAt(1, QColor(0x3A, 0x3C, 0x40));
    p.fillRect(grande.rect(), fondo);

    const QImage testo = DisegnaTesto(m, famiglia);
    const QSizeF spazio(cella.width() - 8 * scala, cella.height() - 10 * scala);
    const qreal fattore = std::min(spazio.width() / testo.width(), spazio.height() / testo.height());
    const QSizeF dimensione(testo.width() * fattore, testo.height() * fattore);
    const QRectF destinazione(QPointF((cella.width() - dimensione.width()) / 2,
                                      (cella.height() - dimensione.height()) / 2),
                              dimensione);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(destinazione, testo);
    p.end();

    QImage piccola = grande.scaled(LarghezzaAnteprimaStile, AltezzaAnteprimaStile, Qt::IgnoreAspectRatio,
                                   Qt::SmoothTransformation);
    QPainter bordo(&piccola);
    bordo.setPen(QColor(0x40, 0x40, 0x40));
    bordo.drawRect(piccola.rect().adjusted(0, 0, -1, -1));
    bordo.end();
    return piccola.convertToFormat(QImage::Format_RGB32);
}

void Scrivi16(QByteArray& dati, uint16_t v)
{
    dati += static_cast<char>(v & 0xFF);
    dati += static_cast<char>(v >> 8);
}

void Scrivi32(QByteArray& dati, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        dati += static_cast<char>((v >> (8 * i)) & 0xFF);
}

// A 32-bit bottom-up BMP of 98x64 is 25142 bytes; one zero byte completes the block.
QByteArray BloccoAnteprima(const QImage& anteprima)
{
    const uint32_t pixel = static_cast<uint32_t>(anteprima.width() * anteprima.height() * 4);
    const uint32_t intestazione = 14 + 40;
    QByteArray dati;
    dati.reserve(DimensioneAnteprimaStile);
    dati += "BM";
    Scrivi32(dati, intestazione + pixel);
    Scrivi32(dati, 0);
    Scrivi32(dati, intestazione);
    Scrivi32(dati, 40);
    Scrivi32(dati, static_cast<uint32_t>(anteprima.width()));
    Scrivi32(dati, static_cast<uint32_t>(anteprima.height()));
    Scrivi16(dati, 1);
    Scrivi16(dati, 32);
    Scrivi32(dati, 0);  // uncompressed
    Scrivi32(dati, pixel);
    Scrivi32(dati, 2835);  // 72 dpi
    Scrivi32(dati, 2835);
    Scrivi32(dati, 0);
    Scrivi32(dati, 0);
    for (int y = anteprima.height() - 1; y >= 0; --y) {
        const auto* riga = reinterpret_cast<const QRgb*>(anteprima.constScanLine(y));
        for (int x = 0; x < anteprima.width(); ++x) {
            dati += static_cast<char>(qBlue(riga[x]));
            dati += static_cast<char>(qGreen(riga[x]));
            dati += static_cast<char>(qRed(riga[x]));
            dati += static_cast<char>(0xFF);
        }
    }
    dati.resize(DimensioneAnteprimaStile, '\0');
    return dati;
}

bool DisegnaStili(const QString& cartella)
{
    const QString destinazione = cartella + QStringLiteral("/Stili");
    QDir().mkpath(destinazione);
    bool ok = true;
    int numero = 0;
    for (const DefinizioneStile& s : kStili) {
        const QString nome = QStringLiteral("Stile%1.orvstyle").arg(++numero, 3, 10, QLatin1Char('0'));
        const QString percorso = destinazione + QLatin1Char('/') + nome;
        const QByteArray valori = RigheValori(s);

        ImpostazioniProgetto m;
        const QString famiglia = QString::fromUtf8(s.Font);
        m.FontElenco = ListaVoci({famiglia}, 0, ListaVoci::Regola::Libera);
        if (ApplicaStileTesto(m, "BM" + QByteArray(DimensioneAnteprimaStile - 2, '\0') + valori, percorso) !=
                EsitoStile::Applicato ||
            m.FontElenco.Voce() != 1) {
            std::fprintf(stderr, "arte: %s does not read back\n", qPrintable(nome));
            ok = false;
            continue;
        }

        QSaveFile file(percorso);
        const QByteArray contenuto = BloccoAnteprima(DisegnaAnteprima(m, famiglia)) + valori;
        if (!file.open(QIODevice::WriteOnly) || file.write(contenuto) != contenuto.size() || !file.commit()) {
            std::fprintf(stderr, "arte: cannot write %s\n", qPrintable(percorso));
            ok = false;
        }
    }
    return ok;
}

const RegistraArte registra("Stili", DisegnaStili);

}  // namespace
