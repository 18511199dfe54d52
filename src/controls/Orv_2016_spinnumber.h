#pragma once
// The integer spinner: the list stepper's bar showing a number after a prefix, or a time
// code; arrows step by one, sideways drags by the increment (Ctrl: the Ctrl step).
#include "controls/ComuneControlli.h"
#include "controls/TrascinamentoValore.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <array>

class ORV_2016_Stile;

class ORV_2016_SpinNumber : public QWidget, private RicevitoreMouse {
    Q_OBJECT
public:
    enum Skin { ORV_BTN_SX_Passivo, ORV_BTN_SX_Attivo, ORV_BTN_DX_Passivo, ORV_BTN_DX_Attivo, ORV_Sfondo, NumeroSkin };

    explicit ORV_2016_SpinNumber(QWidget* owner = nullptr);

    int ORV_Valore() const { return valore; }
    void SetORV_Valore(int v);
    int ORV_ValoreMin() const { return valoreMin; }
    void SetORV_ValoreMin(int v);
    int ORV_ValoreMax() const { return valoreMax; }
    void SetORV_ValoreMax(int v);
    int ORV_ValoreIncremento() const { return valoreIncremento; }
    void SetORV_ValoreIncremento(int v) { valoreIncremento = v; }
    int ORV_ValoreCambioCtrl() const { return valoreCambioCtrl; }
    void SetORV_ValoreCambioCtrl(int v);
    int ORV_GapCambioValore() const { return gap; }
    void SetORV_GapCambioValore(int v);
    bool ORV_StopMultipli25() const { return stop25; }
    void SetORV_StopMultipli25(bool v) { stop25 = v; }
    bool ORV_StopMultipli30() const { return stop30; }
    void SetORV_StopMultipli30(bool v) { stop30 = v; }
    const QString& ORV_PrefissoCaption() const { return prefisso; }
    void SetORV_PrefissoCaption(const QString& testo);
    bool ORV_FormatoVideo() const { return formatoVideo; }
    void SetORV_FormatoVideo(bool v);
    int ORV_FormatoVideoFrameRate() const { return frameRate; }
    void SetORV_FormatoVideoFrameRate(int v);

    const QImage& Immagine(Skin skin) const { return skins[skin]; }
    void SetImmagine(Skin skin, const QImage& immagine);

    TColor ORV_OmbraColore() const { return ombraColore; }
    void SetORV_OmbraColore(TColor v);
    int ORV_OmbraDistanza() const { return ombraDistanza; }
    void SetORV_OmbraDistanza(int v);
    TColor ColoreFont() const { return coloreFont; }
    void SetColoreFont(TColor v);

    void SetORV_Stile(const ORV_2016_Stile* stile);
    const ORV_2016_Stile* ORV_Stile() const { return nullptr; }

    // The text shown for the current value (prefix and number, or the time code).
    QString Caption() const;

    // The spinner's own click: at the release, and also when a press leaves the control.
    EventoNotifica OnClick;
    EventoNotifica OnCambiamentoValore;
    EventoNotifica OnDblClick;
    EventoNotifica OnMouseEnter;
    EventoNotifica OnMouseLeave;

    void Disegna(QPainter& p);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void MouseEntra() override;
    void MouseEsce() override;
    void MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int x, int y) override;
    void MouseMove(Qt::KeyboardModifiers shift, int x, int y) override;
    void MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int x, int y) override;
    void DblClick() override;
    void Nascosto() override;
    void Segnala();
    int Larghezza(Skin skin) const { return BitmapPresente(skins[skin]) ? skins[skin].width() : 0; }

    std::array<QImage, NumeroSkin> skins;
    int valore = 1;
    int valoreMin = 0;
    int valoreMax = 100;
    int valoreIncremento = 1;
    int valoreCambioCtrl = 5;
    int gap = 5;
    bool stop25 = false;
    bool stop30 = false;
    QString prefisso;
    bool formatoVideo = false;
    int frameRate = 25;
    TColor ombraColore = 0;
    int ombraDistanza = 1;
    TColor coloreFont = 0xC0C0C0;

    bool MouseDentro = false;
    int frecciaPremuta = 0;
    bool zonaMeno = false;
    bool zonaPiu = false;
    bool clickFatto = false;
    TrascinamentoValore gesto;
    ContoEventi conto;
    CursoreDimensiona cursore;
    PuntatoreQt puntatore{this};
};
