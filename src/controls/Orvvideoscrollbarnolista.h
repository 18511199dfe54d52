#pragma once
// The compact numeric slider: a number with prefix, suffix, decimals or a time code, changed
// by dragging sideways or by minus/plus buttons, with an optional bar or cursor image that
// shows the value within its range.
#include "controls/ComuneControlli.h"
#include "controls/TrascinamentoValore.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <array>
#include <optional>

// Hours, minutes, seconds and frames of a frame count, "hh:mm:ss FR:ff"; none when the frame
// rate is not positive.
std::optional<QString> TestoTimeCode(int valore, int frameRate);

// The bar's position as a fraction of the range; 0 when the range is empty.
double FrazioneValore(int valore, int minimo, int massimo);

class ORVVideoScrollBarNoLista : public QWidget, private RicevitoreMouse {
    Q_OBJECT
public:
    enum Skin { ORV_Meno, ORV_Meno_On, ORV_Piu, ORV_Piu_On, ORV_ProgressBitmap, ORV_ProgressBitmapCursore, NumeroSkin };

    explicit ORVVideoScrollBarNoLista(QWidget* owner = nullptr);

    int Valore() const { return valore; }
    // Remembers the old value always; stores without clamping.
    void SetValore(int v);
    int ValorePrecedente() const { return valorePrecedente; }
    void SetValorePrecedente(int v);
    int ValoreMin() const { return valoreMin; }
    void SetValoreMin(int v);
    int ValoreMax() const { return valoreMax; }
    void SetValoreMax(int v);
    int ValoreIncremento() const { return valoreIncremento; }
    void SetValoreIncremento(int v) { valoreIncremento = v; }
    int ValoreCambioCtrl() const { return valoreCambioCtrl; }
    void SetValoreCambioCtrl(int v);
    int GapCambioValore() const { return gap; }
    void SetGapCambioValore(int v);
    bool StopMultipli25() const { return stop25; }
    void SetStopMultipli25(bool v) { stop25 = v; }
    bool StopMultipli30() const { return stop30; }
    void SetStopMultipli30(bool v) { stop30 = v; }
    bool ReadOnly() const { return readOnly; }
    void SetReadOnly(bool v) { readOnly = v; }

    const QString& ValorePrefisso() const { return prefisso; }
    void SetValorePrefisso(const QString& v);
    const QString& ValoreSuffisso() const { return suffisso; }
    void SetValoreSuffisso(const QString& v);
    int FormatoAVideo() const { return formatoAVideo; }
    void SetFormatoAVideo(int v);
    int FormatoAVideoFrameRate() const { return frameRate; }
    void SetFormatoAVideoFrameRate(int v);
    bool ORV_Decimi() const { return decimi; }
    void SetORV_Decimi(bool v);
    bool ORV_Centesimi() const { return centesimi; }
    void SetORV_Centesimi(bool v);
    bool ORV_Millesimi() const { return millesimi; }
    void SetORV_Millesimi(bool v);
    bool ORV_Moltiplica() const { return moltiplica; }
    void SetORV_Moltiplica(bool v);

    bool ORV_Bottoni() const { return bottoni; }
    void SetORV_Bottoni(bool v);
    bool ORV_BottoniDisegnati() const { return bottoniDisegnati; }
    void SetORV_BottoniDisegnati(bool v);
    TColor ORV_Bottoni_ColoreSfondoOff() const { return bottoniOff; }
    void SetORV_Bottoni_ColoreSfondoOff(TColor v);
    TColor ORV_Bottoni_ColoreSfondoOn() const { return bottoniOn; }
    void SetORV_Bottoni_ColoreSfondoOn(TColor v);
    bool ORV_ProgressBar() const { return progressBar; }
    void SetORV_ProgressBar(bool v);
    bool ORV_ProgressUsaBitmap() const { return progressUsaBitmap; }
    void SetORV_ProgressUsaBitmap(bool v);
    TColor ORV_ProgressBar_Colore() const { return progressColore; }
    void SetORV_ProgressBar_Colore(TColor v);
    TColor ORV_ProgressBitmapColor1() const { return progressColore1; }
    void SetORV_ProgressBitmapColor1(TColor v);
    TColor ORV_ProgressBitmapColor2() const { return progressColore2; }
    void SetORV_ProgressBitmapColor2(TColor v);

    const QImage& Immagine(Skin skin) const { return skins[skin]; }
    void SetImmagine(Skin skin, const QImage& immagine);

    // The panel's background.
    TColor Color() const { return colore; }
    void SetColor(TColor v);
    TColor ColoreFont() const { return coloreFont; }
    void SetColoreFont(TColor v);
    Qt::AlignmentFlag Alignment() const { return allineamento; }
    void SetAlignment(Qt::AlignmentFlag v);

    // The text shown for the current value.
    QString TestoVisualizzato() const;

    EventoNotifica OnCambiamentoValore;
    EventoNotifica OnClick;
    EventoNotifica OnDblClick;
    EventoMouse OnMouseDown;
    EventoMouse OnMouseUp;

    void Disegna(QPainter& p);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void MouseEntra() override;
    void MouseEsce() override;
    void MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers shift, int x, int y) override;
    void MouseMove(Qt::KeyboardModifiers shift, int x, int y) override;
    void MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers shift, int x, int y) override;
    void Click() override;
    void DblClick() override;
    void Nascosto() override;
    void SfumaTraccia();
    void DisegnaBottoni(QPainter& p, bool modoBitmap);
    void Segnala();

    std::array<QImage, NumeroSkin> skins;
    int valore = 100;
    int valorePrecedente = 100;
    int valoreMin = 0;
    int valoreMax = 100;
    int valoreIncremento = 1;
    int valoreCambioCtrl = 5;
    int gap = 5;
    bool stop25 = false;
    bool stop30 = false;
    bool readOnly = false;
    QString prefisso;
    QString suffisso;
    int formatoAVideo = 0;
    int frameRate = 25;
    bool decimi = false;
    bool centesimi = false;
    bool millesimi = false;
    bool moltiplica = false;
    bool bottoni = false;
    bool bottoniDisegnati = false;
    TColor bottoniOff = 0x808080;
    TColor bottoniOn = 0x07BFFD;
    bool progressBar = false;
    bool progressUsaBitmap = false;
    TColor progressColore = 0x07BFFD;
    TColor progressColore1 = 0xFFFFFF;
    TColor progressColore2 = 0xFFFFFF;
    TColor colore = 0x505050;
    TColor coloreFont = 0x07BFFD;
    Qt::AlignmentFlag allineamento = Qt::AlignHCenter;

    bool zonaMeno = false;
    bool zonaPiu = false;
    bool pressioneAperta = false;
    int ultimoX = 0;
    int ultimoY = 0;
    TrascinamentoValore gesto;
    ContoEventi conto;
    CursoreDimensiona cursore;
    PuntatoreQt puntatore{this};
};
