#pragma once
// The encoding window: shows one encoding run of the frames on disk. A timer starts the run
// after the window is shown; the window shows frame, speed, size and bitrate, the progress
// bar, a preview of the frame just encoded and the summary of the codec choice, and tells
// the user at the end whether the video was made. A close request while the encoder runs
// stops it; the window closes only once the run has ended.
#include "dialogs/DialogoOrv.h"
#include "encoding/LavoroCodifica.h"
#include "encoding/ParametriCodifica.h"
#include "encoding/RiepilogoCodec.h"
#include "encoding/TestiCodifica.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <optional>

class BarraProgressoBlocchi;
class ORV_2016_Button;
class ORV_2016_Label;
class ORV_2016_Stile;
class ORVPannelloBordo;

// The little picture of the frame just encoded, letterboxed on black.
class AnteprimaFrame : public QWidget {
    Q_OBJECT
public:
    explicit AnteprimaFrame(QWidget* owner = nullptr);
    // Decodes the frame file at the size shown; false, and the picture kept, when it cannot.
    bool Carica(const QString& percorso);
    void Svuota();
    const QImage& Immagine() const { return immagine; }
    const QString& Percorso() const { return percorso; }
    QRect AreaImmagine() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage immagine;
    QString percorso;
};

// A frame file decoded to fit inside dimensione, keeping its proportions; the JPEG decoder
// scales while it decodes, so a 1920x1080 frame is never held whole. Null when unreadable.
QImage LeggiFrameRidotto(const QString& percorso, const QSize& dimensione);

class TORVDLGCodificaVideo : public DialogoOrv {
    Q_OBJECT
public:
    explicit TORVDLGCodificaVideo(QWidget* owner = nullptr);

    void ImpostaParametri(const QString& cartellaVideo, int frameAlSecondo, bool frameInJpg, int numeroFrame,
                          const QString& prefissoFrame);
    const ParametriCodifica& Parametri() const { return parametri; }

    // Shows the window modally for one run; 1 when the video was made, 7 otherwise.
    int Esegui();

    // A close request (the frame's close button, the window manager, Esc, or the main
    // window's close): during the run it stops it as "Interrompi" does, after it it closes
    // the window as "Chiudi" does.
    void RichiestaChiusura();
    void reject() override { RichiestaChiusura(); }

    // Asked at each showing and at the start of each run for the codec choice.
    using FonteCodec = std::function<ParametriCodec()>;
    void ImpostaFonteCodec(FonteCodec fonte) { fonteCodec = std::move(fonte); }
    // The messages of the end of a run: kind (TipoMessaggio) and text, the answer back.
    using Messaggio = std::function<int(int tipo, const QString& testo)>;
    void ImpostaMessaggio(Messaggio m) { messaggio = std::move(m); }
    // Opens a folder or a file with the desktop's program; false when it could not.
    using Apertura = std::function<bool(const QUrl& url)>;
    void ImpostaApertura(Apertura a) { apertura = std::move(a); }
    // The encoder program ("ffmpeg" from PATH unless set) and the wait before the run.
    void ImpostaEncoder(const QString& programma) { lavoro.ImpostaEncoder(programma); }
    // The program that reads the video back ("ffprobe" from PATH unless set).
    void ImpostaSonda(const QString& programma) { lavoro.ImpostaSonda(programma); }
    void ImpostaAttesaAvvio(int millisecondi) { timer.setInterval(millisecondi); }

    // The figures, the summary and the run as the window shows them.
    LavoroCodifica& Lavoro() { return lavoro; }
    bool CodificaRiuscita() const { return riuscita; }
    bool InEsecuzione() const { return inEsecuzione; }
    const ParametriCodec& Codec() const { return codec; }
    QString Figura(int indice) const;  // 0 frame, 1 speed, 2 size, 3 bitrate
    // The summary rows shown, in order.
    QList<RigaRiepilogo> RigheMostrate() const;
    BarraProgressoBlocchi* Barra() const { return barra; }
    AnteprimaFrame* Anteprima() const { return anteprima; }
    ORV_2016_Button* BottoneInterrompi() const { return interrompi; }
    ORV_2016_Button* BottoneChiudi() const { return ok; }
    ORV_2016_Label* TitoloFigure() const { return titoloFigure; }

protected:
    void ApplicaTesti() override;
    void showEvent(QShowEvent* e) override;

private:
    void CreaControlli();
    void CreaFigure();
    void CreaRiepilogo();
    void CreaPulsanti();
    void Collega();
    void PreparaRun();
    void MostraRiepilogo();
    void Avvia();
    void Interrompi();
    void MostraChiudi();
    void Fine(const RisultatoCodifica& r);
    // Opens a file or folder; when nothing can, tells where it is with the entry dove, if any.
    void Apri(const QString& percorso, std::optional<TestiCodifica::VoceFinestra> dove);
    int Chiedi(int tipo, const QString& testo);

    ParametriCodifica parametri;
    ParametriCodec codec;
    LavoroCodifica lavoro;
    QTimer timer;
    FonteCodec fonteCodec;
    Messaggio messaggio;
    Apertura apertura;
    bool daAvviare = false;
    bool inEsecuzione = false;
    bool riuscita = false;

    ORV_2016_Stile* stile = nullptr;
    ORVPannelloBordo* pannello = nullptr;
    ORV_2016_Label* titoloFigure = nullptr;
    QList<ORV_2016_Label*> etichetteFigure;
    QList<ORV_2016_Label*> valoriFigure;
    QList<ORV_2016_Label*> etichetteRiepilogo;
    QList<ORV_2016_Label*> valoriRiepilogo;
    BarraProgressoBlocchi* barra = nullptr;
    AnteprimaFrame* anteprima = nullptr;
    ORV_2016_Button* interrompi = nullptr;
    ORV_2016_Button* ok = nullptr;
};
