#include "dialogs/Forvdlgsceltacodec.h"

#include "controls/Orv_2016_button.h"
#include "controls/Orv_2016_check.h"
#include "controls/Orv_2016_label.h"
#include "controls/Orv_2016_lista.h"
#include "controls/Orv_2016_spinnumber.h"
#include "controls/Orv_2016_stile.h"
#include "controls/Orvform.h"
#include "controls/Orvformclient.h"
#include "controls/Orvheader.h"
#include "controls/Orvpannellobordo.h"
#include "controls/Orvvideostato.h"
#include "controls/PaginaScorrevole.h"
#include "controls/Posizionamento.h"
#include "controls/TFlatMemo.h"
#include "dialogs/TestiSceltaCodec.h"
#include "encoding/RigaComando.h"
#include "encoding/TestiCodifica.h"
#include "platform/CartelleUtente.h"
#include "project/ImpostazioniProgetto.h"

#include <QDateTime>
#include <QDir>
#include <QFontMetrics>
#include <QStackedWidget>

#include <algorithm>

namespace {

// The window and its bands, in client coordinates.
constexpr int LarghezzaFinestra = 1280;
constexpr int AltezzaFinestra = 840;
constexpr int Margine = 8;
constexpr int AltezzaBarraComando = 112;
constexpr int BordoHeader = 40;

// The grid of a page: label column, control column, help column.
constexpr int XEtichette = 16;
constexpr int SpazioColonne = 16;
constexpr int LarghezzaControlli = 260;
constexpr int SpazioAiuto = 32;
constexpr int YPrimaRiga = 16;
constexpr int SpazioRighe = 22;
constexpr int AltezzaControllo = 28;
constexpr int PassoRadio = 34;
constexpr int RientroTesto = 6;
constexpr int LarghezzaPulsante = 150;

constexpr TColor ColoreEtichette = 0x0080FF;
constexpr TColor ColoreValori = 0xC0C0C0;
constexpr TColor ColoreGrigio = 0x404040;
constexpr TColor ColoreRosso = 0x3C3CE0;

int Limita(int valore, const ORV_2016_SpinNumber* n) {
    return std::clamp(valore, n->ORV_ValoreMin(), n->ORV_ValoreMax());
}

// The member that is on (1-based), 0 when none is.
template <class Membro>
int MembroAcceso(const QList<Membro*>& gruppo) {
    for (int i = 0; i < gruppo.size(); ++i)
        if (gruppo[i]->Checked()) return i + 1;
    return 0;
}

// Exactly the given member on; a value outside the group leaves it as it is, never empty.
template <class Membro>
void AccendiMembro(const QList<Membro*>& gruppo, int membro) {
    if (membro < 1 || membro > gruppo.size()) return;
    for (int i = 0; i < gruppo.size(); ++i) gruppo[i]->SetChecked(i + 1 == membro);
}

// The grey of the lossless switches reaches labels, values and help texts alike.
void ImpostaColore(QWidget* w, TColor colore) {
    if (auto* l = qobject_cast<ORV_2016_Label*>(w)) l->SetColoreFont(colore);
    if (auto* l = qobject_cast<ORV_2016_Lista*>(w)) l->SetColoreFont(colore);
    if (auto* n = qobject_cast<ORV_2016_SpinNumber*>(w)) n->SetColoreFont(colore);
    if (auto* m = qobject_cast<TFlatMemo*>(w)) {
        m->setProperty("ColoreTesto", colore);
        m->setStyleSheet(QStringLiteral("QPlainTextEdit { background: transparent; border: none; color: %1; "
                                        "padding: 0px; }")
                             .arg(ColoreDaTColor(colore).name()));
    }
}

QFont FontMemo() {
    return FontControllo("Calibri", 11);
}

// The height a help text takes when wrapped at a width, with the memo's own margins.
int AltezzaMemo(const QString& testo, int larghezza) {
    const QFontMetrics m(FontMemo());
    const QRect r = m.boundingRect(QRect(0, 0, larghezza - 12, 100000), Qt::TextWordWrap, testo);
    return r.height() + 14;
}

// The widest caption of the label column in any language, so the grid is the same in all.
int LarghezzaColonnaEtichette() {
    const QFont font = FontControllo("Calibri", 12);
    int larghezza = 0;
    const VoceSceltaCodec voci[] = {VoceSceltaCodec::ProresProfilo, VoceSceltaCodec::ProresQualita,
                                    VoceSceltaCodec::Mp4Profilo, VoceSceltaCodec::Qualita, VoceSceltaCodec::Preset};
    for (VoceSceltaCodec v : voci)
        for (int lingua = 0; lingua < 5; ++lingua)
            larghezza = std::max(larghezza, LarghezzaTesto(font, TestoSceltaCodec(v, lingua)));
    return larghezza;
}

int XControlli() {
    return XEtichette + LarghezzaColonnaEtichette() + SpazioColonne;
}

int XAiuto() {
    return XControlli() + LarghezzaControlli + SpazioAiuto;
}

// Walks down a page, one row per setting; the next row starts below the tallest part.
class Righe {
public:
    explicit Righe(int inizio = YPrimaRiga) : y(inizio) {}
    int Y() const { return y; }
    void Avanza(int altezza) { y += std::max(altezza, AltezzaControllo) + SpazioRighe; }

private:
    int y;
};

}  // namespace

TORVDLGSceltaCodec::TORVDLGSceltaCodec(QWidget* owner) : DialogoOrv(owner) {
    resize(LarghezzaFinestra, AltezzaFinestra);
    Cornice()->SetBtnVisibleClose(true);
    CreaControlli();
    Collega();
    ImpostaScelta(SceltaCodec());
    ApplicaTesti();
    ApplicaImpostazioniCodec();
}

void TORVDLGSceltaCodec::CreaControlli() {
    stile = new ORV_2016_Stile(this);
    stile->hide();
    ORVFormClient* c = Client();
    const int larghezzaClient = LarghezzaFinestra - c->NonAreaClientSX() - c->NonAreaClientDX();
    const int altezzaClient = AltezzaFinestra - c->NonAreaClientSU() - c->NonAreaClientGIU();
    c->resize(larghezzaClient, altezzaClient);

    header = new ORVHeader(Client());
    header->setObjectName(QStringLiteral("HeaderCodec"));
    header->CreaBitmap(40);
    header->SetORV_Pannelli(SchedeCodec());
    header->SetBorderWidth(BordoHeader);
    header->setGeometry(Margine, Margine, larghezzaClient - 2 * Margine,
                        altezzaClient - 3 * Margine - AltezzaBarraComando);
    const QStringList nomiPagine = {"PaginaAppleProRes", "PaginaMp4",   "PaginaHuffYUV", "PaginaH264",
                                    "PaginaX264",        "PaginaX265", "PaginaPreset"};
    for (const QString& nome : nomiPagine) {
        // On a short screen a page's help texts scroll; its controls are built on the content.
        auto* pagina = new PaginaScorrevole;
        pagina->setObjectName(nome);
        pagina->Contenuto()->resize(header->width() - 2 * BordoHeader, header->height() - 2 * BordoHeader);
        header->Pagine()->addWidget(pagina);
        pagine << pagina->Contenuto();
    }
    CreaPaginaProres();
    CreaPaginaMp4();
    CreaPaginaHuffYUV();
    CreaPaginaH264();
    CreaPaginaX264();
    CreaPaginaX265();
    CreaPaginaPreset();
    // Placed after they were added: each page is as tall as what it now holds.
    for (int i = 0; i < header->Pagine()->count(); ++i)
        if (auto* pagina = qobject_cast<PaginaScorrevole*>(header->Pagine()->widget(i))) pagina->Adatta();

    barraComando = new ORVPannelloBordo(Client());
    barraComando->SetColor(0x2D2D2D);
    barraComando->SetBorderColor(0x404040);
    barraComando->setGeometry(Margine, altezzaClient - Margine - AltezzaBarraComando, larghezzaClient - 2 * Margine,
                              AltezzaBarraComando);
    CreaBarraComando();
}

void TORVDLGSceltaCodec::Disponi() {
    // The window follows the work area as every window does: the command bar keeps its height
    // at the bottom and the pages take what is left.
    const ORVFormClient* c = Client();
    const int larghezzaClient = width() - c->NonAreaClientSX() - c->NonAreaClientDX();
    const int altezzaClient = height() - c->NonAreaClientSU() - c->NonAreaClientGIU();
    header->setGeometry(Margine, Margine, larghezzaClient - 2 * Margine,
                        std::max(0, altezzaClient - 3 * Margine - AltezzaBarraComando));
    barraComando->setGeometry(Margine, std::max(Margine, altezzaClient - Margine - AltezzaBarraComando),
                              larghezzaClient - 2 * Margine, AltezzaBarraComando);
    DisponiBarraComando();
}

void TORVDLGSceltaCodec::resizeEvent(QResizeEvent* e) {
    DialogoOrv::resizeEvent(e);
    Disponi();
}

ORV_2016_Label* TORVDLGSceltaCodec::Etichetta(QWidget* pagina, const QString& nome, VoceSceltaCodec voce, int y) {
    auto* l = new ORV_2016_Label(pagina);
    l->setObjectName(nome);
    l->SetAlignment(Qt::AlignRight);
    l->SetColoreFont(ColoreEtichette);
    l->setGeometry(XEtichette - RientroTesto, y, LarghezzaColonnaEtichette() + 2 * RientroTesto, AltezzaControllo);
    etichette.push_back({l, int(voce)});
    return l;
}

ORV_2016_Check* TORVDLGSceltaCodec::Check(QWidget* pagina, const QString& nome, const QString& caption, int y) {
    auto* c = new ORV_2016_Check(pagina);
    c->setObjectName(nome);
    c->SetORV_Stile(stile);
    c->SetCaption(caption);
    c->setGeometry(XControlli(), y, LarghezzaControlli, c->height());
    return c;
}

// One member per caption, named prefisso1, prefisso2, ..., one under the other.
QList<ORV_2016_Check*> TORVDLGSceltaCodec::GruppoRadio(QWidget* pagina, const QString& prefisso,
                                                       const QStringList& captions, int y) {
    QList<ORV_2016_Check*> gruppo;
    for (int i = 0; i < captions.size(); ++i) {
        auto* c = Check(pagina, prefisso + QString::number(i + 1), captions[i], y + i * PassoRadio);
        c->SetRadio(true);
        gruppo << c;
    }
    return gruppo;
}

ORV_2016_SpinNumber* TORVDLGSceltaCodec::Numero(QWidget* pagina, const QString& nome, int minimo, int massimo,
                                                int y) {
    auto* n = new ORV_2016_SpinNumber(pagina);
    n->setObjectName(nome);
    n->SetORV_Stile(stile);
    n->SetORV_ValoreMin(minimo);
    n->SetORV_ValoreMax(massimo);
    n->SetORV_ValoreIncremento(1);
    n->SetORV_ValoreCambioCtrl(5);
    n->SetORV_GapCambioValore(5);
    n->SetColoreFont(ColoreValori);
    n->setGeometry(XControlli(), y, LarghezzaControlli, n->height());
    return n;
}

ORV_2016_Lista* TORVDLGSceltaCodec::Lista(QWidget* pagina, const QString& nome, const QStringList& voci, int y) {
    auto* l = new ORV_2016_Lista(pagina);
    l->setObjectName(nome);
    l->SetORV_Stile(stile);
    l->SetORV_Elenco(voci);
    l->SetORV_GapCambioValore(30);
    l->SetColoreFont(ColoreValori);
    l->setGeometry(XControlli(), y, LarghezzaControlli, l->height());
    return l;
}

TFlatMemo* TORVDLGSceltaCodec::Memo(QWidget* pagina, const QString& nome, const QStringList& testi, int x, int y,
                                    int larghezza) {
    auto* m = new TFlatMemo(pagina);
    m->setObjectName(nome);
    m->setReadOnly(true);
    m->setFont(FontMemo());
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m->setFocusPolicy(Qt::NoFocus);
    m->SetText(testi.value(0));
    ImpostaColore(m, ColoreValori);
    // As tall as the longest of its texts, so the page is laid out once for every language.
    int altezza = 0;
    for (const QString& t : testi) altezza = std::max(altezza, AltezzaMemo(t, larghezza));
    m->setGeometry(x, y, larghezza, altezza);
    return m;
}

namespace {

QStringList TestiAiuto(AiutoCodec aiuto) {
    return {TestoAiuto(aiuto), TestoAiuto(aiuto, 0)};
}

}  // namespace

TFlatMemo* TORVDLGSceltaCodec::MemoIntro(QWidget* pagina, const QString& nome, AiutoCodec aiuto) {
    TFlatMemo* m =
        Memo(pagina, nome, TestiAiuto(aiuto), XEtichette, YPrimaRiga, pagina->width() - 2 * XEtichette);
    aiuti.push_back({m, aiuto});
    return m;
}

TFlatMemo* TORVDLGSceltaCodec::MemoAiuto(QWidget* pagina, const QString& nome, AiutoCodec aiuto, int y) {
    TFlatMemo* m = MemoAiuto(pagina, nome, TestiAiuto(aiuto), y);
    aiuti.push_back({m, aiuto});
    return m;
}

TFlatMemo* TORVDLGSceltaCodec::MemoAiuto(QWidget* pagina, const QString& nome, const QStringList& testi, int y) {
    return Memo(pagina, nome, testi, XAiuto(), y, pagina->width() - XAiuto() - XEtichette);
}

void TORVDLGSceltaCodec::CreaPaginaProres() {
    QWidget* p = pagine[0];
    Righe righe;
    righe.Avanza(MemoIntro(p, "ProresMemo1", AiutoCodec::ProresCodec)->height());

    Etichetta(p, "ProresLabelProfilo", VoceSceltaCodec::ProresProfilo, righe.Y());
    proresCB = GruppoRadio(p, "ProresCB", VariantiProres(), righe.Y());
    auto* profili = MemoAiuto(p, "ProresMemo2", AiutoCodec::ProresProfili, righe.Y());
    righe.Avanza(std::max(3 * PassoRadio + AltezzaControllo, profili->height()));

    Etichetta(p, "ProresLabelQualita", VoceSceltaCodec::ProresQualita, righe.Y());
    proresQualita = Numero(p, "ProresQualita", 0, 32, righe.Y());
    MemoAiuto(p, "ProresMemo3", AiutoCodec::ProresQualita, righe.Y());
}

void TORVDLGSceltaCodec::CreaPaginaMp4() {
    QWidget* p = pagine[1];
    Righe righe;
    righe.Avanza(MemoIntro(p, "MP4Memo1", AiutoCodec::Mp4Codec)->height());

    Etichetta(p, "MP4LabelProfilo", VoceSceltaCodec::Mp4Profilo, righe.Y());
    mp4CB = GruppoRadio(p, "MP4CB", VariantiMp4(), righe.Y());
    auto* profili = MemoAiuto(p, "MP4Memo2", AiutoCodec::Mp4Profili, righe.Y());
    righe.Avanza(std::max(3 * PassoRadio + AltezzaControllo, profili->height()));

    Etichetta(p, "MP4LabelQualita", VoceSceltaCodec::Qualita, righe.Y());
    mp4Qualita = Numero(p, "MP4Qualita", 1, 31, righe.Y());
    MemoAiuto(p, "MP4Memo3", AiutoCodec::Mp4Qualita, righe.Y());
}

void TORVDLGSceltaCodec::CreaPaginaHuffYUV() {
    QWidget* p = pagine[2];
    Righe righe;
    righe.Avanza(MemoIntro(p, "HuffYUVMemo1", AiutoCodec::HuffYUVCodec)->height());
    huffYUVVariante = Check(p, "HuffYUVVariante", QString(), righe.Y());
    MemoAiuto(p, "HuffYUVMemo2", AiutoCodec::HuffYUVVariante, righe.Y());
}

QList<QWidget*> TORVDLGSceltaCodec::PresetQualita::Tutti() const {
    return {EtichettaPreset, Preset, AiutoPreset, EtichettaQualita, Qualita, AiutoQualita};
}

TORVDLGSceltaCodec::PresetQualita TORVDLGSceltaCodec::CreaPresetQualita(QWidget* p, const QString& prefisso,
                                                                       int massimo, AiutoCodec aiutoQualita, int y) {
    Righe righe(y);
    PresetQualita r;
    r.EtichettaPreset = Etichetta(p, prefisso + "LabelPreset", VoceSceltaCodec::Preset, righe.Y());
    r.Preset = Lista(p, prefisso + "Preset", VociPresetCodec(), righe.Y());
    r.AiutoPreset = MemoAiuto(p, prefisso + "Memo2", AiutoCodec::Preset, righe.Y());
    righe.Avanza(r.AiutoPreset->height());
    r.EtichettaQualita = Etichetta(p, prefisso + "LabelQualita", VoceSceltaCodec::Qualita, righe.Y());
    r.Qualita = Numero(p, prefisso + "Qualita", 0, massimo, righe.Y());
    r.AiutoQualita = MemoAiuto(p, prefisso + "Memo3", aiutoQualita, righe.Y());
    righe.Avanza(r.AiutoQualita->height());
    r.YDopo = righe.Y();
    return r;
}

void TORVDLGSceltaCodec::CreaPaginaH264() {
    QWidget* p = pagine[3];
    Righe righe;
    righe.Avanza(MemoIntro(p, "H264Memo1", AiutoCodec::H264Codec)->height());
    const PresetQualita r = CreaPresetQualita(p, "H264", 51, AiutoCodec::Crf, righe.Y());
    h264Preset = r.Preset;
    h264Qualita = r.Qualita;
}

void TORVDLGSceltaCodec::CreaPaginaX264() {
    QWidget* p = pagine[4];
    Righe righe;
    righe.Avanza(MemoIntro(p, "X264Memo1", AiutoCodec::X264Codec)->height());
    const PresetQualita r = CreaPresetQualita(p, "X264", 51, AiutoCodec::Crf, righe.Y());
    x264Preset = r.Preset;
    x264Qualita = r.Qualita;
    righe = Righe(r.YDopo);

    x264Lossless = Check(p, "X264Lossless", QString::fromLatin1(CaptionLossless), righe.Y());
    auto* aiutoLossless = MemoAiuto(p, "X264Memo4", AiutoCodec::X264Lossless, righe.Y());
    righe.Avanza(aiutoLossless->height());

    x264Tune = Check(p, "X264Tune", QString::fromLatin1(CaptionTune), righe.Y());
    x264TuneValue = Lista(p, "X264TuneValue", VociTuneCodec(), righe.Y() + PassoRadio);
    MemoAiuto(p, "X264Memo5", AiutoCodec::X264Tune, righe.Y());

    // Lossless overrides the preset and the quality only; the tune stays in the command.
    grigiX264 = r.Tutti();
}

void TORVDLGSceltaCodec::CreaPaginaX265() {
    QWidget* p = pagine[5];
    Righe righe;
    righe.Avanza(MemoIntro(p, "X265Memo1", AiutoCodec::X265Codec)->height());
    const PresetQualita r = CreaPresetQualita(p, "X265", 51, AiutoCodec::X265Qualita, righe.Y());
    x265Preset = r.Preset;
    x265Qualita = r.Qualita;
    x265Lossless = Check(p, "X265Lossless", QString::fromLatin1(CaptionLossless), r.YDopo);
    MemoAiuto(p, "X265Memo4", AiutoCodec::X265Lossless, r.YDopo);
    grigiX265 = r.Tutti();
}

void TORVDLGSceltaCodec::CreaPaginaPreset() {
    QWidget* p = pagine[6];
    Righe righe;
    for (int i = 0; i < 3; ++i) {
        auto* s = new ORVVideoStato(p);
        s->setObjectName(VariantiPresetWeb()[i]);
        s->SetCaption(VariantiPresetWeb()[i]);
        s->SetRadio(true);
        s->SetORV_ColoreSfondo(0x363636);
        s->setGeometry(XEtichette, righe.Y(), XAiuto() - XEtichette - SpazioAiuto, s->height());
        presetWeb << s;
        // The text sits level with the caption's middle.
        const AiutoCodec nota[] = {AiutoCodec::PresetYouTube, AiutoCodec::PresetVimeo, AiutoCodec::PresetFacebook};
        auto* m = MemoAiuto(p, QStringLiteral("PresetMemo%1").arg(i + 1), nota[i],
                            righe.Y() + (s->height() - AltezzaControllo) / 2);
        righe.Avanza(std::max(s->height(), m->height()));
    }
}

void TORVDLGSceltaCodec::CreaBarraComando() {
    const int interno = 12;
    rigaComandoLabel = new ORV_2016_Label(barraComando);
    rigaComandoLabel->setObjectName(QStringLiteral("RigaComandoLabel"));
    rigaComandoLabel->SetColoreFont(ColoreEtichette);
    rigaComandoLabel->setGeometry(interno - RientroTesto, 6, 400, AltezzaControllo);
    esci = new ORV_2016_Button(barraComando);
    esci->setObjectName(QStringLiteral("Esci"));
    esci->SetORV_Stile(stile);
    esci->SetORV_Bordo(true);
    esci->SetORV_BordoColore(ColoreRosso);
    rigaComandoMemo = new TFlatMemo(barraComando);
    rigaComandoMemo->setObjectName(QStringLiteral("RigaComandoMemo"));
    rigaComandoMemo->setReadOnly(true);
    // Selectable and copyable with a click, but not where the keyboard starts.
    rigaComandoMemo->setFocusPolicy(Qt::ClickFocus);
    rigaComandoMemo->setFont(FontControllo("DejaVu Sans Mono", 9));
    DisponiBarraComando();
}

void TORVDLGSceltaCodec::DisponiBarraComando() {
    const int interno = 12;
    esci->setGeometry(barraComando->width() - interno - LarghezzaPulsante, barraComando->height() - interno - esci->height(),
                      LarghezzaPulsante, esci->height());
    rigaComandoMemo->setGeometry(interno, 6 + AltezzaControllo + 2, esci->x() - 2 * interno,
                                 barraComando->height() - AltezzaControllo - 8 - interno);
}

void TORVDLGSceltaCodec::Collega() {
    header->OnCambioPagina = [this](QObject*) {
        MostraPagina();
        ApplicaImpostazioniCodec();
    };
    auto applica = [this](QObject*) { ApplicaImpostazioniCodec(); };
    // A radio member's click has already turned it on; the others of its group go off.
    auto gruppo = [this](auto& membri) {
        for (auto* m : membri)
            m->OnClick = [this, m, &membri](QObject*) {
                for (auto* altro : membri) altro->SetChecked(altro == m);
                ApplicaImpostazioniCodec();
            };
    };
    gruppo(proresCB);
    gruppo(mp4CB);
    gruppo(presetWeb);
    for (ORV_2016_Check* c : {huffYUVVariante, x264Lossless, x264Tune, x265Lossless}) c->OnClick = applica;
    for (ORV_2016_SpinNumber* n : {proresQualita, mp4Qualita, h264Qualita, x264Qualita, x265Qualita})
        n->OnCambiamentoValore = applica;
    for (ORV_2016_Lista* l : {h264Preset, x264Preset, x264TuneValue, x265Preset}) l->OnCambiamentoValore = applica;
    esci->OnClick = [this](QObject*) { ChiudiCon(RisultatoOk); };
}

void TORVDLGSceltaCodec::ApplicaTesti() {
    const int lingua = LinguaDialogo();
    Cornice()->SetCaption(TestoSceltaCodec(VoceSceltaCodec::Titolo, lingua));
    for (const auto& [etichetta, voce] : etichette) etichetta->SetCaption(TestoSceltaCodec(VoceSceltaCodec(voce), lingua));
    huffYUVVariante->SetCaption(TestoSceltaCodec(VoceSceltaCodec::HuffYUVVariante, lingua));
    for (const auto& [memo, aiuto] : aiuti) memo->SetText(TestoAiuto(aiuto, lingua));
    rigaComandoLabel->SetCaption(TestoSceltaCodec(VoceSceltaCodec::RigaComando, lingua));
    esci->SetCaption(TestoSceltaCodec(VoceSceltaCodec::Esci, lingua));
}

int TORVDLGSceltaCodec::Esegui() {
    EseguiModale();
    return RisultatoOk;
}

void TORVDLGSceltaCodec::showEvent(QShowEvent* e) {
    DialogoOrv::showEvent(e);
    CentraRidimensionaForm(this, LarghezzaFinestra, AltezzaFinestra);
    MostraPagina();
    ApplicaImpostazioniCodec();
}

void TORVDLGSceltaCodec::MostraPagina() {
    header->Pagine()->setCurrentIndex(std::clamp(header->ORV_PannelloAttivo(), 1, 7) - 1);
}

int TORVDLGSceltaCodec::PaginaMostrata() const {
    return header->Pagine()->currentIndex() + 1;
}

SceltaCodec TORVDLGSceltaCodec::Scelta() const {
    SceltaCodec s;
    s.Pagina = header->ORV_PannelloAttivo();
    s.ProresVariante = MembroAcceso(proresCB);
    s.ProresQualita = proresQualita->ORV_Valore();
    s.Mp4Variante = MembroAcceso(mp4CB);
    s.Mp4Qualita = mp4Qualita->ORV_Valore();
    s.HuffYUVVariante = huffYUVVariante->Checked();
    s.H264Preset = h264Preset->ORV_Voce();
    s.H264Qualita = h264Qualita->ORV_Valore();
    s.X264Preset = x264Preset->ORV_Voce();
    s.X264Qualita = x264Qualita->ORV_Valore();
    s.X264Lossless = x264Lossless->Checked();
    s.X264Tune = x264Tune->Checked();
    s.X264TuneValue = x264TuneValue->ORV_Voce();
    s.X265Preset = x265Preset->ORV_Voce();
    s.X265Qualita = x265Qualita->ORV_Valore();
    s.X265Lossless = x265Lossless->Checked();
    s.PresetWeb = MembroAcceso(presetWeb);
    return s;
}

void TORVDLGSceltaCodec::ImpostaScelta(const SceltaCodec& s) {
    header->SetORV_PannelloAttivo(s.Pagina);
    AccendiMembro(proresCB, s.ProresVariante);
    proresQualita->SetORV_Valore(Limita(s.ProresQualita, proresQualita));
    AccendiMembro(mp4CB, s.Mp4Variante);
    mp4Qualita->SetORV_Valore(Limita(s.Mp4Qualita, mp4Qualita));
    huffYUVVariante->SetChecked(s.HuffYUVVariante);
    h264Preset->SetORV_Voce(s.H264Preset);
    h264Qualita->SetORV_Valore(Limita(s.H264Qualita, h264Qualita));
    x264Preset->SetORV_Voce(s.X264Preset);
    x264Qualita->SetORV_Valore(Limita(s.X264Qualita, x264Qualita));
    x264Lossless->SetChecked(s.X264Lossless);
    x264Tune->SetChecked(s.X264Tune);
    x264TuneValue->SetORV_Voce(s.X264TuneValue);
    x265Preset->SetORV_Voce(s.X265Preset);
    x265Qualita->SetORV_Valore(Limita(s.X265Qualita, x265Qualita));
    x265Lossless->SetChecked(s.X265Lossless);
    AccendiMembro(presetWeb, s.PresetWeb);
    MostraPagina();
}

ParametriCodifica TORVDLGSceltaCodec::FrameAnteprima() const {
    if (!parametriFrame.CartellaVideo.isEmpty()) return parametriFrame;
    ParametriCodifica f;
    f.CartellaVideo = QDir(PercorsoOutput).filePath(QString::fromLatin1(TestiCodifica::CartellaVideo));
    f.FrameAlSecondo = 25;
    f.FrameInJpg = true;
    f.PrefissoFrame = QString::fromLatin1(TestiCodifica::PrefissoFrame);
    return f;
}

void TORVDLGSceltaCodec::ColoriLossless(const SceltaCodec& s) {
    for (QWidget* w : grigiX264)
        ImpostaColore(w, s.X264Lossless ? ColoreGrigio : (qobject_cast<ORV_2016_Label*>(w) ? ColoreEtichette
                                                                                            : ColoreValori));
    for (QWidget* w : grigiX265)
        ImpostaColore(w, s.X265Lossless ? ColoreGrigio : (qobject_cast<ORV_2016_Label*>(w) ? ColoreEtichette
                                                                                            : ColoreValori));
}

ParametriCodec TORVDLGSceltaCodec::ApplicaImpostazioniCodec() {
    const SceltaCodec s = Scelta();
    parametri = ::ApplicaImpostazioniCodec(s, parametri);
    ColoriLossless(s);
    rigaComandoMemo->SetText(CreaRigaComando(FrameAnteprima(), parametri, QDateTime::currentDateTime()).Testo);
    if (modello) modello->ImpostazioniCodec = ::ScriviImpostazioniCodec(s);
    return parametri;
}

QString TORVDLGSceltaCodec::ScriviImpostazioniCodec() const {
    return ::ScriviImpostazioniCodec(Scelta());
}

void TORVDLGSceltaCodec::LeggiImpostazioniCodec(const QString& testo) {
    ImpostaScelta(::LeggiImpostazioniCodec(testo, Scelta()));
    ApplicaImpostazioniCodec();
}

QString TORVDLGSceltaCodec::RigaComandoMostrata() const {
    return rigaComandoMemo->Text();
}
