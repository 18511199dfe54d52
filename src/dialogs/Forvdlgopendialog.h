#pragma once
// The file chooser: pictures (TipoFile 1) with a preview, or audio files (TipoFile 11) with a
// small player; the size and date of the clicked file; "Apri" (1) only with an existing file.
#include "dialogs/LettoreAudio.h"
#include "dialogs/SelettoreComune.h"

#include <QImage>

#include <memory>

class ORVLRButton;
class ORVPannelloBordo;
class ORVVideoButtonSemplice;
class TFlatEdit;

class TORVDLGOpenDialog : public SelettoreComune {
    Q_OBJECT
public:
    static constexpr int LarghezzaAnteprima = 389;
    static constexpr int AltezzaAnteprima = 253;

    explicit TORVDLGOpenDialog(QWidget* owner = nullptr);
    ~TORVDLGOpenDialog() override;

    void Inizializza(int lingua, bool logo, const QString& parola1, const QString& parola2,
                     const QString& fileStorico, int tipoFile);
    int TipoFile() const { return tipoFile; }

    // The run opens in the folder of the file given in the path (the one being replaced).
    // On 1 the path becomes the chosen file, which always exists when the run ends.
    int Esegui(QString& percorso);

    // The audio mode's player (ffplay unless a test gives its own).
    void ImpostaLettore(std::unique_ptr<LettoreAudio> nuovo);

    TFlatEdit* NomeSelezionatoText() const { return nomeSelezionato; }
    QWidget* Dimensioni() const;
    QWidget* Data() const;
    QString TestoDimensioni() const;
    QString TestoDataFile() const;
    const QImage& Anteprima() const { return anteprima; }
    // Why the preview stayed grey (empty when the picture was shown).
    const QString& MotivoAnteprima() const { return motivoAnteprima; }
    QWidget* PannelloImmagini() const;
    QWidget* PannelloAudio() const;
    ORVVideoButtonSemplice* MediaPlay() const { return mediaPlay; }
    ORVVideoButtonSemplice* MediaPause() const { return mediaPause; }
    ORVVideoButtonSemplice* MediaStop() const { return mediaStop; }
    ORVLRButton* BTN_1() const { return btn1; }
    ORVLRButton* BTN_2() const { return btn2; }

    // The file row that became current (by click or keys).
    void ListaFilesClick();
    void MediaPlayClick();
    void MediaPauseClick();
    void MediaStopClick();
    // What "Apri" and Enter do: close with 1 when an existing file is chosen.
    void Apri();

    void done(int r) override;

protected:
    void CartellaCambiata() override;
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    enum class StatoLettore { Fermo, InCorso, InPausa };

    void CreaPannelli();
    void ImpostaTestiLingua();
    void MostraInformazioni(const QString& percorso);
    void MostraAnteprima(const QString& percorso);
    void PreparaLettore(const QString& percorso);
    void ChiudiLettore();
    void CollegaLettore();
    // "Apri" is enabled only while the path names an existing file.
    void AggiornaApri();

    int tipoFile = 1;
    QLabel* label1;
    QLabel* label3;
    QLabel* label5;
    QLabel* label6;
    QLabel* labelDimensioni;
    QLabel* labelData;
    QLabel* dimensioni;
    QLabel* data;
    TFlatEdit* nomeSelezionato;
    ORVPannelloBordo* pannelloImmagini;
    QLabel* immagineAnteprima;
    ORVPannelloBordo* pannelloAudio;
    ORVPannelloBordo* pannelloInformazioni;
    ORVVideoButtonSemplice* mediaPlay;
    ORVVideoButtonSemplice* mediaPause;
    ORVVideoButtonSemplice* mediaStop;
    ORVLRButton* btn1;
    ORVLRButton* btn2;
    QImage anteprima;
    QString motivoAnteprima;
    std::unique_ptr<LettoreAudio> lettore;
    StatoLettore statoLettore = StatoLettore::Fermo;
    QString fileAudio;
    // The press that began the click on the file list already showed its row.
    bool mostrataAllaPressione = false;
};
