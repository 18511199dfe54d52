#include "project/TabellaImmagini.h"

#include "platform/CartelleUtente.h"
#include "platform/FileRegolare.h"
#include "platform/FileTesto.h"
#include "project/Banner.h"
#include "project/TestiMessaggi.h"


namespace {

const QString kNomeFileElenco = QStringLiteral("ElencoImmagini.txt");
// The first line: 511 characters of up to four bytes each, and its line end.
constexpr qint64 kMassimoPrimaRiga = 511 * 4 + 2;

// The name after the two-digit slot number, per range of slots.
struct FileSlot {
    int primo;
    int ultimo;
    const char* nome;
};

constexpr FileSlot kFileSlot[] = {
    {0, 0, "SfondoFlares.png"}, {1, 1, "Pavimento.jpg"},     {3, 3, "Metallo.jpg"},
    {4, 4, "Logo Quenvox.png"}, {5, 9, "Fiocconeve.png"},    {10, 14, "Flare.png"},
    {15, 19, "Fire.png"},       {20, 23, "Bolle.png"},       {24, 24, "Polvere.png"},
    {25, 27, "Fumo.png"},       {28, 28, "Shadow.png"},      {29, 29, "Catena.png"},
    {30, 35, "Fuoco Laser.png"},
};

// The ten groups of the list file: title and slot range.
struct Gruppo {
    const char* titolo;
    int primo;
    int ultimo;
};

constexpr Gruppo kGruppi[] = {
    {"IMMAGINI SFONDO", 0, 3},     {"IMMAGINI LOGO", 4, 4},    {"IMMAGINI NEVE", 5, 9},
    {"IMMAGINI FLARES", 10, 14},   {"IMMAGINI FUOCO", 15, 19}, {"IMMAGINI BOLLE", 20, 23},
    {"IMMAGINI POLVERE", 24, 24},  {"IMMAGINI FUMO", 25, 27},  {"IMMAGINI PER LOGHI", 28, 29},
    {"IMMAGINI LASER", 30, 35},
};

// Banner lines before their line end: 106 characters, 118 for the longer group 09 title.
int LarghezzaBanner(int gruppo) { return gruppo == 9 ? 118 : 106; }

QString PercorsoElenco(const QString& cartellaLavoro)
{
    return cartellaLavoro + QLatin1Char('/') + kNomeFileElenco;
}

// A path holding a line break would split its line; the break is written as a blank.
QString SenzaACapo(QString testo)
{
    testo.replace(QLatin1Char('\r'), QLatin1Char(' '));
    testo.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return testo;
}

}  // namespace

QString PercorsoPredefinitoImmagine(int slot, const QString& cartellaProgramma)
{
    // Slot 2 shares slot 1's floor picture.
    const int numero = slot == 2 ? 1 : slot;
    for (const FileSlot& f : kFileSlot) {
        if (numero >= f.primo && numero <= f.ultimo)
            return cartellaProgramma + QStringLiteral("/Intro/")
                   + QStringLiteral("%1 ").arg(numero, 2, 10, QLatin1Char('0'))
                   + QString::fromLatin1(f.nome);
    }
    return {};
}

QString EsitoElencoImmagini::Avviso(int lingua) const
{
    switch (Rifiuto) {
    case RifiutoFile::TroppoGrande:
        return TestoMessaggio(VoceMessaggio::ElencoImmaginiTroppoGrande, lingua)
            .arg(Percorso)
            .arg(Dimensione / (1024 * 1024));
    case RifiutoFile::NonUnFile: return TestoMessaggio(VoceMessaggio::ElencoImmaginiNonFile, lingua).arg(Percorso);
    case RifiutoFile::Nessuno:
    case RifiutoFile::Mancante:
    case RifiutoFile::NonApribile: break;
    }
    return {};
}

EsitoElencoImmagini CaricaElencoImmagini(TabellaPercorsi& tabella, const QString& cartellaLavoro,
                                         const QString& cartellaProgramma)
{
    EsitoElencoImmagini esito;
    esito.Percorso = PercorsoElenco(cartellaLavoro);
    // A pipe or a device in the list's place is not read: the defaults, as for a missing list.
    FileRegolare file = FileRegolare::Apri(esito.Percorso, LimiteByteElencoImmagini);
    esito.Rifiuto = file.Rifiuto();
    esito.Dimensione = file.Dimensione();
    QByteArray inizio;
    if (file.Rifiuto() == RifiutoFile::Nessuno && file.LeggiTutto(inizio, kMassimoPrimaRiga)) {
        // Only the first two characters count: the first line is read, no more.
        const qsizetype fine = inizio.indexOf('\n');
        if (DecodificaRiga(fine < 0 ? inizio : inizio.left(fine)).startsWith(QLatin1String("OK")))
            return esito;
    }
    for (int s = 0; s < NumeroSlotPredefiniti; ++s)
        tabella[static_cast<size_t>(s)] = PercorsoPredefinitoImmagine(s, cartellaProgramma);
    return esito;
}

EsitoElencoImmagini CaricaElencoImmagini(TabellaPercorsi& tabella)
{
    return CaricaElencoImmagini(tabella, CartellaLavoro, CartellaProgramma);
}

bool SalvaElencoImmagini(const TabellaPercorsi& tabella, const QString& cartellaLavoro,
                         QString* errore)
{
    ScrittoreTesto scrittore;
    int numero = 1;
    for (const Gruppo& g : kGruppi) {
        scrittore.Righe(RigheBanner(QString::fromLatin1(g.titolo), CorniceBanner::Semplice,
                                    LarghezzaBanner(numero)));
        for (int s = g.primo; s <= g.ultimo; ++s) {
            scrittore.Riga(QStringLiteral("%1%2 ")
                               .arg(numero, 2, 10, QLatin1Char('0'))
                               .arg(s - g.primo + 1, 3, 10, QLatin1Char('0'))
                           + SenzaACapo(tabella[static_cast<size_t>(s)]));
        }
        ++numero;
    }
    const QString percorso = PercorsoElenco(cartellaLavoro);
    if (scrittore.Salva(percorso, errore)) return true;
    if (errore) *errore = percorso + QStringLiteral(": ") + *errore;
    return false;
}

bool SalvaElencoImmagini(const TabellaPercorsi& tabella, QString* errore)
{
    return SalvaElencoImmagini(tabella, CartellaLavoro, errore);
}
