#pragma once
// The check box: an LED that shows the state, a skinned body behind the caption, an optional
// open button at the right end, an optional JPEG thumbnail and a vector-drawn look.
#include "controls/ComuneControlli.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <array>

class ORV_2016_Stile;

class ORV_2016_Check : public QWidget, private RicevitoreMouse {
    Q_OBJECT
public:
    enum Skin {
        ORV_LedAcceso, ORV_LedSpento,
        ORV_Normale1, ORV_Normale2, ORV_Normale3,
        ORV_Attivo1, ORV_Attivo2, ORV_Attivo3,
        ORV_Btn_Apri_Normale, ORV_Btn_Apri_Attivo,
        NumeroSkin
    };

    explicit ORV_2016_Check(QWidget* owner = nullptr);

    const QString& Caption() const { return caption; }
    // Stores and repaints every time.
    void SetCaption(const QString& testo);
    bool Checked() const { return checked; }
    void SetChecked(bool v);
    // A member of a group of which one is always on: a press does not toggle, a click turns
    // it on (never off) and fires the click.
    bool Radio() const { return radio; }
    void SetRadio(bool v) { radio = v; }

    const QImage& Immagine(Skin skin) const { return skins[skin]; }
    void SetImmagine(Skin skin, const QImage& immagine);

    bool ORV_BottoneApertura() const { return bottoneApertura; }
    void SetORV_BottoneApertura(bool v);
    // 1 when the last left press hit the body, 2 the open button; only presses change it.
    int ORV_Bottone() const { return bottone; }
    void SetORV_Bottone(int) {}
    // A JPEG file shown as a 48x28 thumbnail; a file that cannot be read keeps the old one.
    const QString& ORV_Immagine() const { return percorsoImmagine; }
    void SetORV_Immagine(const QString& percorso);
    const QImage& Miniatura() const { return miniatura; }

    bool ORV_Disegnato() const { return disegnato; }
    void SetORV_Disegnato(bool v);
    TColor ORV_DisegnatoColoreSfondo() const { return coloreSfondo; }
    void SetORV_DisegnatoColoreSfondo(TColor v);
    TColor ORV_DisegnatoColoreDisegno() const { return coloreDisegno; }
    void SetORV_DisegnatoColoreDisegno(TColor v);
    TColor ORV_DisegnatoColoreDisegnoOmbra() const { return coloreDisegnoOmbra; }
    void SetORV_DisegnatoColoreDisegnoOmbra(TColor v);

    TColor ORV_OmbraColore() const { return ombraColore; }
    void SetORV_OmbraColore(TColor v);
    int ORV_OmbraDistanza() const { return ombraDistanza; }
    void SetORV_OmbraDistanza(int v);
    bool ORV_CheckedPrecedente() const { return checkedPrecedente; }
    void SetORV_CheckedPrecedente(bool v);

    TColor ColoreFont() const { return coloreFont; }
    void SetColoreFont(TColor v);

    // Copies the style's bodies, LEDs and open buttons and takes its height; no link is kept.
    void SetORV_Stile(const ORV_2016_Stile* stile);
    const ORV_2016_Stile* ORV_Stile() const { return nullptr; }

    EventoNotifica OnClick;
    EventoNotifica OnDblClick;

    void Disegna(QPainter& p);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void MouseEntra() override;
    void MouseEsce() override;
    void MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int x, int y) override;
    void MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int x, int y) override;
    void Click() override;
    void DblClick() override;
    void DisegnaVettoriale(QPainter& p);

    std::array<QImage, NumeroSkin> skins;
    QString caption;
    bool checked = false;
    bool radio = false;
    bool bottoneApertura = false;
    int bottone = 1;
    QString percorsoImmagine;
    QImage miniatura;
    bool disegnato = false;
    TColor coloreSfondo = 0x303030;
    TColor coloreDisegno = 0x999999;
    TColor coloreDisegnoOmbra = 0x393939;
    TColor ombraColore = 0;
    int ombraDistanza = 1;
    bool checkedPrecedente = false;
    TColor coloreFont = 0xC0C0C0;
    bool MouseDentro = false;
    bool TastoPremuto = false;
};
