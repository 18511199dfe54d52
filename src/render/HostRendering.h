#pragma once
// What the frame loop needs of the main window: the Anima box, the preview, the frame
// caption, the message pump, the error box and the hand-off to the encoder. The main window
// implements it; tests use a fake.
#include <QImage>
#include <QString>

class HostRendering {
public:
    virtual ~HostRendering() = default;

    // State of the Anima box.
    virtual bool AnimaSelezionato() const = 0;
    // Unchecks Anima without firing its click.
    virtual void DeselezionaAnima() = 0;
    // Height of the main window; the preview is (height - 389) high and 16:9 wide.
    virtual int AltezzaFinestra() const = 0;
    // Shows the preview picture in ImmagineASchermo.
    virtual void MostraAnteprima(const QImage& anteprima) = 0;
    // Pictures per second the screen shows: a run shows no more previews than that.
    virtual double FrequenzaSchermo() const { return 60.0; }
    // Caption of LabelFrame.
    virtual void ImpostaCaptionFrame(const QString& caption) = 0;
    // Lets the window process its pending messages; handlers may run in here.
    virtual void ElaboraMessaggi() = 0;
    // Hourglass on, or back to the cursor saved at start-up.
    virtual void CursoreAttesa(bool attesa) = 0;
    // Shows an error message under the title "Errore".
    virtual void SegnalaErrore(const QString& messaggio) = 0;
    // Tells the user of something that did not stop the render, such as a picture that
    // could not be read; shown as an error unless the window has a gentler place for it.
    virtual void SegnalaAvviso(const QString& messaggio) { SegnalaErrore(messaggio); }
    // The encoding hand-off after the last frame of a completed run.
    virtual void AvviaCodifica() = 0;
};
