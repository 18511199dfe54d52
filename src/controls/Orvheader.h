#pragma once
// The tab header of the paged windows: a framed panel with a row of tabs along its top and
// the page container inset by its border. A click on a tab selects it and fires
// OnCambioPagina; the window then shows the page.
#include "controls/ComuneControlli.h"
#include "controls/GeometriaHeader.h"

#include <QImage>
#include <QStringList>
#include <QWidget>

#include <array>

class QStackedWidget;

class ORVHeader : public QWidget, private RicevitoreMouse {
    Q_OBJECT
public:
    enum Skin {
        ORV_Cornice1, ORV_Cornice2, ORV_Cornice3, ORV_Cornice4, ORV_Cornice5,
        ORV_Cornice6, ORV_Cornice7, ORV_Cornice8, ORV_Cornice9,
        ORV_Sx_Sin_Off, ORV_Sx_Sin_On,
        ORV_Dx_Doppio_Off, ORV_Dx_Doppio_On, ORV_Sx_Doppio_On,
        ORV_Dx_Sin_Off, ORV_Dx_Sin_On,
        ORV_Centro_Off, ORV_Centro_On,
        NumeroSkin
    };

    explicit ORVHeader(QWidget* owner = nullptr);

    const QImage& Immagine(Skin skin) const { return skins[skin]; }
    void SetImmagine(Skin skin, const QImage& immagine);
    // The built-in set, 50 high, or the smaller 40-high one of the main and codec windows.
    void CreaBitmap(int altezzaSchede = 50);

    const QStringList& ORV_Pannelli() const { return pannelli; }
    void SetORV_Pannelli(const QStringList& lista);
    int ORV_PannelloAttivo() const { return attivo; }
    void SetORV_PannelloAttivo(int n);

    const QString& Caption() const { return caption; }
    void SetCaption(const QString& testo);
    TColor ColoreFont() const { return coloreFont; }
    void SetColoreFont(TColor v);

    // Inset of the page container inside the frame.
    int BorderWidth() const { return bordo; }
    void SetBorderWidth(int v);
    QStackedWidget* Pagine() const { return pagine; }

    EventoNotifica OnCambioPagina;
    EventoNotifica OnMouseEnter;
    EventoNotifica OnMouseLeave;

    // The tab row as last laid out (the hit test uses it). A row wider than the header ends
    // InizioSchede from its right edge: the widest captions give way.
    RigaSchede Riga() const;
    // Tab i's caption (0-based) as drawn: whole, or cut with an ellipsis to its room.
    QString CaptionMostrata(int i) const;
    void Disegna(QPainter& p);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    // A cut caption shows whole in the tooltip of its tab.
    bool event(QEvent* e) override;

private:
    void MouseEntra() override;
    void MouseEsce() override;
    void MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) override;
    void MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int x, int y) override;
    const QImage& ImmaginePezzo(PezzoScheda p) const;

    std::array<QImage, NumeroSkin> skins;
    QStringList pannelli;
    int attivo = 1;
    QString caption;
    TColor coloreFont = 0xC0C0C0;
    int bordo = 40;
    QStackedWidget* pagine;
    bool MouseDentro = false;
    bool TastoPremuto = false;
};
