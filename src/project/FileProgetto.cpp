#include "project/FileProgetto.h"

#include "platform/CartelleUtente.h"
#include "platform/FileRegolare.h"
#include "platform/FileTesto.h"
#include "platform/Stringhe.h"
#include "project/Banner.h"
#include "project/ImpostazioniGlobali.h"
#include "project/MotivoImmagine.h"
#include "project/PresetIntro.h"
#include "project/TestiMessaggi.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FunzioneApplicaLingua applicaLingua;

const QString kNomeFile = QStringLiteral("ProgettoQuenvox.txt");
const QString kSuffissoSessione = QStringLiteral(".nuovo");
// The sessions saved apart that the next start tells, one path a line, in the work folder.
const QString kFileSessioni = QStringLiteral("SessioniSalvate.txt");
const QString kChiaveTitolo = QStringLiteral("Titolo");
const QString kChiaveVersione = QStringLiteral("Versione");
const QString kTitolo = QStringLiteral("Quenvox progetto");
const QString kVersioneScritta = QStringLiteral("2.3");
const QString kFontPredefinito = QStringLiteral("Arial");

// The codec keys of the older layouts, read as numbers and dropped.
const char* const kCodec20[] = {"ProresCB1", "ProresCB2",  "ProresCB3",    "ProresCB4", "ProresQualita",
                                "MP4CB1",    "MP4CB2",     "MP4CB3",       "MP4CB4",    "MP4Qualita",
                                "H264Velocita", "H264Qualita"};
const char* const kCodec22[] = {"X264Velocita", "X264Qualita",  "X264LossLess", "X264ImpTune",
                                "X264Tune",     "X265Velocita", "X265Qualita",  "X265LossLess"};

enum class Versione { V20, V22, V23 };

// The 18-character prefix of a key line: the key padded to 16, then ": ".
QString Prefisso(const QString& chiave)
{
    return chiave.leftJustified(16, QLatin1Char(' ')) + QStringLiteral(": ");
}

QString ChiaveFile(int slot) { return QStringLiteral("File %1").arg(slot + 1, 4, 10, QLatin1Char('0')); }

// A text holding a line break would split its line and shift every later key.
QString SenzaACapo(QString testo)
{
    testo.replace(QLatin1Char('\r'), QLatin1Char(' '));
    testo.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return testo;
}

Colore DaByte(int r, int g, int b)
{
    return static_cast<Colore>(r & 0xFF) | static_cast<Colore>(g & 0xFF) << 8
           | static_cast<Colore>(b & 0xFF) << 16;
}

// The language boxes: the last one on gives the language (0 when none is on).
int LinguaDelleCaselle(const ImpostazioniProgetto& m)
{
    const bool caselle[] = {m.Impostazioni_Lingua0, m.Impostazioni_Lingua1, m.Impostazioni_Lingua2,
                            m.Impostazioni_Lingua3, m.Impostazioni_Lingua4};
    int lingua = 0;
    for (int i = 0; i < 5; ++i)
        if (caselle[i]) lingua = i;
    return lingua;
}

// Only the box of the language in force stays on, so the boxes and the interface never disagree.
void MostraLinguaNelleCaselle(ImpostazioniProgetto& m)
{
    bool* caselle[] = {&m.Impostazioni_Lingua0, &m.Impostazioni_Lingua1, &m.Impostazioni_Lingua2,
                       &m.Impostazioni_Lingua3, &m.Impostazioni_Lingua4};
    for (int i = 0; i < 5; ++i) *caselle[i] = i == ImpostazioniGlobali.LinguaCorrente;
}

// The file layout, walked by the writer and by the reader alike, so both keep one order.
template <class Visitatore, class Modello>
void Percorri(Visitatore& v, Modello& m, Versione versione)
{
    v.Sezione("DATI INTERFACCIA");
    v.PrimaDelleLingue(m);
    v.Flag("Lingua0", m.Impostazioni_Lingua0);
    v.Flag("Lingua1", m.Impostazioni_Lingua1);
    v.Flag("Lingua2", m.Impostazioni_Lingua2);
    v.Flag("Lingua3", m.Impostazioni_Lingua3);
    v.Flag("Lingua4", m.Impostazioni_Lingua4);
    v.Flag("JPG", m.UsaJpg);
    v.DopoLingue(m);

    v.Sezione("DATI PROGETTO");
    v.CartellaOutput("Cartella Output");
    v.Lista("Risoluzione", m.ProgettoRisoluzione);
    v.Lista("Frame Rate", m.ProgettoFrameRate);
    v.Durata("Durata", m.ProgettoDurata, Intervalli::Durata);
    v.Lista("Intro", m.IntroLista);
    v.DopoIntro(m);

    v.Sezione("DATI CODIFICA");
    if (versione == Versione::V23) {
        v.Testo("Codec", m.ImpostazioniCodec);
    } else {
        v.Scarta("Codec");
        for (const char* chiave : kCodec20) v.Scarta(chiave);
        if (versione == Versione::V22)
            for (const char* chiave : kCodec22) v.Scarta(chiave);
    }

    v.Sezione("DATI SFONDO");
    v.Flag("SfondoColorato", m.SfondoCheckSfondoColorato);
    v.Flag("SfondoTrasparen", m.SfondoCheckSfondoTrasparente);
    v.Flag("SfondoBitmap", m.SfondoCheckSfondoBitmap);
    v.Flag("SfondoFlares", m.SfondoCheckSfondoFlares);
    v.Colore("SfondoColori1", m.SfondoColori.Colore1);
    v.Colore("SfondoColori2", m.SfondoColori.Colore2);
    v.Testo("SfondoBitmap", m.SfondoBitmap);

    v.Sezione("DATI TESTO");
    v.TestoLingua("Testo1", m.Testo1);
    v.TestoLingua("Testo2", m.Testo2);
    v.TestoLingua("Testo3", m.Testo3);
    v.Memo("Testo4 nrighe", m.Testo);
    v.Numero("AlignT1SX", m.AlignT1SX, Intervalli::Scelta);
    v.Numero("AlignT1Centro", m.AlignT1Centro, Intervalli::Scelta);
    v.Numero("AlignT1DX", m.AlignT1DX, Intervalli::Scelta);
    v.Numero("Logo1", m.Logo1, Intervalli::Scelta);
    v.Numero("LogoStyle1", m.LogoStyle1, Intervalli::Scelta);
    v.Numero("AlignT2SX", m.AlignT2SX, Intervalli::Scelta);
    v.Numero("AlignT2Centro", m.AlignT2Centro, Intervalli::Scelta);
    v.Numero("AlignT2DX", m.AlignT2DX, Intervalli::Scelta);
    v.Numero("Logo2", m.Logo2, Intervalli::Scelta);
    v.Numero("LogoStyle2", m.LogoStyle2, Intervalli::Scelta);
    v.Numero("AlignT3SX", m.AlignT3SX, Intervalli::Scelta);
    v.Numero("AlignT3Centro", m.AlignT3Centro, Intervalli::Scelta);
    v.Numero("AlignT3DX", m.AlignT3DX, Intervalli::Scelta);
    v.Numero("Logo3", m.Logo3, Intervalli::Scelta);
    v.Numero("LogoStyle3", m.LogoStyle3, Intervalli::Scelta);
    v.Numero("AlignT4SX", m.AlignT4SX, Intervalli::Scelta);
    v.Numero("AlignT4Centro", m.AlignT4Centro, Intervalli::Scelta);
    v.Numero("AlignT4DX", m.AlignT4DX, Intervalli::Scelta);
    v.Numero("Logo4", m.Logo4, Intervalli::Scelta);
    v.Numero("LogoStyle4", m.LogoStyle4, Intervalli::Scelta);
    v.Numero("Interlinea", m.Interlinea, Intervalli::Interlinea);
    v.Numero("AlignVAlto", m.AlignVAlto, Intervalli::Scelta);
    v.Numero("AlignVCentro", m.AlignVCentro, Intervalli::Scelta);
    v.Numero("AlignVBasso", m.AlignVBasso, Intervalli::Scelta);
    v.Testo("Logo", m.Logo);

    v.Sezione("DATI FONT");
    v.NomeFont("Nome Font", m.FontElenco);
    v.Numero("Font Size", m.FontSize, Intervalli::FontSize);
    v.Colore("FontColore1", m.FontColore.Colore1);
    v.Colore("FontColore2", m.FontColore.Colore2);
    v.Flag("FontTrasparente", m.FontTrasparente);
    v.Flag("FontBold", m.FontBold);
    v.Flag("FontItalic", m.FontItalic);
    v.Flag("FontUnderline", m.FontUnderline);
    v.Numero("FontOpacita", m.FontOpacita, Intervalli::Opacita);
    v.Flag("TestoFlat", m.TestoFlat);
    v.Flag("Enfatizzare", m.Enfatizzare);
    v.Flag("Outline1Check", m.FontOutline1Check);
    v.Colore("Outline1Colore", m.FontOutline1Colore);
    v.Numero("Outline1Size", m.FontOutline1Size, Intervalli::Spessore);
    v.Numero("Outline1Opacita", m.FontOutline1Opacita, Intervalli::Opacita);
    v.Flag("Outline2Check", m.FontOutline2Check);
    v.Colore("Outline2Colore", m.FontOutline2Colore);
    v.Numero("Outline2Size", m.FontOutline2Size, Intervalli::Spessore);
    v.Numero("Outline2Opacita", m.FontOutline2Opacita, Intervalli::Opacita);
    v.Flag("GlowCheck", m.FontGlowCheck);
    v.Colore("GlowColore", m.FontGlowColore);
    v.Numero("GlowSize", m.FontGlowSize, Intervalli::Spessore);
    v.Colore("GlowColoreint", m.FontGlowColoreInterno);
    v.Flag("ShadowCheck", m.FontShadowCheck);
    v.Colore("ShadowColore", m.FontShadowColore);
    v.Numero("ShadowSize", m.FontShadowSize, Intervalli::Spessore);
    v.Numero("ShadowOffsetX", m.FontShadowOffsetX, Intervalli::SpostamentoOmbra);
    v.Numero("ShadowOffsetY", m.FontShadowOffsetY, Intervalli::SpostamentoOmbra);

    v.Sezione("DATI EFFETTI");
    v.Flag("NeveCheck", m.EffettiNeveCheck);
    v.Flag("LensFlareCheck", m.EffettiLensFlareCheck);
    v.Lista("LensFlareLista", m.EffettoLensFlareLista);
    v.Flag("ParticelleCheck", m.EffettiParticelleCheck);
    v.Lista("ParticelleLista", m.EffettiParticelleLista);
    v.Numero("ParticelleQuanti", m.EffettiParticelleQuantita, Intervalli::ParticelleQuantita);
    v.Numero("ParticelleVita", m.EffettiParticelleVita, Intervalli::ParticelleVita);
    v.Colore("ParticColore1", m.EffettiParticelleColore.Colore1);
    v.Colore("ParticColore2", m.EffettiParticelleColore.Colore2);

    v.Sezione("DATI CONFIGURAZIONE IMMAGINI");
    for (int s = 0; s < NumeroSlotImmagini; ++s)
        v.Immagine(ChiaveFile(s), m.TabellaImmagini[static_cast<size_t>(s)]);

    v.Sezione("DATI INTRO 1");
    v.Lista("Intro1Lista", m.Intro1Lista);
    v.Flag("Intro1ZoomIn", m.Intro1ZoomIn);
    v.Flag("TestoFlat1", m.TestoFlat1);

    v.Sezione("DATI INTRO 2");
    v.Testo("Intro2LogoDaUtil", m.Intro2LogoDaUtilizzare);
    v.Numero("Intro2LogoScala", m.Intro2LogoScala, Intervalli::LogoScala);
    v.Flag("Intro2Sfondo", m.Intro2Sfondo);
    v.Testo("Intro2SfondoFile", m.Intro2SfondoFile);
    v.Numero("Intro2_Smorzamen", m.Intro2_Smorzamento, Intervalli::Smorzamento);
    v.Numero("Intro2_Oscillazi", m.Intro2_Oscillazioni, Intervalli::Oscillazioni);

    v.Sezione("DATI INTRO 3");
    v.Testo("Intro3LogoDaUtil", m.Intro3LogoDaUtilizzare);
    v.Numero("Intro3LogoScala", m.Intro3LogoScala, Intervalli::LogoScala);
    v.Flag("Intro3Sfondo", m.Intro3Sfondo);
    v.Testo("Intro3SfondoFile", m.Intro3SfondoFile);

    v.Sezione("DATI INTRO 4");
    v.Testo("Intro4LogoDaUtil", m.Intro4LogoDaUtilizzare);
    v.Numero("Intro4LogoScala", m.Intro4LogoScala, Intervalli::LogoScala);
    v.Numero("Intro4AsseX", m.Intro4AsseX, Intervalli::Asse);
    v.Numero("Intro4AsseY", m.Intro4AsseY, Intervalli::Asse);
    v.Numero("Intro4AsseZ", m.Intro4AsseZ, Intervalli::AsseZ);
    v.Numero("Intro4Focale", m.Intro4Focale, Intervalli::Focale);
    v.Numero("Intro4Posizione", m.Intro4Posizione, Intervalli::Posizione);
    v.Colore("Intro4Colore", m.Intro4Colore);
    v.Numero("Intro4Dimensione", m.Intro4Dimensione, Intervalli::Dimensione);
    v.Numero("Intro4Opacita", m.Intro4Opacita, Intervalli::Opacita);
    v.Numero("Intro4Onde", m.Intro4Onde, Intervalli::Onde);
    v.Numero("Intro4Area", m.Intro4Area, Intervalli::Area);

    v.Sezione("DATI INTRO 5");
    v.Testo("Intro5LogoDaUtil", m.Intro5LogoDaUtilizzare);
    v.Numero("Intro5LogoScala", m.Intro5LogoScala, Intervalli::LogoScala);

    v.Sezione("DATI INTRO 6");
    v.Flag("Intro6Sfondo", m.Intro6Sfondo);
    v.Testo("Intro6SfondoFile", m.Intro6SfondoFile);
    v.Flag("Intro6Laser", m.Intro6Laser);
    v.Flag("Intro6Fumo", m.Intro6Fumo);
    v.TestoLingua("Intro6Messaggio", m.Intro6Messaggio);
    v.Numero("Logo16", m.Logo16, Intervalli::Scelta);
    v.Testo("Logo6", m.Logo6);

    v.Sezione("DATI INTRO 7");
    v.TestoLingua("Intro7Messaggio", m.Intro7Messaggio);

    v.Sezione("DATI INTRO 8");
    v.Sezione("DATI INTRO 9");

    v.Sezione("DATI INTRO 10");
    v.Lista("Intro10Colori", m.Intro10Colori);
    v.Flag("Intro10Rotazione", m.Intro10Rotazione);
    v.Flag("Intro10Zoom", m.Intro10Zoom);
    v.Flag("Intro10DimMini", m.Intro10DimMini);
}

class Scrittore {
public:
    ScrittoreTesto file;

    void Riga(const QString& chiave, const QString& valore)
    {
        file.Riga(Prefisso(chiave) + SenzaACapo(valore));
    }
    void Sezione(const char* titolo)
    {
        file.Righe(RigheBanner(QString::fromLatin1(titolo), CorniceBanner::Commento));
    }
    void Numero(const QString& chiave, int valore) { Riga(chiave, QString::number(valore)); }
    void Numero(const QString& chiave, int valore, Intervallo) { Numero(chiave, valore); }
    void Flag(const QString& chiave, bool valore) { Numero(chiave, valore ? 1 : 0); }
    void Lista(const QString& chiave, const ListaVoci& lista) { Numero(chiave, lista.Voce()); }
    void Durata(const QString& chiave, int valore, Intervallo) { Numero(chiave, valore); }
    void Testo(const QString& chiave, const QString& valore) { Riga(chiave, valore); }
    void TestoLingua(const QString& chiave, const QString& valore) { Riga(chiave, valore); }
    void Immagine(const QString& chiave, const QString& valore) { Riga(chiave, valore); }
    void CartellaOutput(const QString& chiave) { Riga(chiave, PercorsoOutput); }
    void Colore(const QString& chiave, ::Colore c)
    {
        Numero(chiave + QLatin1Char('R'), static_cast<int>(c & 0xFF));
        Numero(chiave + QLatin1Char('G'), static_cast<int>((c >> 8) & 0xFF));
        Numero(chiave + QLatin1Char('B'), static_cast<int>((c >> 16) & 0xFF));
    }
    void Memo(const QString& chiave, const QStringList& righe)
    {
        Numero(chiave, static_cast<int>(righe.size()));
        for (const QString& r : righe) Riga(QString(), r);
    }
    void NomeFont(const QString& chiave, const ListaVoci& font)
    {
        const QString nome = font.Testo();
        Riga(chiave, nome.isNull() ? kFontPredefinito : nome);
    }
    void Scarta(const char*) {}
    void PrimaDelleLingue(const ImpostazioniProgetto&) {}
    void DopoLingue(const ImpostazioniProgetto&) {}
    void DopoIntro(const ImpostazioniProgetto&) {}
};

class Lettore {
public:
    explicit Lettore(LettoreTesto& file) : file_(file) {}

    bool ok = true;
    QString nomeFont = kFontPredefinito;
    // The five language-dependent texts as read, put back after the language is applied.
    std::vector<std::pair<QString*, QString>> testiLetti;

    void Sezione(const char*)
    {
        QString scartata;
        for (int i = 0; i < 7; ++i) file_.LeggiRiga(scartata);
    }
    // The next line's value under the key, while no earlier key failed.
    std::optional<QString> Valore(const QString& chiave)
    {
        if (!ok)
            return std::nullopt;
        QString riga;
        QString valore;
        ok = file_.LeggiRiga(riga) && LeggiCampoTesto(riga, Prefisso(chiave), valore);
        if (!ok)
            return std::nullopt;
        return valore;
    }
    std::optional<int> ValoreNumero(const QString& chiave)
    {
        if (!ok)
            return std::nullopt;
        QString riga;
        int valore = 0;
        // A number without digits is a line cut short or damaged, not a 0.
        bool cifre = false;
        ok = file_.LeggiRiga(riga) && LeggiCampoNumero(riga, Prefisso(chiave), valore, &cifre) && cifre;
        if (!ok)
            return std::nullopt;
        return valore;
    }

    // A number from a file is brought into its control's range: a glow of 100000 would take
    // minutes to draw.
    void Numero(const QString& chiave, int& destinazione, Intervallo intervallo)
    {
        if (auto v = ValoreNumero(chiave)) destinazione = intervallo.Limita(*v);
    }
    void Flag(const QString& chiave, bool& destinazione)
    {
        if (auto v = ValoreNumero(chiave)) destinazione = *v != 0;
    }
    void Lista(const QString& chiave, ListaVoci& lista)
    {
        if (auto v = ValoreNumero(chiave)) lista = *v;
    }
    void Durata(const QString& chiave, int& durata, Intervallo intervallo)
    {
        if (auto v = ValoreNumero(chiave)) {
            durata = intervallo.Limita(*v);
            ImpostazioniGlobali.TotaleFrame = static_cast<float>(durata);
        }
    }
    void Scarta(const char* chiave) { ValoreNumero(QString::fromLatin1(chiave)); }
    void Testo(const QString& chiave, QString& destinazione)
    {
        if (auto v = Valore(chiave)) destinazione = *v;
    }
    void TestoLingua(const QString& chiave, QString& destinazione)
    {
        if (auto v = Valore(chiave)) {
            destinazione = *v;
            testiLetti.emplace_back(&destinazione, *v);
        }
    }
    void Immagine(const QString& chiave, QString& destinazione)
    {
        if (auto v = Valore(chiave)) {
            TogliSpaziFinali(*v);
            destinazione = *v;
        }
    }
    void CartellaOutput(const QString& chiave) { Valore(chiave); }  // the folder stays as built at start
    void Colore(const QString& chiave, ::Colore& destinazione)
    {
        const auto r = ValoreNumero(chiave + QLatin1Char('R'));
        const auto g = ValoreNumero(chiave + QLatin1Char('G'));
        const auto b = ValoreNumero(chiave + QLatin1Char('B'));
        if (r && g && b) destinazione = DaByte(*r, *g, *b);
    }
    void Memo(const QString& chiave, QStringList& righe)
    {
        const auto n = ValoreNumero(chiave);
        if (!n)
            return;
        righe.clear();
        for (int i = 0; i < *n && ok; ++i) {
            if (auto v = Valore(QString())) {
                TogliSpaziFinali(*v);
                righe.append(*v);
            }
        }
    }
    void NomeFont(const QString& chiave, ListaVoci&)
    {
        nomeFont = kFontPredefinito;
        if (auto v = Valore(chiave)) {
            TogliSpaziFinali(*v);
            nomeFont = *v;
        }
    }
    // A box the file does not reach (a file cut inside the block) counts as off.
    void PrimaDelleLingue(ImpostazioniProgetto& m)
    {
        m.Impostazioni_Lingua0 = m.Impostazioni_Lingua1 = m.Impostazioni_Lingua2 = m.Impostazioni_Lingua3 =
            m.Impostazioni_Lingua4 = false;
    }
    void DopoLingue(ImpostazioniProgetto& m)
    {
        // Only a block read whole gives the language; a cut one leaves Italian, and the boxes
        // show the language applied at the end whichever it is.
        if (ok) ImpostazioniGlobali.LinguaCorrente = LinguaDelleCaselle(m);
        MostraLinguaNelleCaselle(m);
        if (ok && applicaLingua) applicaLingua(m);
    }
    void DopoIntro(ImpostazioniProgetto& m)
    {
        if (ok) ImpostaPredefinitiIntro(m);
    }

private:
    LettoreTesto& file_;
};

// The file as it was read, beside itself; an older copy is replaced.
void TieniBackup(const QString& percorso, const QByteArray& contenuto, EsitoCaricamento& esito)
{
    const QString copia = percorso + QStringLiteral(".bak");
    QString errore;
    if (!SalvaContenuto(copia, contenuto, &errore)) {
        esito.ErroreBackup = copia + QStringLiteral(": ") + errore;
        return;
    }
    esito.PercorsoBackup = copia;
}

std::optional<Versione> VersioneDi(const QString& valore)
{
    const QString tre = valore.left(3);
    if (tre == QLatin1String("2.0")) return Versione::V20;
    if (tre == QLatin1String("2.2")) return Versione::V22;
    if (tre == QLatin1String("2.3")) return Versione::V23;
    return std::nullopt;
}

// A version after the last one this program writes ("2.4", "3.0"), by its leading numbers.
bool VersionePiuNuova(const QString& valore)
{
    const QStringList parti = valore.trimmed().split(QLatin1Char('.'));
    bool ok = false;
    const int maggiore = parti.value(0).toInt(&ok);
    if (!ok) return false;
    int minore = 0;
    for (QChar c : parti.value(1)) {
        if (!c.isDigit() || c.unicode() > 127) break;
        minore = std::min(minore * 10 + (c.unicode() - '0'), 100000);
    }
    return maggiore > 2 || (maggiore == 2 && minore > 3);
}

}  // namespace

void InstallaApplicaLingua(FunzioneApplicaLingua applica)
{
    applicaLingua = std::move(applica);
}

QString PercorsoFileProgetto()
{
    return PercorsoOutputPredefinito + QLatin1Char('/') + kNomeFile;
}

bool LeggiCampoTesto(const QString& riga, const QString& chiave, QString& valore)
{
    if (!riga.startsWith(chiave, Qt::CaseSensitive))
        return false;
    valore = riga.mid(chiave.size());
    return true;
}

bool LeggiCampoNumero(const QString& riga, const QString& chiave, int& valore, bool* cifre)
{
    QString testo;
    if (!LeggiCampoTesto(riga, chiave, testo))
        return false;
    TogliSpaziFinali(testo);
    TogliSpaziIniziali(testo);
    qsizetype i = 0;
    bool negativo = false;
    if (i < testo.size() && (testo[i] == QLatin1Char('-') || testo[i] == QLatin1Char('+')))
        negativo = testo[i++] == QLatin1Char('-');
    // Collected as the magnitude in 64 bits, stopped once it is past any 32-bit value.
    constexpr int64_t kLimite = static_cast<int64_t>(std::numeric_limits<int>::max()) + 1;
    int64_t modulo = 0;
    const qsizetype primaCifra = i;
    for (; i < testo.size() && testo[i] >= QLatin1Char('0') && testo[i] <= QLatin1Char('9'); ++i)
        if (modulo <= kLimite) modulo = modulo * 10 + (testo[i].unicode() - '0');
    if (cifre) *cifre = i > primaCifra;
    const int64_t numero = negativo ? -modulo : modulo;
    if (numero > std::numeric_limits<int>::max())
        valore = std::numeric_limits<int>::max();
    else if (numero < std::numeric_limits<int>::min())
        valore = std::numeric_limits<int>::min();
    else
        valore = static_cast<int>(numero);
    return true;
}

namespace {

ScrittoreTesto ContenutoProgetto(const ImpostazioniProgetto& impostazioni)
{
    Scrittore s;
    s.Testo(kChiaveTitolo, kTitolo);
    s.Testo(kChiaveVersione, kVersioneScritta);
    Percorri(s, impostazioni, Versione::V23);
    return s.file;
}

}  // namespace

bool SalvaProgetto(const ImpostazioniProgetto& impostazioni, QString* errore, const QString& percorso)
{
    return ContenutoProgetto(impostazioni).Salva(percorso, errore);
}

EsitoCaricamento CaricaProgetto(ImpostazioniProgetto& impostazioni, const QString& percorso)
{
    EsitoCaricamento esito;
    ImpostazioniGlobali.LinguaCorrente = LinguaItaliano;

    LettoreTesto file;
    // An empty file is no project: nothing to read and nothing worth a copy.
    if (!file.Apri(percorso) || file.Contenuto().isEmpty()) {
        // A file that is there but cannot be read is the user's project all the same.
        if (!file.Assente() && file.Rifiuto() != RifiutoFile::Nessuno) {
            esito.Illeggibile = true;
            esito.ErroreLettura = MotivoFile(file.Rifiuto(), file.Dimensione(), file.Errore());
        }
        MostraLinguaNelleCaselle(impostazioni);
        if (applicaLingua) applicaLingua(impostazioni);
        return esito;
    }
    esito.FileAperto = true;

    Lettore lettore(file);
    std::optional<Versione> versione;
    if (lettore.Valore(kChiaveTitolo)) {
        if (auto v = lettore.Valore(kChiaveVersione)) {
            versione = VersioneDi(*v);
            if (!versione && VersionePiuNuova(*v)) esito.VersioneNuova = v->trimmed().left(20);
        }
    }
    if (versione) {
        esito.Riconosciuto = true;
        Percorri(lettore, impostazioni, *versione);
        esito.Completo = lettore.ok;
        esito.NomeFontCorrente = lettore.nomeFont;
    }
    esito.RigheMiste = file.RigheMiste();

    if (!esito.Completo || esito.RigheMiste > 0) TieniBackup(percorso, file.Contenuto(), esito);

    MostraLinguaNelleCaselle(impostazioni);
    if (applicaLingua) applicaLingua(impostazioni);
    // The language writes its own default texts; a project's own texts win.
    for (auto& [destinazione, valore] : lettore.testiLetti) *destinazione = valore;
    return esito;
}

QString AvvisoCaricamento(const EsitoCaricamento& esito, const QString& percorso)
{
    using V = VoceMessaggio;
    if (esito.Illeggibile) return TestoMessaggio(V::ProgettoIlleggibile).arg(percorso, esito.ErroreLettura);
    if (!esito.FileAperto || (esito.Completo && esito.RigheMiste == 0)) return {};
    const auto copia = [&] {
        return esito.PercorsoBackup.isEmpty() ? TestoMessaggio(V::CopiaProgettoNonConservata).arg(esito.ErroreBackup)
                                              : TestoMessaggio(V::CopiaProgettoConservata).arg(esito.PercorsoBackup);
    };
    if (!esito.VersioneNuova.isEmpty())
        return TestoMessaggio(V::ProgettoVersioneNuova).arg(esito.VersioneNuova) + QLatin1Char(' ') + copia();
    if (!esito.Riconosciuto) return TestoMessaggio(V::ProgettoNonRiconosciuto) + QLatin1Char(' ') + copia();
    if (esito.Completo) return TestoMessaggio(V::ProgettoTestoMisto) + QLatin1Char(' ') + copia();
    return esito.PercorsoBackup.isEmpty()
               ? TestoMessaggio(V::ProgettoDanneggiatoSenzaCopia).arg(esito.ErroreBackup)
               : TestoMessaggio(V::ProgettoDanneggiato).arg(esito.PercorsoBackup);
}

namespace {

QString Riserva(const QString& cartella) { return QDir::cleanPath(cartella.isEmpty() ? CartellaLavoro : cartella); }

// A list of a few paths: anything larger is not ours.
constexpr qint64 kLimiteFileSessioni = 1024 * 1024;

// The last place for a rescue, when every folder of the user's own is read-only or full: a folder
// of the user's alone in the system's temporary folder, which a logout leaves as it is (unlike the
// runtime folder, which it empties). Made only when asked; empty, with the reason, when it cannot
// be made or is not the user's alone (another user made it first, or a link stands there).
QString CartellaTemporanea(bool crea, QString* errore = nullptr)
{
    const QString cartella =
        QDir::cleanPath(QDir::tempPath() + QStringLiteral("/quenvox-") + QString::number(::geteuid()));
    const QByteArray nome = QFile::encodeName(cartella);
    const auto rifiuta = [&](const QString& motivo) {
        if (errore) *errore = QStringLiteral("%1: %2").arg(cartella, motivo);
        return QString();
    };
    if (crea && ::mkdir(nome.constData(), 0700) != 0 && errno != EEXIST) return rifiuta(qt_error_string(errno));
    struct stat info {};
    if (::lstat(nome.constData(), &info) != 0) return rifiuta(qt_error_string(errno));
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid() || (info.st_mode & 077) != 0)
        return rifiuta(QStringLiteral("not a folder of this user's alone"));
    return cartella;
}

// The folders a rescue may lie in, clean, in the order they are tried: beside the project, the
// work folder, the home folder, then the temporary one when it is there.
QStringList CartelleSessione(const QString& progetto, const QString& cartellaRiserva)
{
    QStringList cartelle;
    for (const QString& c : {QFileInfo(progetto).absolutePath(), Riserva(cartellaRiserva), QDir::homePath(),
                             CartellaTemporanea(false)}) {
        const QString pulita = QDir::cleanPath(c);
        if (!c.isEmpty() && !cartelle.contains(pulita)) cartelle << pulita;
    }
    return cartelle;
}

QString BaseSessione(const QString& cartella) { return cartella + QLatin1Char('/') + kNomeFile + kSuffissoSessione; }

// The names a rescue takes: base, base2, base3...
QString NomeSessione(const QString& base, int n) { return n == 1 ? base : base + QString::number(n); }
constexpr int kMassimoSessioni = 9999;

const QRegularExpression& NomeCopia()
{
    static const QRegularExpression nome(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(kNomeFile + kSuffissoSessione) + QStringLiteral("([2-9]|[1-9][0-9]{1,3})?")));
    return nome;
}

// Only the program's own rescue copies, in the folders it puts them (any folder when cartelle is
// null), still there as files of their own: a damaged or planted list names nothing else.
bool CopiaNostra(const QString& percorso, const QStringList* cartelle)
{
    const QFileInfo info(percorso);
    if (!info.isAbsolute() || !NomeCopia().match(info.fileName()).hasMatch()) return false;
    if (cartelle && !cartelle->contains(QDir::cleanPath(info.absolutePath()))) return false;
    return !info.isSymLink() && FileRegolare::Apri(percorso).Aperto();
}

// The lists of rescues not told yet: the work folder's, and the temporary folder's when a rescue
// could not note itself in the work folder.
QStringList CartelleListe(const QString& cartellaRiserva)
{
    QStringList cartelle = {Riserva(cartellaRiserva)};
    const QString temporanea = CartellaTemporanea(false);
    if (!temporanea.isEmpty() && !cartelle.contains(temporanea)) cartelle << temporanea;
    return cartelle;
}

QString FileSessioni(const QString& cartella) { return cartella + QLatin1Char('/') + kFileSessioni; }

// One list as it stands, only the lines that still name one of ours, each once and spelled clean
// (a folder given with a trailing or a double slash names the same copy); usabile false when the
// list is there but cannot be used (a pipe, a device, a folder, far too large, unreadable).
QStringList LeggiSessioni(const QString& cartellaLista, const QStringList* cartelle, bool* usabile)
{
    LettoreTesto file;
    const bool letto = file.Apri(FileSessioni(cartellaLista), kLimiteFileSessioni);
    *usabile = letto || file.Assente();
    QStringList salvate;
    QString riga;
    while (file.LeggiRiga(riga)) {
        const QString pulita = QDir::cleanPath(riga);
        if (!salvate.contains(pulita) && CopiaNostra(pulita, cartelle)) salvate << pulita;
    }
    return salvate;
}

// Every copy of ours on disk, for when a list cannot be used: whatever copies the user took
// away, those left are all found.
QStringList CopieSulDisco(const QString& cartellaRiserva, const QString& progetto)
{
    const QStringList cartelle = CartelleSessione(progetto, cartellaRiserva);
    QStringList trovate;
    for (const QString& cartella : cartelle) {
        QList<std::pair<int, QString>> numerate;
        const QStringList voci = QDir(cartella).entryList({kNomeFile + kSuffissoSessione + QLatin1Char('*')},
                                                          QDir::AllEntries | QDir::System | QDir::Hidden);
        for (const QString& voce : voci) {
            const QRegularExpressionMatch m = NomeCopia().match(voce);
            if (!m.hasMatch()) continue;
            const QString nome = cartella + QLatin1Char('/') + voce;
            if (CopiaNostra(nome, &cartelle)) numerate.append({m.captured(1).isEmpty() ? 1 : m.captured(1).toInt(), nome});
        }
        std::sort(numerate.begin(), numerate.end());
        for (const auto& [numero, nome] : numerate)
            if (!trovate.contains(nome)) trovate << nome;
    }
    return trovate;
}

// Held while the list is read and written again: two programs ending together each add their
// own line, neither loses the other's.
class BloccoSessioni {
public:
    explicit BloccoSessioni(const QString& cartella)
        : fd_(::open(QFile::encodeName(cartella).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (fd_ >= 0)
            while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    ~BloccoSessioni()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    BloccoSessioni(const BloccoSessioni&) = delete;
    BloccoSessioni& operator=(const BloccoSessioni&) = delete;

private:
    int fd_;
};

// Writes the list anew; whatever stands in its place that is not a folder (a pipe, a link, a
// device entry, a file far too large) is taken away first.
bool ScriviSessioni(const QStringList& salvate, const QString& cartellaLista, QString* errore)
{
    const QString file = FileSessioni(cartellaLista);
    const QFileInfo info(file);
    // A link is taken away, never followed: the list is written only as a file of its own.
    if (info.isSymLink() || (info.exists() && !info.isFile() && !info.isDir())) QFile::remove(file);
    if (salvate.isEmpty()) {
        if (QFileInfo(file).isDir()) return true;
        return !QFileInfo::exists(file) || QFile::remove(file);
    }
    ScrittoreTesto scrittore;
    scrittore.Righe(salvate);
    return scrittore.Salva(file, errore);
}

// Adds a rescue to one list; false, with the reason, when the list cannot be written there.
bool AnnotaSessione(const QString& copia, const QString& cartellaLista, const QString& cartellaRiserva,
                    const QString& progetto, QString* errore)
{
    const BloccoSessioni blocco(cartellaLista);
    bool usabile = true;
    // Any copy of ours the list holds stays, wherever its project was.
    QStringList note = LeggiSessioni(cartellaLista, nullptr, &usabile);
    if (!usabile) note = CopieSulDisco(cartellaRiserva, progetto);
    if (!note.contains(copia)) note << copia;
    return ScriviSessioni(note, cartellaLista, errore);
}

// The session goes under the first of base, base2, base3... that it can take for itself.
bool SalvaSottoNomeLibero(const ScrittoreTesto& contenuto, const QString& base, QString* dove, QStringList& errori)
{
    for (int n = 1; n <= kMassimoSessioni; ++n) {
        const QString nome = NomeSessione(base, n);
        bool occupato = false;
        QString errore;
        if (contenuto.SalvaNuovo(nome, &occupato, &errore)) {
            *dove = nome;
            return true;
        }
        if (!occupato) {
            errori << QStringLiteral("%1: %2").arg(nome, errore);
            return false;
        }
    }
    errori << QStringLiteral("%1: %2").arg(base, qt_error_string(EEXIST));
    return false;
}

}  // namespace

EsitoSalvataggioSessione SalvaProgettoFineSessione(const ImpostazioniProgetto& impostazioni, bool progettoIlleggibile,
                                                   const QString& giaUsato, const QString& percorso,
                                                   const QString& cartellaRiserva)
{
    EsitoSalvataggioSessione esito;
    const auto prova = [&](const QString& dove, bool daParte) {
        if (dove.isEmpty() || !esito.Percorso.isEmpty()) return;
        QString errore;
        if (SalvaProgetto(impostazioni, &errore, dove)) {
            esito.Percorso = dove;
            esito.DaParte = daParte;
        } else {
            esito.Errori << QStringLiteral("%1: %2").arg(dove, errore);
        }
    };
    if (!giaUsato.isEmpty()) prova(giaUsato, giaUsato != percorso);
    if (!progettoIlleggibile) prova(percorso, false);
    const ScrittoreTesto contenuto = ContenutoProgetto(impostazioni);
    const auto salvaIn = [&](const QString& cartella) {
        if (esito.Percorso.isEmpty() && SalvaSottoNomeLibero(contenuto, BaseSessione(cartella), &esito.Percorso, esito.Errori))
            esito.DaParte = true;
    };
    for (const QString& cartella : CartelleSessione(percorso, cartellaRiserva)) salvaIn(cartella);
    if (esito.Percorso.isEmpty()) {
        // Every folder of the user's own is read-only or full: the session is not lost for that.
        QString errore;
        const QString temporanea = CartellaTemporanea(true, &errore);
        if (temporanea.isEmpty())
            esito.Errori << errore;
        else
            salvaIn(temporanea);
    }

    if (esito.DaParte && esito.Percorso != giaUsato) {
        // Noted in the work folder, or else beside the temporary rescues, so a start finds it.
        QString errore;
        bool annotata = AnnotaSessione(esito.Percorso, Riserva(cartellaRiserva), cartellaRiserva, percorso, &errore);
        if (!annotata) {
            esito.Errori << QStringLiteral("%1: %2").arg(FileSessioni(Riserva(cartellaRiserva)), errore);
            QString erroreTemporanea;
            const QString temporanea = CartellaTemporanea(true, &erroreTemporanea);
            if (temporanea.isEmpty())
                esito.Errori << erroreTemporanea;
            else if (!AnnotaSessione(esito.Percorso, temporanea, cartellaRiserva, percorso, &errore))
                esito.Errori << QStringLiteral("%1: %2").arg(FileSessioni(temporanea), errore);
        }
    }
    return esito;
}

QStringList SessioniSalvateDaParte(const QString& cartellaRiserva, const QString& progetto)
{
    const QStringList cartelle = CartelleSessione(progetto, cartellaRiserva);
    QStringList salvate;
    bool tutteUsabili = true;
    for (const QString& cartellaLista : CartelleListe(cartellaRiserva)) {
        bool usabile = true;
        for (const QString& copia : LeggiSessioni(cartellaLista, &cartelle, &usabile))
            if (!salvate.contains(copia)) salvate << copia;
        tutteUsabili = tutteUsabili && usabile;
    }
    // A list that cannot be used still leaves every copy of ours to be named.
    if (!tutteUsabili)
        for (const QString& copia : CopieSulDisco(cartellaRiserva, progetto))
            if (!salvate.contains(copia)) salvate << copia;
    return salvate;
}

void SessioniSegnalate(const QStringList& percorsi, const QString& cartellaRiserva, const QString& progetto)
{
    const QStringList cartelle = CartelleSessione(progetto, cartellaRiserva);
    for (const QString& cartellaLista : CartelleListe(cartellaRiserva)) {
        const BloccoSessioni blocco(cartellaLista);
        bool usabile = true;
        QStringList restano = LeggiSessioni(cartellaLista, &cartelle, &usabile);
        restano.removeIf([&](const QString& p) { return percorsi.contains(p); });
        ScriviSessioni(restano, cartellaLista, nullptr);
    }
}
