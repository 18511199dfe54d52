#pragma once
// The codec choice window: seven codec pages under a tab header, each with its variant,
// quality and preset controls and help texts in the window's language, and the encoder's command line. The
// controls are the choice: every change converts them to a SceltaCodec, rebuilds the command
// line and writes the settings string into the project model, so the project file carries it.
#include "dialogs/DialogoOrv.h"
#include "dialogs/TestiSceltaCodec.h"
#include "encoding/ImpostazioniCodec.h"
#include "encoding/ParametriCodifica.h"

#include <QList>
#include <QString>

class ImpostazioniProgetto;
class ORV_2016_Button;
class ORV_2016_Check;
class ORV_2016_Label;
class ORV_2016_Lista;
class ORV_2016_SpinNumber;
class ORV_2016_Stile;
class ORVHeader;
class ORVPannelloBordo;
class ORVVideoStato;
class TFlatMemo;

class TORVDLGSceltaCodec : public DialogoOrv {
    Q_OBJECT
public:
    explicit TORVDLGSceltaCodec(QWidget* owner = nullptr);

    // Shows the window modally; always 1.
    int Esegui();

    // The model whose settings string follows every change; none by default.
    void ImpostaModello(ImpostazioniProgetto* modello) { this->modello = modello; }
    // The frames the shown command line is built for (the output folder's frames at 25 fps
    // until set).
    void ImpostaParametriFrame(const ParametriCodifica& frame) { parametriFrame = frame; }

    // The choice as the controls hold it.
    SceltaCodec Scelta() const;
    // Sets the controls without events: numbers clamped into each control's range, a radio
    // group value out of range leaves the group as it was; then shows the page of the tab.
    void ImpostaScelta(const SceltaCodec& scelta);

    // Converts the controls, hands the choice on, rebuilds the command line, writes the
    // settings string into the model; the codec parameters of the run.
    ParametriCodec ApplicaImpostazioniCodec();
    QString ScriviImpostazioniCodec() const;
    // Sets the controls from a settings string (nothing when it is not one), then applies.
    void LeggiImpostazioniCodec(const QString& testo);

    const ParametriCodec& ParametriCorrenti() const { return parametri; }
    QString RigaComandoMostrata() const;
    // The page shown, 1..7.
    int PaginaMostrata() const;
    ORVHeader* Header() const { return header; }

protected:
    void ApplicaTesti() override;
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void CreaControlli();
    void CreaPaginaProres();
    void CreaPaginaMp4();
    void CreaPaginaHuffYUV();
    void CreaPaginaH264();
    void CreaPaginaX264();
    void CreaPaginaX265();
    void CreaPaginaPreset();
    void CreaBarraComando();
    // Places the pages and the command bar in the window's present size.
    void Disponi();
    void DisponiBarraComando();
    void Collega();
    void MostraPagina();
    void ColoriLossless(const SceltaCodec& s);
    ParametriCodifica FrameAnteprima() const;

    // The controls of a page, each in its column of the page's grid at the row's top y.
    ORV_2016_Label* Etichetta(QWidget* pagina, const QString& nome, VoceSceltaCodec voce, int y);
    ORV_2016_Check* Check(QWidget* pagina, const QString& nome, const QString& caption, int y);
    QList<ORV_2016_Check*> GruppoRadio(QWidget* pagina, const QString& prefisso, const QStringList& captions, int y);
    ORV_2016_SpinNumber* Numero(QWidget* pagina, const QString& nome, int minimo, int massimo, int y);
    ORV_2016_Lista* Lista(QWidget* pagina, const QString& nome, const QStringList& voci, int y);
    // Shows the first text, sized for the tallest.
    TFlatMemo* Memo(QWidget* pagina, const QString& nome, const QStringList& testi, int x, int y, int larghezza);
    // The page's opening text across the page, and a setting's help in the right column.
    TFlatMemo* MemoIntro(QWidget* pagina, const QString& nome, AiutoCodec aiuto);
    TFlatMemo* MemoAiuto(QWidget* pagina, const QString& nome, AiutoCodec aiuto, int y);
    TFlatMemo* MemoAiuto(QWidget* pagina, const QString& nome, const QStringList& testi, int y);
    // The preset and quality rows that H.264, x264 and x265 share, from y down.
    struct PresetQualita {
        ORV_2016_Label* EtichettaPreset;
        ORV_2016_Lista* Preset;
        TFlatMemo* AiutoPreset;
        ORV_2016_Label* EtichettaQualita;
        ORV_2016_SpinNumber* Qualita;
        TFlatMemo* AiutoQualita;
        int YDopo;  // where the next row starts
        QList<QWidget*> Tutti() const;
    };
    PresetQualita CreaPresetQualita(QWidget* pagina, const QString& prefisso, int massimo, AiutoCodec aiutoQualita,
                                    int y);

    ImpostazioniProgetto* modello = nullptr;
    ParametriCodifica parametriFrame;
    ParametriCodec parametri;

    ORV_2016_Stile* stile = nullptr;
    ORVHeader* header = nullptr;
    QList<QWidget*> pagine;
    QList<ORV_2016_Check*> proresCB;
    QList<ORV_2016_Check*> mp4CB;
    QList<ORVVideoStato*> presetWeb;
    ORV_2016_SpinNumber* proresQualita = nullptr;
    ORV_2016_SpinNumber* mp4Qualita = nullptr;
    ORV_2016_Check* huffYUVVariante = nullptr;
    ORV_2016_Lista* h264Preset = nullptr;
    ORV_2016_SpinNumber* h264Qualita = nullptr;
    ORV_2016_Lista* x264Preset = nullptr;
    ORV_2016_SpinNumber* x264Qualita = nullptr;
    ORV_2016_Check* x264Lossless = nullptr;
    ORV_2016_Check* x264Tune = nullptr;
    ORV_2016_Lista* x264TuneValue = nullptr;
    ORV_2016_Lista* x265Preset = nullptr;
    ORV_2016_SpinNumber* x265Qualita = nullptr;
    ORV_2016_Check* x265Lossless = nullptr;
    // The help memos, each with the text it shows in the window's language.
    QList<std::pair<TFlatMemo*, AiutoCodec>> aiuti;
    // The captions that change with the language, with the text each shows.
    QList<std::pair<ORV_2016_Label*, int>> etichette;
    // Greyed by the lossless switches: x264 and x265 preset and quality, labels, values, help.
    QList<QWidget*> grigiX264;
    QList<QWidget*> grigiX265;
    ORVPannelloBordo* barraComando = nullptr;
    ORV_2016_Label* rigaComandoLabel = nullptr;
    TFlatMemo* rigaComandoMemo = nullptr;
    ORV_2016_Button* esci = nullptr;
};
