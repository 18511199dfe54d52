#include "app/ElencoFont.h"

#include <QFontDatabase>
#include <QFontInfo>

#include <algorithm>

namespace {

// Only the first 32 characters of a name count, as in the stored list.
constexpr int LunghezzaConfronto = 32;

QString TogliFonderia(const QString& famiglia) {
    const qsizetype inizio = famiglia.lastIndexOf(QLatin1String(" ["));
    if (inizio > 0 && famiglia.endsWith(QLatin1Char(']'))) return famiglia.left(inizio);
    return famiglia;
}

bool NomeGenerico(const QString& nome) {
    static const QStringList generici{"Sans Serif", "Serif", "Monospace", "Sans", "Mono", "Sans-Serif",
                                      "Cursive", "Fantasy", "System-ui"};
    return generici.contains(nome, Qt::CaseInsensitive);
}

bool Escluso(const QString& nome) {
    const QString chiave = nome.left(LunghezzaConfronto);
    return std::any_of(FontEsclusi().begin(), FontEsclusi().end(),
                       [&](const QString& e) { return e.left(LunghezzaConfronto) == chiave; });
}

void Ordina(QStringList& elenco) {
    std::stable_sort(elenco.begin(), elenco.end(),
                     [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
}

}  // namespace

const QStringList& FontEsclusi() {
    static const QStringList esclusi{
        "AdobeHeitiStd-Regular", "Academy Engraved LET Plain:1.0", "ACaslonPro-Italic", "AdobeFangsongStd-Regular",
        "AdobeHeitiStd-Regular", "AdobeKaitiStd-Regular", "AGaramondPro-Italic", "AngsanaUPC", "BirchStd",
        "Blackletter 686 BT", "Brush Script", "Brush Script MT Corsivo", "Calligraphic 421 BT", "Cambria Math",
        "Cartoon Regular", "DYMObvba Roman", "DigifaceWide Regular", "EccentricStd", "GiddyupStd",
        "GoodTimesRg-Regular", "Harlow Solid Italic", "Highlight LET Plain:1.0", "Holiday Pi BT", "Jessica Regular",
        "JoeHand2", "John Handy LET Plain:1.0", "Jokerman Alts LET Plain:1.0", "Jokerman LET Plain:1.0",
        "KozGoPr6N-Regular", "KozGoPro-Regular", "KozMinPr6N-Regular", "KozMinPro-Regular", "La Bamba LET Plain:1.0",
        "Lucida Calligraphy Italic", "Lucida Handwriting Corsivo", "Mekanik LET Plain:", "Mister Earl BT", "Modern",
        "Monotype Corsiva", "MS Outlook", "OCRAStd", "Old Dreadful No.7 BT", "Odessa LET Plain:1.0",
        "One Stroke Script LET Plain:", "Orange LET Plain:1.0", "OratorStd-Slanted", "OratorStd", "Palace Script MT",
        "Park Avenue BT", "Pump Demi Bold LET Plain:1.0", "Quixley LET Plain:1.0", "Rage Italic LET Plain:1.0",
        "Roboto Black", "Roman", "Ruach LET Plain:1.0", "Script", "Scruff LET Plain:1.0", "Smudger Alts LET Plain:1.0",
        "Smudger LET Plain:1.0", "Square 721 BT", "Stonehenge Regular", "Tiranti Solid LET Plain:1.0",
        "University Roman Alts LET Plain:", "University Roman LET Plain:1.0", "Valken Regular",
        "Victorian LET Plain:1.0", "Vivaldi Corsivo", "Westwood LET Plain:1.0"};
    return esclusi;
}

QStringList FiltraFont(const QList<RecordFont>& record) {
    QStringList elenco;
    for (const RecordFont& r : record) {
        if (!r.Scalabile || !r.PesoNormale || r.Privata) continue;
        const QString nome = TogliFonderia(r.Famiglia);
        if (nome.isEmpty() || nome.startsWith(QLatin1Char('@')) || NomeGenerico(nome) || Escluso(nome)) continue;
        if (!elenco.contains(nome)) elenco << nome;
    }
    Ordina(elenco);
    return elenco;
}

QList<RecordFont> FontInstallati() {
    QList<RecordFont> record;
    for (const QString& famiglia : QFontDatabase::families()) {
        RecordFont r;
        r.Famiglia = famiglia;
        r.Scalabile = QFontDatabase::isScalable(famiglia);
        r.Privata = QFontDatabase::isPrivateFamily(famiglia);
        const QStringList stili = QFontDatabase::styles(famiglia);
        r.PesoNormale = std::any_of(stili.begin(), stili.end(), [&](const QString& s) {
            return QFontDatabase::weight(famiglia, s) == QFont::Normal;
        });
        record << r;
    }
    return record;
}

SceltaFont SelezionaFont(QStringList elenco, const QString& nome,
                         const std::function<bool(const QString&)>& mappato) {
    if (elenco.isEmpty()) elenco << (nome.isEmpty() ? QStringLiteral("Sans") : nome);
    const QString cercato = nome.trimmed();
    qsizetype i = elenco.indexOf(cercato);
    if (i < 0 && !cercato.isEmpty() && mappato && mappato(cercato)) {
        elenco << cercato;
        Ordina(elenco);
        i = elenco.indexOf(cercato);
    }
    return {elenco, i < 0 ? 1 : int(i) + 1};
}

bool FontMappato(const QString& nome) {
    // A name fontconfig knows nothing of lands on its fallback face; one it maps by an alias
    // rule (Arial to Liberation Sans) lands elsewhere, or on a face of that very name.
    const QString resa = QFontInfo(QFont(nome)).family();
    if (resa.compare(nome, Qt::CaseInsensitive) == 0) return true;
    const QString ripiego = QFontInfo(QFont(QStringLiteral("Qv Nessun Font Cosi"))).family();
    return resa != ripiego;
}
