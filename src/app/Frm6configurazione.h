#pragma once
// The configuration window: the interface language (five boxes, always exactly one on) and
// the 36 pictures of the image table, shown by tab in rows of caption, path, "Cerca" and a
// 160x90 thumbnail. Every change takes effect at once; "Salva" writes the image list file.
#include "project/ApplicaLingua.h"
#include "project/ImpostazioniProgetto.h"

#include <QDialog>
#include <QImage>
#include <QString>

#include <array>
#include <functional>
#include <vector>

class ORVForm;
class ORVFormClient;
class ORVHeader;
class ORVPannelloBordo;
class ORV_2016_Button;
class ORV_2016_Check;
class ORV_2016_Label;
class ORV_2016_Stile;
class PaginaScorrevole;
class QStackedWidget;

inline constexpr int NumeroSchedeConfigurazione = 11;
inline constexpr int NumeroRigheImmagini = 6;
// Longest path a slot may hold (the project file keeps no more).
inline constexpr int LunghezzaMassimaPercorso = 511;

// One row of an image tab: the slot it shows and its caption.
struct RigaImmagine {
    int Slot;
    QString Didascalia;
};

// The rows of tab scheda (2..11) in row order, captioned in a language (a CodiceLingua) as
// the program's message table gives them; none for tab 1 or any other number.
std::vector<RigaImmagine> RigheScheda(int scheda, int lingua);

// The thumbnail of a picture file: stretched over 160x90 on a (80, 80, 80) ground, which
// shows through its transparent parts; plain grey for anything that cannot be read or that
// the bounded reader refuses, and then in motivo why (empty when it was read, or no path).
QImage CreaMiniatura(const QString& percorso, QString* motivo = nullptr);

// What the window needs from outside: the picture chooser and the message box.
class PortaConfigurazione {
public:
    virtual ~PortaConfigurazione() = default;
    // Runs the picture chooser in lingua; returns its RisultatoDialogo and, on Open, the path.
    virtual int ScegliImmagine(int lingua, QString& percorso) = 0;
    // tipo is a TipoMessaggio.
    virtual void MostraMessaggio(int lingua, int tipo, const QString& testo) = 0;
};

// A picture drawn stretched over the whole control (the flags and the thumbnails).
class ImmagineFissa : public QWidget {
    Q_OBJECT
public:
    explicit ImmagineFissa(QWidget* owner = nullptr) : QWidget(owner) {}
    const QImage& Immagine() const { return immagine; }
    void SetImmagine(const QImage& v);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage immagine;
};

class TForm6Configurazione : public QDialog, public DestinazioneLingua {
    Q_OBJECT
public:
    // Installs the default image paths into the model's table (unless the list file opts out).
    explicit TForm6Configurazione(ImpostazioniProgetto& impostazioni, QWidget* owner = nullptr);
    ~TForm6Configurazione() override;

    void SetPorta(PortaConfigurazione* porta) { this->porta = porta; }
    // Fills the language table and applies LinguaCorrente to every window; without one the
    // language reaches this window only.
    void SetApplicaLingua(std::function<void(ImpostazioniProgetto&)> applica) { applicaLingua = std::move(applica); }

    // Shows the window modally. True when an image slot or a line text changed, so the
    // caller draws a new preview.
    bool Esegui();

    // The handlers, as the controls fire them.
    void FormShow();
    void ElencoPagineCambioPagina(QObject* mittente);
    void CercaClick(int riga);       // rows 1..6
    void LinguaClick(int lingua);    // boxes 0..4
    void ORV_2016_Button5Click(QObject* mittente);

    void MostraPaginaImmagini();
    void CercaImmagine(int slot);
    // The boxes show the model's language flags.
    void MostraLingua();

    // The language table's side of this window; texts for the main window are ignored.
    void ImpostaTesto(FinestraLingua finestra, ProprietaLingua proprieta, const QString& controllo,
                      const QString& testo) override;
    void ImpostaVoci(FinestraLingua finestra, ProprietaLingua proprieta, const QString& controllo,
                     const QStringList& voci) override;

    // The window's controls, named as its form names them.
    ORVForm* ORVForm1;
    ORVFormClient* Client;
    ORVHeader* ElencoPagine;
    QStackedWidget* Pagine;
    QWidget* P1;  // the image sheet of tabs 2 to 11; it scrolls where the window is short
    QWidget* P2;  // the language sheet
    ORVPannelloBordo* PannelloBasso;
    ORV_2016_Button* ORV_2016_Button5;
    ORV_2016_Label* Impostazioni_Label_Lingua;
    std::array<ORV_2016_Check*, 5> Impostazioni_Lingua;
    std::array<ImmagineFissa*, 5> Bandiere;
    std::array<ORV_2016_Label*, NumeroRigheImmagini> Label;
    std::array<ORV_2016_Label*, NumeroRigheImmagini> Imm;
    std::array<ORV_2016_Button*, NumeroRigheImmagini> Cerca;
    std::array<ImmagineFissa*, NumeroRigheImmagini> Image;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void CreaCornice();
    void CreaPaginaLingua();
    void CreaPaginaImmagini();
    void CreaBandaBasso();
    void CollegaEventi();

    ImpostazioniProgetto& impostazioni;
    PortaConfigurazione* porta = nullptr;
    std::function<void(ImpostazioniProgetto&)> applicaLingua;
    ORV_2016_Stile* stile;
    PaginaScorrevole* righeImmagini = nullptr;  // P1 itself
    bool testiCambiati = false;
};
