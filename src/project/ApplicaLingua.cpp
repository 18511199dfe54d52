#include "project/ApplicaLingua.h"

#include "project/ImpostazioniGlobali.h"
#include "project/TabellaLingue.h"

#include <vector>

namespace {

using F = FinestraLingua;
using P = ProprietaLingua;

constexpr BersaglioLingua kBersagli[] = {
    {1, F::Principale, P::TitoloFinestra, "", 0},
    {2, F::Principale, P::Caption, "ORVForm1", 0},
    {3, F::Principale, P::Voce, "IntroLista", 1},
    {4, F::Principale, P::Voce, "IntroLista", 2},
    {5, F::Principale, P::Voce, "IntroLista", 3},
    {6, F::Principale, P::Voce, "IntroLista", 4},
    {7, F::Principale, P::Voce, "IntroLista", 5},
    {8, F::Principale, P::Voce, "IntroLista", 6},
    {9, F::Principale, P::Voce, "IntroLista", 7},
    {10, F::Principale, P::Voce, "IntroLista", 8},
    {11, F::Principale, P::Voce, "IntroLista", 9},
    {12, F::Principale, P::Voce, "IntroLista", 10},
    {13, F::Principale, P::Caption, "IntroLabel", 0},
    {14, F::Principale, P::Scheda, "PagineHeader", 1},
    {16, F::Principale, P::Scheda, "PagineHeader", 2},
    {17, F::Principale, P::Scheda, "PagineHeader", 3},
    {18, F::Principale, P::Scheda, "PagineHeader", 4},
    {19, F::Principale, P::Scheda, "PagineHeader", 5},
    {20, F::Principale, P::Scheda, "PagineHeader", 6},
    {21, F::Principale, P::Caption, "PaginaDatiProgetto", 0},
    {22, F::Principale, P::Voce, "ProgettoRisoluzione", 1},
    {23, F::Principale, P::Voce, "ProgettoRisoluzione", 2},
    {24, F::Principale, P::Voce, "ProgettoFrameRate", 1},
    {25, F::Principale, P::Voce, "ProgettoFrameRate", 2},
    {26, F::Principale, P::Voce, "ProgettoFrameRate", 3},
    {27, F::Principale, P::Voce, "ProgettoFrameRate", 4},
    {28, F::Principale, P::Voce, "ProgettoFrameRate", 5},
    {29, F::Principale, P::Voce, "ProgettoFrameRate", 6},
    {30, F::Principale, P::Voce, "ProgettoFrameRate", 7},
    {31, F::Principale, P::Voce, "ProgettoFrameRate", 8},
    {32, F::Principale, P::Voce, "ProgettoFrameRate", 9},
    {33, F::Principale, P::Voce, "ProgettoFrameRate", 10},
    {34, F::Principale, P::Voce, "ProgettoFrameRate", 11},
    {35, F::Principale, P::Voce, "ProgettoFrameRate", 12},
    {36, F::Principale, P::Prefisso, "ProgettoDurata", 0},
    {37, F::Principale, P::Caption, "ProgettoLabelRisoluzione", 0},
    {38, F::Principale, P::Caption, "ProgettoLabelFrameRate", 0},
    {39, F::Principale, P::Caption, "ProgettoLabelDurata", 0},
    {40, F::Principale, P::Caption, "PaginaSfondo", 0},
    {41, F::Principale, P::Caption, "SfondoCheckSfondoColorato", 0},
    {42, F::Principale, P::Caption, "SfondoCheckSfondoTrasparente", 0},
    {43, F::Principale, P::Caption, "SfondoCheckSfondoBitmap", 0},
    {44, F::Principale, P::Caption, "SfondoCheckSfondoFlares", 0},
    {45, F::Principale, P::Caption, "SfondoBitmapCerca", 0},
    {46, F::Principale, P::Caption, "PaginaTesto", 0},
    {47, F::Principale, P::Caption, "LogoCerca", 0},
    {48, F::Principale, P::Caption, "PaginaFont", 0},
    {49, F::Principale, P::Caption, "FontLabelFont", 0},
    {50, F::Principale, P::Caption, "FontLabelFontOpacita", 0},
    {51, F::Principale, P::Caption, "FontLabelOutline1", 0},
    {52, F::Principale, P::Caption, "FontLabelOutline2", 0},
    {53, F::Principale, P::Caption, "FontLabelOutline2Dim", 0},
    {54, F::Principale, P::Caption, "FontLabelOutline1Dim", 0},
    {55, F::Principale, P::Caption, "FontLabelOutline1Opacita", 0},
    {56, F::Principale, P::Caption, "FontLabelOutline2Opacita", 0},
    {57, F::Principale, P::Caption, "FontLabelShadow", 0},
    {58, F::Principale, P::Caption, "FontLabelShadowDim", 0},
    {59, F::Principale, P::Caption, "FontLabelShadowOpacita", 0},
    {60, F::Principale, P::Caption, "FontLabelShadowOffsetY", 0},
    {61, F::Principale, P::Caption, "FontLabelShadowOffsetX", 0},
    {62, F::Principale, P::Caption, "FontLabelShadowOffset", 0},
    {63, F::Principale, P::Caption, "FontLabelGlow", 0},
    {64, F::Principale, P::Caption, "FontLabelGlowDim", 0},
    {65, F::Principale, P::Caption, "FontLabelGlowColoreInterno", 0},
    {66, F::Principale, P::Caption, "FontLabelFontSize", 0},
    {67, F::Principale, P::Caption, "PaginaEffetti", 0},
    {68, F::Principale, P::Caption, "EffettiNeveCheck", 0},
    {69, F::Principale, P::Caption, "EffettiLensFlareCheck", 0},
    {70, F::Principale, P::Caption, "EffettiParticelleCheck", 0},
    {71, F::Principale, P::Voce, "EffettiParticelleLista", 1},
    {72, F::Principale, P::Voce, "EffettiParticelleLista", 2},
    {73, F::Principale, P::Voce, "EffettiParticelleLista", 3},
    {74, F::Principale, P::Voce, "EffettiParticelleLista", 4},
    {75, F::Principale, P::Voce, "EffettiParticelleLista", 5},
    {76, F::Principale, P::Voce, "EffettiParticelleLista", 6},
    {77, F::Principale, P::Prefisso, "EffettiParticelleQuantita", 0},
    {78, F::Principale, P::Prefisso, "EffettiParticelleVita", 0},
    {79, F::Principale, P::Caption, "LabelLogo", 0},
    {80, F::Principale, P::Testo, "Testo1", 0},
    {81, F::Principale, P::Testo, "Testo2", 0},
    {82, F::Principale, P::Testo, "Testo3", 0},
    {83, F::Principale, P::Caption, "EffettiParticelleLabel", 0},
    {84, F::Principale, P::Caption, "Intro1Label", 0},
    {85, F::Principale, P::Voce, "Intro1Lista", 1},
    {86, F::Principale, P::Voce, "Intro1Lista", 2},
    {87, F::Principale, P::Voce, "Intro1Lista", 3},
    {88, F::Principale, P::Voce, "Intro1Lista", 4},
    {89, F::Principale, P::Voce, "Intro1Lista", 5},
    {90, F::Principale, P::Voce, "Intro1Lista", 6},
    {91, F::Principale, P::Voce, "Intro1Lista", 7},
    {92, F::Principale, P::Voce, "Intro1Lista", 8},
    {93, F::Principale, P::Voce, "Intro1Lista", 9},
    {94, F::Principale, P::Voce, "Intro1Lista", 10},
    {95, F::Principale, P::Voce, "Intro1Lista", 11},
    {96, F::Principale, P::Prefisso, "Interlinea", 0},
    {97, F::Principale, P::Caption, "Intro2Cerca", 0},
    {98, F::Principale, P::Caption, "Intro2Label", 0},
    {99, F::Principale, P::Caption, "Anima", 0},
    {100, F::Principale, P::Caption, "Configura", 0},
    {101, F::Principale, P::Caption, "Aggiorna", 0},
    {102, F::Principale, P::Caption, "Enfatizzare", 0},
    {103, F::Principale, P::Voce, "EffettoLensFlareLista", 1},
    {104, F::Principale, P::Voce, "EffettoLensFlareLista", 2},
    {105, F::Principale, P::Voce, "EffettoLensFlareLista", 3},
    {106, F::Principale, P::Prefisso, "Intro2LogoScala", 0},
    {107, F::Principale, P::Prefisso, "Intro2_Oscillazioni", 0},
    {108, F::Principale, P::Prefisso, "Intro2_Smorzamento", 0},
    {109, F::Principale, P::Caption, "Intro2Sfondo", 0},
    {110, F::Principale, P::Caption, "Intro2SfondoCerca", 0},
    {111, F::Principale, P::Caption, "Intro3Label", 0},
    {112, F::Principale, P::Caption, "Intro3Cerca", 0},
    {113, F::Principale, P::Prefisso, "Intro3LogoScala", 0},
    {114, F::Principale, P::Caption, "Intro3Sfondo", 0},
    {115, F::Principale, P::Caption, "Intro3SfondoCerca", 0},
    {116, F::Principale, P::Caption, "Intro4Label", 0},
    {117, F::Principale, P::Caption, "Intro4Cerca", 0},
    {118, F::Principale, P::Prefisso, "Intro4LogoScala", 0},
    {119, F::Principale, P::Caption, "Intro4LabelCamera", 0},
    {120, F::Principale, P::Caption, "Intro4LabelPosX", 0},
    {121, F::Principale, P::Caption, "Intro4LabelPosY", 0},
    {122, F::Principale, P::Caption, "Intro4LabelPosZ", 0},
    {123, F::Principale, P::Caption, "Intro4LabelFocale", 0},
    {124, F::Principale, P::Caption, "Intro4LabelPosizione", 0},
    {125, F::Principale, P::Caption, "Intro4LabelOnde", 0},
    {126, F::Principale, P::Caption, "Intro4LabelColore", 0},
    {127, F::Principale, P::Caption, "Intro4LabelDimensione", 0},
    {128, F::Principale, P::Caption, "Intro4LabelNumero", 0},
    {129, F::Principale, P::Caption, "Intro4LabelArea", 0},
    {130, F::Principale, P::Caption, "Intro4LabelOpacita", 0},
    {131, F::Principale, P::Caption, "Intro5Label", 0},
    {132, F::Principale, P::Caption, "Intro5Cerca", 0},
    {133, F::Principale, P::Prefisso, "Intro5LogoScala", 0},
    {134, F::Principale, P::Caption, "Intro6Sfondo", 0},
    {135, F::Principale, P::Caption, "Intro6SfondoCerca", 0},
    {136, F::Principale, P::Caption, "Intro6Laser", 0},
    {137, F::Principale, P::Caption, "Intro6Fumo", 0},
    {138, F::Principale, P::Caption, "Intro6Cerca", 0},
    {139, F::Principale, P::Caption, "Intro6LabelMessaggio", 0},
    {140, F::Principale, P::Caption, "Intro6Aggiorna", 0},
    {141, F::Principale, P::Testo, "Intro6Messaggio", 0},
    {142, F::Principale, P::Caption, "Intro7LabelMessaggio", 0},
    {143, F::Principale, P::Caption, "Intro7Aggiorna", 0},
    {144, F::Principale, P::Testo, "Intro7Messaggio", 0},
    {145, F::Principale, P::Caption, "Intro10Label", 0},
    {146, F::Principale, P::Voce, "Intro10Colori", 1},
    {147, F::Principale, P::Voce, "Intro10Colori", 2},
    {148, F::Principale, P::Voce, "Intro10Colori", 3},
    {149, F::Principale, P::Voce, "Intro10Colori", 4},
    {150, F::Principale, P::Voce, "Intro10Colori", 5},
    {151, F::Principale, P::Caption, "Intro10Rotazione", 0},
    {152, F::Principale, P::Caption, "Intro10Zoom", 0},
    {153, F::Principale, P::Caption, "Intro10DimMini", 0},
    {154, F::Principale, P::Caption, "Label2", 0},
    {155, F::Principale, P::Caption, "CercaDirectoryOutput", 0},
    {166, F::Principale, P::Caption, "TestoFlat", 0},
    {167, F::Principale, P::Caption, "Intro1ZoomIn", 0},
    {168, F::Principale, P::Caption, "TestoFlat1", 0},
    {177, F::Configurazione, P::Caption, "ORVForm1", 0},
    {178, F::Configurazione, P::Scheda, "ElencoPagine", 1},
    {179, F::Configurazione, P::Scheda, "ElencoPagine", 2},
    {180, F::Configurazione, P::Scheda, "ElencoPagine", 3},
    {181, F::Configurazione, P::Scheda, "ElencoPagine", 4},
    {182, F::Configurazione, P::Scheda, "ElencoPagine", 5},
    {183, F::Configurazione, P::Scheda, "ElencoPagine", 6},
    {184, F::Configurazione, P::Scheda, "ElencoPagine", 7},
    {185, F::Configurazione, P::Scheda, "ElencoPagine", 8},
    {186, F::Configurazione, P::Scheda, "ElencoPagine", 9},
    {187, F::Configurazione, P::Scheda, "ElencoPagine", 10},
    {188, F::Configurazione, P::Scheda, "ElencoPagine", 11},
    {189, F::Configurazione, P::Caption, "Label01", 0},
    {190, F::Configurazione, P::Caption, "Cerca01", 0},
    {191, F::Configurazione, P::Caption, "Label02", 0},
    {192, F::Configurazione, P::Caption, "Label03", 0},
    {193, F::Configurazione, P::Caption, "Label04", 0},
    {194, F::Configurazione, P::Caption, "Cerca02", 0},
    {195, F::Configurazione, P::Caption, "Cerca03", 0},
    {196, F::Configurazione, P::Caption, "Cerca04", 0},
    {197, F::Configurazione, P::Caption, "Label05", 0},
    {198, F::Configurazione, P::Caption, "Cerca05", 0},
    {199, F::Configurazione, P::Caption, "Label06", 0},
    {200, F::Configurazione, P::Caption, "Cerca06", 0},
    {201, F::Configurazione, P::Caption, "Impostazioni_Label_Lingua", 0},
    {202, F::Configurazione, P::Caption, "Impostazioni_Lingua0", 0},
    {203, F::Configurazione, P::Caption, "Impostazioni_Lingua1", 0},
    {204, F::Configurazione, P::Caption, "Impostazioni_Lingua2", 0},
    {205, F::Configurazione, P::Caption, "Impostazioni_Lingua3", 0},
    {206, F::Configurazione, P::Caption, "Impostazioni_Lingua4", 0},
    {207, F::Configurazione, P::Caption, "ORV_2016_Button5", 0},
};

// The model's lists that follow the language; the tab headers are the windows' own.
ListaVoci* ListaModello(ImpostazioniProgetto& m, const QString& nome)
{
    static const std::pair<const char*, ListaVoci ImpostazioniProgetto::*> liste[] = {
        {"IntroLista", &ImpostazioniProgetto::IntroLista},
        {"ProgettoRisoluzione", &ImpostazioniProgetto::ProgettoRisoluzione},
        {"ProgettoFrameRate", &ImpostazioniProgetto::ProgettoFrameRate},
        {"EffettiParticelleLista", &ImpostazioniProgetto::EffettiParticelleLista},
        {"Intro1Lista", &ImpostazioniProgetto::Intro1Lista},
        {"EffettoLensFlareLista", &ImpostazioniProgetto::EffettoLensFlareLista},
        {"Intro10Colori", &ImpostazioniProgetto::Intro10Colori},
    };
    for (const auto& [chiave, membro] : liste)
        if (nome == QLatin1String(chiave))
            return &(m.*membro);
    return nullptr;
}

// The edit boxes whose text the language writes.
QString* TestoModello(ImpostazioniProgetto& m, const QString& nome)
{
    static const std::pair<const char*, QString ImpostazioniProgetto::*> testi[] = {
        {"Testo1", &ImpostazioniProgetto::Testo1},
        {"Testo2", &ImpostazioniProgetto::Testo2},
        {"Testo3", &ImpostazioniProgetto::Testo3},
        {"Intro6Messaggio", &ImpostazioniProgetto::Intro6Messaggio},
        {"Intro7Messaggio", &ImpostazioniProgetto::Intro7Messaggio},
    };
    for (const auto& [chiave, membro] : testi)
        if (nome == QLatin1String(chiave))
            return &(m.*membro);
    return nullptr;
}

struct ListaRicostruita {
    FinestraLingua Finestra;
    ProprietaLingua Proprieta;
    QString Controllo;
    QStringList Voci;
};

}  // namespace

std::span<const BersaglioLingua> BersagliLingua()
{
    return kBersagli;
}

void ApplicaLingua(ImpostazioniProgetto& impostazioni, DestinazioneLingua* finestre)
{
    const int lingua = ImpostazioniGlobali.LinguaCorrente;
    std::vector<ListaRicostruita> liste;

    for (const BersaglioLingua& b : kBersagli) {
        const TestoMultilingua& voce = VoceLingua(b.Voce);
        const QString controllo = QLatin1String(b.Controllo);
        QString testo = voce.Testo(lingua);

        if (b.Proprieta == P::Voce || b.Proprieta == P::Scheda) {
            // The first item empties the list, so a second run never doubles it.
            if (b.Indice == 1)
                liste.push_back({b.Finestra, b.Proprieta, controllo, {}});
            for (ListaRicostruita& l : liste)
                if (l.Finestra == b.Finestra && l.Controllo == controllo)
                    l.Voci.append(testo);
            continue;
        }
        if (b.Proprieta == P::Testo) {
            if (QString* campo = TestoModello(impostazioni, controllo)) {
                if (voce.Contiene(*campo))
                    *campo = testo;
                testo = *campo;
            }
        }
        if (finestre)
            finestre->ImpostaTesto(b.Finestra, b.Proprieta, controllo, testo);
    }

    for (const ListaRicostruita& l : liste) {
        if (ListaVoci* lista = ListaModello(impostazioni, l.Controllo))
            lista->ImpostaElenco(l.Voci);
        if (finestre)
            finestre->ImpostaVoci(l.Finestra, l.Proprieta, l.Controllo, l.Voci);
    }
}
