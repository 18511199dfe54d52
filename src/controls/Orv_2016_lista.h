#pragma once
// The list stepper: a bar with a left and a right arrow and the selected item's text between
// them; arrows and sideways drags step through the list.
#include "controls/ComuneControlli.h"
#include "controls/TrascinamentoValore.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>

class ORV_2016_Stile;

class ORV_2016_Lista : public QWidget, private RicevitoreMouse {
    Q_OBJECT
public:
    enum Skin {
        ORV_BTN_SX_Passivo, ORV_BTN_SX_Attivo,
        ORV_BTN_DX_Passivo, ORV_BTN_DX_Attivo,
        ORV_Sfondo, ORV_ImmagineAssociata,
        NumeroSkin
    };

    explicit ORV_2016_Lista(QWidget* owner = nullptr);

    const QString& Caption() const { return caption; }
    void SetCaption(const QString& testo);

    const QStringList& ORV_Elenco() const { return elenco; }
    // Copies the items; the selected item and the caption stay as they are.
    void SetORV_Elenco(const QStringList& voci);
    int ORV_Voce() const { return voce; }
    // An item outside the list selects item 1; the caption follows.
    void SetORV_Voce(int v);
    int ORV_GapCambioValore() const { return gap; }
    void SetORV_GapCambioValore(int v);

    const QImage& Immagine(Skin skin) const { return skins[skin]; }
    void SetImmagine(Skin skin, const QImage& immagine);

    TColor ORV_OmbraColore() const { return ombraColore; }
    void SetORV_OmbraColore(TColor v);
    int ORV_OmbraDistanza() const { return ombraDistanza; }
    void SetORV_OmbraDistanza(int v);
    TColor ColoreFont() const { return coloreFont; }
    void SetColoreFont(TColor v);

    // Copies the arrows, the background and the shadow and takes the background's height.
    void SetORV_Stile(const ORV_2016_Stile* stile);
    const ORV_2016_Stile* ORV_Stile() const { return nullptr; }

    EventoNotifica OnCambiamentoValore;
    EventoNotifica OnClick;
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
    void Click() override;
    void DblClick() override;
    void Nascosto() override;
    void AggiornaCaption();
    int Larghezza(Skin skin) const { return BitmapPresente(skins[skin]) ? skins[skin].width() : 0; }

    std::array<QImage, NumeroSkin> skins;
    QString caption;
    QStringList elenco;
    int voce = 1;
    int gap = 5;
    TColor ombraColore = 0;
    int ombraDistanza = 1;
    TColor coloreFont = 0xC0C0C0;
    bool MouseDentro = false;
    int frecciaPremuta = 0;  // 0 none, 1 left, 2 right
    bool zonaMeno = false;
    bool zonaPiu = false;
    TrascinamentoValore gesto;
    CursoreDimensiona cursore;
    PuntatoreQt puntatore{this};
};
