#pragma once
// The main window: every project setting as a control on six pages, the live preview of
// frame 0, and the Anima switch that renders the whole intro and hands it to the encoder.
// The window keeps no setting of its own: the controls are views of ImpostazioniProgetto.
// A user gesture pulls the controls into the model, the handler works on the model, and a
// push writes the model back into every control (code sets fire no event). Everything outside
// the window (dialogs, configuration, codec and encoding windows) goes through the port.
#include "project/ApplicaLingua.h"
#include "project/FileProgetto.h"
#include "project/ImpostazioniProgetto.h"
#include "project/StiliTesto.h"
#include "render/ContestoRendering.h"
#include "render/HostRendering.h"

#include <QDialog>
#include <QPoint>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class ORV_2016_Stile;
class ORVForm;
class ORVHeader;
class ORVVideoButtonSemplice;
class PortaDialoghi;
class QLabel;
class QListWidget;

class TForm2Principale : public QDialog, public HostRendering, public DestinazioneLingua {
    Q_OBJECT
public:
    explicit TForm2Principale(PortaDialoghi* porta = nullptr, QWidget* owner = nullptr);
    ~TForm2Principale() override;

    void ImpostaPorta(PortaDialoghi* porta) { porta_ = porta; }

    ImpostazioniProgetto& Impostazioni() { return imp_; }
    const ImpostazioniProgetto& Impostazioni() const { return imp_; }
    ContestoRendering& Contesto() { return *contesto_; }

    // A control by its name (objectName), or nullptr.
    template <class T>
    T* Controllo(const QString& nome) const {
        return findChild<T*>(nome);
    }

    // Writes the model into every control and derives what is shown from it.
    void AggiornaViste();
    // Reads every control into the model.
    void LeggiViste();

    // Fills the language table and applies LinguaCorrente to the model and the controls.
    void ApplicaLinguaFinestra();

    // The preview is redrawn once the window gets to it; asks made before then are one render.
    void RichiediRendering();
    int RenderingRichiesti() const { return renderingRichiesti_; }
    int RenderingEseguiti() const { return renderingEseguiti_; }
    // Off: renders are counted but not drawn (the handler tests, which need no pictures).
    void SetDisegnoAttivo(bool attivo) { disegnoAttivo_ = attivo; }

    // Opens tab 1..6 of the header as a click on it would (tab 6: the sheet of the intro).
    void SelezionaScheda(int scheda);

    // True once the first show has loaded the project and built the font list.
    bool Aperta() const { return aperta_; }
    // The first show is over, its notices answered.
    bool AperturaFinita() const { return aperturaFinita_; }
    // The session ends (SIGTERM, logout): a run in progress stops after its frame, then the
    // project is saved as the close saves it, without asking (one that could not be read at
    // start is saved beside it), and fatto runs. A window never opened saves nothing.
    void ChiudiPerFineSessione(std::function<void()> fatto);
    // The session manager asks for the work to be saved; the window stays open.
    void SalvaPerFineSessione();

    // HostRendering
    bool AnimaSelezionato() const override;
    void DeselezionaAnima() override;
    int AltezzaFinestra() const override;
    void MostraAnteprima(const QImage& anteprima) override;
    void ImpostaCaptionFrame(const QString& caption) override;
    void ElaboraMessaggi() override;
    void CursoreAttesa(bool attesa) override;
    void SegnalaErrore(const QString& messaggio) override;
    void SegnalaAvviso(const QString& messaggio) override;
    // visto runs once the notice was shown, also when it waited for another box.
    void SegnalaAvviso(const QString& messaggio, std::function<void()> visto);
    void AvviaCodifica() override;

    // DestinazioneLingua
    void ImpostaTesto(FinestraLingua finestra, ProprietaLingua proprieta, const QString& controllo,
                      const QString& testo) override;
    void ImpostaVoci(FinestraLingua finestra, ProprietaLingua proprieta, const QString& controllo,
                     const QStringList& voci) override;

    // A left click that a modal window (the encoding window) kept from this window: on the
    // frame's close button it is the close request the window manager's close would be.
    // punto is in the window's device pixels, as X gives it. True when it was taken.
    bool ClicBloccato(QPoint punto);

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    // One control as a view of one setting.
    struct Vista {
        std::function<void()> Scrivi;  // model into control
        std::function<void()> Leggi;   // control into model
    };

    // Building, one function per band and page.
    void CreaCornice();
    void CreaBandaIntro(QWidget* banda);
    void CreaBandaComandi(QWidget* banda);
    void CreaBandaImmagine(QWidget* banda);
    void CreaPaginaDatiProgetto(QWidget* p);
    void CreaPaginaSfondo(QWidget* p);
    void CreaPaginaTesto(QWidget* p);
    void CreaPaginaFont(QWidget* p);
    void CreaPaginaEffetti(QWidget* p);
    void CreaPagineIntro();
    void CreaControlliSviluppo(QWidget* banda);
    QWidget* NuovaPagina(const QString& nome);
    // The bands follow the frame's client: the intro and command bands keep their height,
    // the picture band takes the rest.
    void DisponiBande(QSize client);

    // First show, in order: project, placement, fonts, snow, logo captions, preview.
    void PrimaApertura();
    void CostruisciElencoFont(const QString& nomeFont);
    void InstallaRichiami();

    void MostraPagina(const QString& nome);
    void MostraPaginaScheda(int scheda);
    void AggiornaVisibilita();
    void MostraDidascalieFisse();

    // Runs a user gesture: pull, handler, push.
    std::function<void(QObject*)> Gesto(std::function<void()> gestore);

    // The event bindings and their handlers.
    void Collega();
    void CollegaFontElenco();
    void CollegaSfondo();
    void CollegaScelte();
    void CollegaTesto();
    void CollegaEffetti();
    void CollegaIntro();
    void CollegaProgetto();
    void CollegaSviluppo();
    void FontElencoCambiamentoValore();
    void ImpostaTipoSfondo(bool ImpostazioniProgetto::*scelto);
    void SceltaFile(QString ImpostazioniProgetto::*destinazione);
    void ScegliColore(int bersaglio);
    void EffettiParticelleListaClick();
    void EffettiParticelleQuantitaClick();
    void AnimaClick();
    void AvviaCorsa();
    void CongelaControlli(bool congela);
    void LogoClick(int riga);
    void LogoCercaClick();
    void AggiornaCaptionLoghi();
    void CopiaMessaggio(QString ImpostazioniProgetto::*origine);
    // tenuto: what the box kept of a text of lunghezza characters.
    void TestoTagliato(const QString& tenuto, qsizetype lunghezza, int limite);
    void TestoFlatClick();
    void CercaDirectoryOutputClick();
    void ImpostaCodecClick();
    void ConfiguraClick();
    void RaccoglitoreAnteprimeDblClick();
    void Button1Click();
    void CreaClick();
    void Button3Click();

    void EseguiRenderingInAttesa();

    bool SalvaAllaChiusura();
    void SalvaSenzaChiedere();
    bool SalvaAllaFineSessione();

    ImpostazioniProgetto imp_;
    std::unique_ptr<ContestoRendering> contesto_;
    PortaDialoghi* porta_ = nullptr;
    ORV_2016_Stile* stile_ = nullptr;
    ORVForm* cornice_ = nullptr;
    ORVHeader* header_ = nullptr;
    QLabel* anteprima_ = nullptr;
    QListWidget* galleriaVista_ = nullptr;
    GalleriaStili galleria_;
    std::vector<Vista> viste_;

    bool aperta_ = false;
    bool aperturaFinita_ = false;
    bool caricamento_ = false;
    bool renderingInAttesa_ = false;
    bool disegnoAttivo_ = true;
    int renderingRichiesti_ = 0;
    int renderingEseguiti_ = 0;
    bool chiusuraInAttesa_ = false;
    // Why the project file could not be read at start; null when it could (or was not there).
    QString erroreLetturaProgetto_;
    bool fineSessione_ = false;
    std::function<void()> allaFineSessione_;
    // The copy apart that this session's end wrote, written again by a later end.
    QString copiaSessione_;
    QStringList testiTagliati_;  // cut texts not told yet

    template <class T>
    T* Nuovo(QWidget* genitore, const QString& nome, int x, int y, int l, int a);
    friend class CostruttoreViste;
};
