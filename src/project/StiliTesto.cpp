#include "project/StiliTesto.h"

#include "platform/CartelleUtente.h"
#include "platform/FileRegolare.h"
#include "platform/FileTesto.h"
#include "platform/LetturaImmagini.h"
#include "platform/Stringhe.h"
#include "project/FileProgetto.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The line numbers after the preview block, as the file lays them out.
enum RigaStile {
    RigaFont = 2,
    RigaDimensione,
    RigaGrassetto,
    RigaCorsivo,
    RigaSottolineato,
    RigaColore1,
    RigaColore2,
    RigaOpacita,
    RigaOutline1,
    RigaOutline1Colore,
    RigaOutline1Dimensione,
    RigaOutline1Opacita,
    RigaOutline2,
    RigaOutline2Colore,
    RigaOutline2Dimensione,
    RigaOutline2Opacita,
    RigaOmbra,
    RigaOmbraColore,
    RigaOmbraDimensione,
    RigaOmbraOffsetX,
    RigaOmbraOffsetY,
    RigaGlow,
    RigaGlowColore,
    RigaGlowDimensione,
    RigaGlowColoreInterno,
    UltimaRigaStile = RigaGlowColoreInterno,
};

// The shadow opacity every style sets; it is not stored in the file.
constexpr int kOpacitaOmbraStile = 4;
constexpr float kFattoreDimensione = 3.33f;
constexpr Colore kNero = 0x000000;
constexpr QRgb kAnteprimaVuota = 0xFF2D2D2D;

int Intero(const QString& testo)
{
    int valore = 0;
    LeggiCampoNumero(testo, QString(), valore);
    return valore;
}

// A decimal number: blanks, an optional sign, digits, an optional fraction; 0 without digits.
double Numero(const QString& riga)
{
    qsizetype i = 0;
    while (i < riga.size() && riga[i].unicode() < 33)
        ++i;
    bool negativo = false;
    if (i < riga.size() && (riga[i] == QLatin1Char('-') || riga[i] == QLatin1Char('+')))
        negativo = riga[i++] == QLatin1Char('-');
    double valore = 0;
    for (; i < riga.size() && riga[i].isDigit() && riga[i].unicode() < 128; ++i)
        valore = valore * 10 + (riga[i].unicode() - '0');
    if (i < riga.size() && riga[i] == QLatin1Char('.')) {
        double peso = 0.1;
        for (++i; i < riga.size() && riga[i].isDigit() && riga[i].unicode() < 128; ++i, peso /= 10)
            valore += (riga[i].unicode() - '0') * peso;
    }
    return negativo ? -valore : valore;
}

QImage AnteprimaVuota()
{
    QImage immagine(LarghezzaAnteprimaStile, AltezzaAnteprimaStile, QImage::Format_RGB32);
    immagine.fill(kAnteprimaVuota);
    return immagine;
}

// The file size a BMP header declares; the reader fills a picture cut short with black.
qsizetype DimensioneBmp(const QByteArray& blocco)
{
    if (blocco.size() < 6)
        return 0;
    const auto byte = [&](int i) { return static_cast<qsizetype>(static_cast<unsigned char>(blocco[i])); };
    return byte(2) | byte(3) << 8 | byte(4) << 16 | byte(5) << 24;
}

bool PercorsoPredefinito(const QString& percorso)
{
    const QStringList& nomi = NomiStiliPredefiniti();
    return std::any_of(nomi.begin(), nomi.end(), [&](const QString& nome) {
        return percorso.contains(nome, Qt::CaseSensitive);
    });
}

void ApplicaRiga(ImpostazioniProgetto& m, int numero, const QString& riga, const QString& percorso)
{
    switch (numero) {
    case RigaFont: {
        const qsizetype i = m.FontElenco.Elenco().indexOf(riga);
        if (i >= 0)
            m.FontElenco.ImpostaVoce(static_cast<int>(i) + 1);
        break;
    }
    case RigaDimensione: m.FontSize = Intervalli::FontSize.Limita(ValoreDimensioneStile(riga)); break;
    case RigaGrassetto: m.FontBold = ValoreFlagStile(riga); break;
    case RigaCorsivo: m.FontItalic = ValoreFlagStile(riga); break;
    case RigaSottolineato: m.FontUnderline = ValoreFlagStile(riga); break;
    case RigaColore1: m.FontColore.Colore1 = ValoreColoreStile(riga); break;
    case RigaColore2: m.FontColore.Colore2 = ValoreColoreStile(riga); break;
    case RigaOpacita: m.FontOpacita = Intervalli::Opacita.Limita(Intero(riga)); break;
    case RigaOutline1: m.FontOutline1Check = ValoreFlagStile(riga); break;
    case RigaOutline1Colore: m.FontOutline1Colore = ValoreColoreStile(riga); break;
    case RigaOutline1Dimensione: m.FontOutline1Size = Intervalli::Spessore.Limita(ValoreDimensioneStile(riga)); break;
    case RigaOutline1Opacita: m.FontOutline1Opacita = Intervalli::Opacita.Limita(Intero(riga)); break;
    case RigaOutline2: m.FontOutline2Check = ValoreFlagStile(riga); break;
    case RigaOutline2Colore: m.FontOutline2Colore = ValoreColoreStile(riga); break;
    case RigaOutline2Dimensione: m.FontOutline2Size = Intervalli::Spessore.Limita(ValoreDimensioneStile(riga)); break;
    case RigaOutline2Opacita: m.FontOutline2Opacita = Intervalli::Opacita.Limita(Intero(riga)); break;
    case RigaOmbra: m.FontShadowCheck = ValoreFlagStile(riga); break;
    case RigaOmbraColore:
        m.FontShadowColore = PercorsoPredefinito(percorso) ? kNero : ValoreColoreStile(riga);
        break;
    case RigaOmbraDimensione:
        m.FontShadowSize = Intervalli::Spessore.Limita(ValoreDimensioneStile(riga));
        m.FontShadowOpacita = kOpacitaOmbraStile;
        break;
    case RigaOmbraOffsetX: m.FontShadowOffsetX = Intervalli::SpostamentoOmbra.Limita(ValoreDimensioneStile(riga)); break;
    case RigaOmbraOffsetY: m.FontShadowOffsetY = Intervalli::SpostamentoOmbra.Limita(ValoreDimensioneStile(riga)); break;
    case RigaGlow: m.FontGlowCheck = ValoreFlagStile(riga); break;
    case RigaGlowColore: m.FontGlowColore = ValoreColoreStile(riga); break;
    case RigaGlowDimensione: m.FontGlowSize = Intervalli::Spessore.Limita(ValoreDimensioneStile(riga)); break;
    case RigaGlowColoreInterno: m.FontGlowColoreInterno = ValoreColoreStile(riga); break;
    default: break;
    }
}

// Whether a line has the form its place asks for: a number starts with one, a colour is nine
// digits. Flags and names take any text.
bool FormaGiusta(int numero, const QString& riga)
{
    const auto cifra = [&](qsizetype i) { return i < riga.size() && riga[i] >= QLatin1Char('0') && riga[i] <= QLatin1Char('9'); };
    switch (numero) {
    case RigaDimensione: case RigaOutline1Dimensione: case RigaOutline2Dimensione: case RigaOmbraDimensione:
    case RigaOmbraOffsetX: case RigaOmbraOffsetY: case RigaGlowDimensione: case RigaOpacita:
    case RigaOutline1Opacita: case RigaOutline2Opacita: {
        qsizetype i = 0;
        while (i < riga.size() && riga[i].unicode() < 33) ++i;
        if (i < riga.size() && (riga[i] == QLatin1Char('-') || riga[i] == QLatin1Char('+'))) ++i;
        if (i < riga.size() && riga[i] == QLatin1Char('.')) ++i;
        return cifra(i);
    }
    case RigaColore1: case RigaColore2: case RigaOutline1Colore: case RigaOutline2Colore: case RigaOmbraColore:
    case RigaGlowColore: case RigaGlowColoreInterno:
        for (int i = 0; i < 9; ++i)
            if (!cifra(i)) return false;
        return true;
    default: return true;
    }
}

}  // namespace

QString FiltroFileStile()
{
    return QStringLiteral("*.orvstyle");
}

const QStringList& NomiStiliPredefiniti()
{
    static const QStringList nomi{
        QStringLiteral("Stile001.orvstyle"), QStringLiteral("Stile002.orvstyle"),
        QStringLiteral("Stile003.orvstyle"), QStringLiteral("Stile004.orvstyle"),
        QStringLiteral("Stile016.orvstyle"), QStringLiteral("Stile017.orvstyle"),
        QStringLiteral("Stile021.orvstyle"), QStringLiteral("Stile022.orvstyle"),
        QStringLiteral("Stile026.orvstyle"), QStringLiteral("Stile027.orvstyle"),
        QStringLiteral("Stile028.orvstyle"), QStringLiteral("Stile029.orvstyle"),
        QStringLiteral("Stile030.orvstyle"), QStringLiteral("Stile031.orvstyle"),
        QStringLiteral("Stile032.orvstyle"), QStringLiteral("Stile033.orvstyle"),
        QStringLiteral("Stile034.orvstyle"), QStringLiteral("Stile035.orvstyle"),
        QStringLiteral("Stile036.orvstyle"),
    };
    return nomi;
}

int ValoreDimensioneStile(const QString& riga)
{
    // The product is taken to float before truncating: 100 gives 333, as the styles expect.
    const float valore = static_cast<float>(Numero(riga) * static_cast<double>(kFattoreDimensione));
    constexpr float limite = 2147483520.0f;  // the largest float below 2^31
    return static_cast<int>(std::clamp(valore, -limite, limite));
}

bool ValoreFlagStile(const QString& riga)
{
    return !riga.startsWith(QLatin1Char('0'));
}

Colore ValoreColoreStile(const QString& riga)
{
    const auto componente = [&](int i) { return static_cast<Colore>(Intero(riga.mid(i * 3, 3)) & 0xFF); };
    return componente(0) | componente(1) << 8 | componente(2) << 16;
}

QImage DecodificaAnteprimaStile(const QByteArray& contenuto)
{
    const QByteArray blocco = contenuto.left(DimensioneAnteprimaStile);
    // A damaged header may declare any size: refused before its pixels are made.
    QImage immagine = LeggiImmagine(blocco, "BMP").Immagine;
    if (immagine.isNull() || blocco.size() < DimensioneBmp(blocco))
        return AnteprimaVuota();
    if (immagine.width() != LarghezzaAnteprimaStile || immagine.height() != AltezzaAnteprimaStile)
        immagine = immagine.scaled(LarghezzaAnteprimaStile, AltezzaAnteprimaStile, Qt::IgnoreAspectRatio,
                                   Qt::SmoothTransformation);
    return immagine.convertToFormat(QImage::Format_RGB32);
}

GalleriaStili CaricaGalleriaStili(const QString& cartella)
{
    GalleriaStili galleria;
    QFileInfoList files = QDir(cartella).entryInfoList({FiltroFileStile()}, QDir::Files, QDir::NoSort);
    // The folder lists in no order of its own; the gallery shows the names in order.
    std::sort(files.begin(), files.end(), [](const QFileInfo& a, const QFileInfo& b) {
        const int c = a.fileName().compare(b.fileName(), Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.fileName() < b.fileName();
    });
    for (const QFileInfo& info : files) {
        const QString percorso = cartella + QLatin1Char('/') + info.fileName();
        // A pipe or a device named like a style would hold the start, or never end.
        FileRegolare file = FileRegolare::Apri(percorso, LimiteFileTesto);
        QByteArray anteprima;
        if (!file.Aperto() || !file.LeggiTutto(anteprima, DimensioneAnteprimaStile))
            continue;
        galleria.Anteprime.append(DecodificaAnteprimaStile(anteprima));
        galleria.Percorsi.append(percorso);
    }
    return galleria;
}

GalleriaStili CaricaGalleriaStili()
{
    return CaricaGalleriaStili(CartellaStili);
}

EsitoStile ApplicaStileTesto(ImpostazioniProgetto& impostazioni, const QByteArray& contenuto,
                             const QString& percorso)
{
    // Read whole before anything is set: a file that is not a style applies nothing.
    if (!contenuto.startsWith("BM"))
        return EsitoStile::NonValido;
    LettoreTesto lettore(contenuto.mid(DimensioneAnteprimaStile));
    QStringList righe;
    QString riga;
    // A file that ends early sets only the lines it has; a missing line is never read as empty.
    while (righe.size() < UltimaRigaStile && lettore.LeggiRiga(riga)) {
        riga.truncate(LunghezzaRigaStile);
        TogliSpaziFinali(riga);
        if (!FormaGiusta(static_cast<int>(righe.size()) + 1, riga))
            return EsitoStile::NonValido;
        righe.append(riga);
    }
    for (int i = 0; i < righe.size(); ++i)
        ApplicaRiga(impostazioni, i + 1, righe[i], percorso);
    return righe.size() == UltimaRigaStile ? EsitoStile::Applicato : EsitoStile::Incompleto;
}

EsitoStile ApplicaStileTesto(ImpostazioniProgetto& impostazioni, const QString& percorso)
{
    FileRegolare file = FileRegolare::Apri(percorso, LimiteFileTesto);
    QByteArray contenuto;
    if (!file.Aperto() || !file.LeggiTutto(contenuto))
        return EsitoStile::NonAperto;
    return ApplicaStileTesto(impostazioni, contenuto, percorso);
}

EsitoStile ApplicaStileGalleria(ImpostazioniProgetto& impostazioni, const GalleriaStili& galleria, int indice)
{
    if (indice < 0 || indice >= galleria.Percorsi.size())
        return EsitoStile::NonAperto;
    return ApplicaStileTesto(impostazioni, galleria.Percorsi.at(indice));
}

QString CartellaStiliProgramma()
{
    return CartellaProgramma + QStringLiteral("/Stili");
}

EsitoInstallazioneStili InstallaStiliPredefiniti(const QString& origine, const QString& destinazione)
{
    EsitoInstallazioneStili esito;
    const QDir cartella(destinazione);
    esito.CartellaVuota = cartella.entryList({FiltroFileStile()}, QDir::Files).isEmpty();
    if (!esito.CartellaVuota)
        return esito;
    const QStringList stili = QDir(origine).entryList({FiltroFileStile()}, QDir::Files, QDir::Name);
    if (stili.isEmpty()) {
        esito.Errori.append(QStringLiteral("no styles to install in %1").arg(origine));
        return esito;
    }
    if (!QDir().mkpath(destinazione)) {
        esito.Errori.append(QStringLiteral("cannot create %1").arg(destinazione));
        return esito;
    }
    for (const QString& nome : stili) {
        const QString arrivo = cartella.filePath(nome);
        if (QFileInfo::exists(arrivo))
            continue;  // never over a file of the user's
        QFile file(QDir(origine).filePath(nome));
        if (file.copy(arrivo))
            ++esito.Copiati;
        else
            esito.Errori.append(QStringLiteral("%1: %2").arg(arrivo, file.errorString()));
    }
    return esito;
}

EsitoInstallazioneStili InstallaStiliPredefiniti()
{
    return InstallaStiliPredefiniti(CartellaStiliProgramma(), CartellaStili);
}
