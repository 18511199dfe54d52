#pragma once
// The project settings: one member per setting control of the main window (and the five
// language boxes of the configuration window), holding the control's value. The renderer,
// the project file and the presets read and write this model only; the controls are its
// views. Values set here fire nothing and are never clamped, except a list's item number;
// the readers of outside files (project, styles) clamp what they read to Intervalli.
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdint>

// A colour 0x00BBGGRR, red in the low byte.
using Colore = uint32_t;

// The 100 image paths; slot numbers are 0-based.
inline constexpr int NumeroSlotImmagini = 100;
using TabellaPercorsi = std::array<QString, NumeroSlotImmagini>;

// The value of a two-colour swatch.
struct DueColori {
    Colore Colore1 = 0xFFFFFF;
    Colore Colore2 = 0x000000;
    bool operator==(const DueColori&) const = default;
};

// A list stepper's value: the 1-based selected item and the items it chooses from.
// Setting an item number out of 1..count selects item 1, so a reader never indexes
// outside the list; the font list (Libera) keeps whatever number it is given.
class ListaVoci {
public:
    enum class Regola { Correggi, Libera };

    ListaVoci() = default;
    ListaVoci(QStringList elenco, int voce, Regola regola = Regola::Correggi);

    int Voce() const { return voce_; }
    void ImpostaVoce(int voce);
    ListaVoci& operator=(int voce)
    {
        ImpostaVoce(voce);
        return *this;
    }
    operator int() const { return voce_; }

    const QStringList& Elenco() const { return elenco_; }
    // New items (the language applier, the font list); the item number stays.
    void ImpostaElenco(const QStringList& elenco) { elenco_ = elenco; }
    int NumeroVoci() const { return static_cast<int>(elenco_.size()); }
    // Text of the selected item; empty when the number is outside the list.
    QString Testo() const;

    bool operator==(const ListaVoci&) const = default;

private:
    QStringList elenco_;
    int voce_ = 1;
    Regola regola_ = Regola::Correggi;
};

// The range of a number control; a value read from a file is brought into it.
struct Intervallo {
    int Minimo;
    int Massimo;
    int Limita(int valore) const { return std::clamp(valore, Minimo, Massimo); }
};

// The ranges of the number controls, shared by the project file and the text styles.
namespace Intervalli {
inline constexpr Intervallo Scelta{0, 1};  // a choice button's SelezionatoTipo
inline constexpr Intervallo Durata{0, 1000};
inline constexpr Intervallo Interlinea{-200, 200};
inline constexpr Intervallo FontSize{0, 200};
inline constexpr Intervallo Opacita{0, 100};
inline constexpr Intervallo Spessore{0, 30};  // outlines, glow, shadow
inline constexpr Intervallo SpostamentoOmbra{-100, 100};
inline constexpr Intervallo ParticelleQuantita{0, 1000};
inline constexpr Intervallo ParticelleVita{0, 300};
inline constexpr Intervallo LogoScala{1, 300};
inline constexpr Intervallo Oscillazioni{1, 300};
inline constexpr Intervallo Smorzamento{1, 1000};
inline constexpr Intervallo Asse{-1000, 1000};
inline constexpr Intervallo AsseZ{1, 1000};
inline constexpr Intervallo Focale{1, 1000};
inline constexpr Intervallo Posizione{1, 2000};
inline constexpr Intervallo Dimensione{240, 960};
inline constexpr Intervallo Onde{1, 10};
inline constexpr Intervallo Area{10, 100};
}  // namespace Intervalli

class ImpostazioniProgetto {
public:
    ImpostazioniProgetto();

    // Above the pages
    ListaVoci IntroLista;  // 1..10, the intro template

    // "Dati Progetto"
    QString CartellaOutput;  // shows PercorsoOutput
    bool UsaJpg = false;
    ListaVoci ProgettoRisoluzione;  // 1 "1280x720", 2 "1920x1080"
    ListaVoci ProgettoFrameRate;    // item text is the rate; default 11 ("25")
    int ProgettoDurata = 200;       // frames; mirrors ImpostazioniGlobali.TotaleFrame

    // "Sfondo"
    bool SfondoCheckSfondoColorato = true;
    bool SfondoCheckSfondoTrasparente = false;
    bool SfondoCheckSfondoBitmap = false;
    bool SfondoCheckSfondoFlares = false;
    DueColori SfondoColori{0xD6C700, 0x610700};
    QString SfondoBitmap;

    // "Testo da scrivere"
    QString Testo1 = QStringLiteral("Drovaskent");
    QString Testo2 = QStringLiteral("Presenta");
    QString Testo3 = QStringLiteral("Quenvox2");
    QStringList Testo;  // text 4, several lines
    int AlignT1SX = 0, AlignT1Centro = 1, AlignT1DX = 0;
    int AlignT2SX = 0, AlignT2Centro = 1, AlignT2DX = 0;
    int AlignT3SX = 0, AlignT3Centro = 1, AlignT3DX = 0;
    int AlignT4SX = 0, AlignT4Centro = 1, AlignT4DX = 0;
    int Logo1 = 0, Logo2 = 0, Logo3 = 0, Logo4 = 0;
    int LogoStyle1 = 0, LogoStyle2 = 0, LogoStyle3 = 0, LogoStyle4 = 0;
    int Interlinea = 1;
    int AlignVAlto = 0, AlignVCentro = 1, AlignVBasso = 0;
    QString Logo;

    // "Stile Carattere"
    ListaVoci FontElenco;  // installed font names; keeps any item number
    int FontSize = 160;
    DueColori FontColore{0x0079B3, 0x8AEBFF};
    bool FontTrasparente = false;
    bool FontBold = true;
    bool FontItalic = false;
    bool FontUnderline = false;
    int FontOpacita = 100;
    bool TestoFlat = false;
    bool Enfatizzare = true;
    bool FontOutline1Check = true;
    Colore FontOutline1Colore = 0x404040;
    int FontOutline1Size = 6;
    int FontOutline1Opacita = 100;
    bool FontOutline2Check = false;
    Colore FontOutline2Colore = 0xFFFFFF;
    int FontOutline2Size = 12;
    int FontOutline2Opacita = 100;
    bool FontGlowCheck = false;
    Colore FontGlowColore = 0xFF0080;
    int FontGlowSize = 6;
    Colore FontGlowColoreInterno = 0xFFFFC4;
    bool FontShadowCheck = true;
    Colore FontShadowColore = 0x000000;
    int FontShadowSize = 14;
    int FontShadowOpacita = 7;  // not saved
    int FontShadowOffsetX = 4;
    int FontShadowOffsetY = 4;

    // "Effetti"
    bool EffettiNeveCheck = false;
    bool EffettiLensFlareCheck = false;
    ListaVoci EffettoLensFlareLista;   // 1 "Standard", 2 "Lenti 1", 3 "Lenti 2"
    bool EffettiParticelleCheck = false;
    ListaVoci EffettiParticelleLista;  // 1 "Fuoco" .. 6 "Palle rimbalzanti"
    int EffettiParticelleQuantita = 150;
    int EffettiParticelleVita = 60;
    DueColori EffettiParticelleColore{0xFEAE9A, 0xA03C3C};

    // "Dati per Intro", sheet PI1
    ListaVoci Intro1Lista;  // 11 text motions, default 2
    bool Intro1ZoomIn = false;
    bool TestoFlat1 = false;

    // PI2
    QString Intro2LogoDaUtilizzare;
    int Intro2LogoScala = 150;
    int Intro2_Oscillazioni = 20;
    int Intro2_Smorzamento = 100;
    bool Intro2Sfondo = true;
    QString Intro2SfondoFile;

    // PI3
    QString Intro3LogoDaUtilizzare;
    int Intro3LogoScala = 150;
    bool Intro3Sfondo = true;
    QString Intro3SfondoFile;

    // PI4
    QString Intro4LogoDaUtilizzare;
    int Intro4LogoScala = 150;
    int Intro4AsseX = 1;
    int Intro4AsseY = 120;
    int Intro4AsseZ = 360;
    int Intro4Focale = 720;
    int Intro4Posizione = 1200;
    Colore Intro4Colore = 0xFF9203;
    int Intro4Dimensione = 805;
    int Intro4Onde = 2;
    int Intro4Area = 95;
    int Intro4Opacita = 100;

    // PI5
    QString Intro5LogoDaUtilizzare;
    int Intro5LogoScala = 150;

    // PI6
    bool Intro6Sfondo = true;
    QString Intro6SfondoFile;
    bool Intro6Laser = true;
    bool Intro6Fumo = true;
    QString Intro6Messaggio = QStringLiteral("Drovaskent");
    int Logo16 = 0;
    QString Logo6;
    int Intro6LogoScala = 150;  // not saved

    // PI7
    QString Intro7Messaggio = QStringLiteral("Drovaskent");

    // PI10
    ListaVoci Intro10Colori;  // 1 "Blu" .. 5 "Bianco"
    bool Intro10Rotazione = true;
    bool Intro10Zoom = true;
    bool Intro10DimMini = true;

    // Language boxes of the configuration window; exactly one is on.
    bool Impostazioni_Lingua0 = true;
    bool Impostazioni_Lingua1 = false;
    bool Impostazioni_Lingua2 = false;
    bool Impostazioni_Lingua3 = false;
    bool Impostazioni_Lingua4 = false;

    // The image table (slot paths) and the codec window's settings string, kept as is.
    TabellaPercorsi TabellaImmagini;
    QString ImpostazioniCodec;

    bool operator==(const ImpostazioniProgetto&) const = default;
};

// The items each list starts with (the form's Italian texts).
namespace VociPredefinite {
const QStringList& IntroLista();
const QStringList& ProgettoRisoluzione();
const QStringList& ProgettoFrameRate();
const QStringList& EffettoLensFlareLista();
const QStringList& EffettiParticelleLista();
const QStringList& Intro1Lista();
const QStringList& Intro10Colori();
}  // namespace VociPredefinite
