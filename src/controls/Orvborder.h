#pragma once
// One edge of a borderless window's frame: aligned to a side of its parent it draws a 5-px
// strip (or, at the top in the dark styles, a 30-px title bar from three pictures with a
// caption); dragging it resizes the parent from that edge, dragging the dark title bar moves it.
#include "controls/Allineamento.h"
#include "controls/ComuneControlli.h"

#include <QImage>
#include <QRect>
#include <QWidget>

#include <array>

class ORVBorder : public QWidget, private RicevitoreMouse {
    Q_OBJECT
public:
    enum Skin { Sfondo, TopSx, TopCentro, TopDx, NumeroSkin };

    explicit ORVBorder(QWidget* owner = nullptr);

    const QImage& Immagine(Skin skin) const { return skins[skin]; }
    void SetImmagine(Skin skin, const QImage& immagine);

    int Stile() const { return stile; }
    void SetStile(int v);
    bool ModificaDimensioni() const { return modificaDimensioni; }
    void SetModificaDimensioni(bool v) { modificaDimensioni = v; }
    Allineamento Align() const { return AllineamentoDi(this); }
    void SetAlign(Allineamento a);
    int SpazioBottoni() const { return spazioBottoni; }
    void SetSpazioBottoni(int v);
    const QString& Caption() const { return caption; }
    void SetCaption(const QString& testo);

    // x of the caption: centred between the title's left and right pieces.
    int XCaption() const;

    EventoNotifica OnClick, OnDblClick, OnMouseEnter, OnMouseLeave;

    void Disegna(QPainter& p);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void MouseEntra() override;
    void MouseEsce() override;
    void MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int x, int y) override;
    void MouseMove(Qt::KeyboardModifiers, int x, int y) override;
    void MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int x, int y) override;
    void Click() override {
        if (OnClick) OnClick(this);
    }
    void DblClick() override {
        if (OnDblClick) OnDblClick(this);
    }
    void Nascosto() override;
    // The strip's thickness follows its side and style.
    void AdattaSpessore();
    void CursoreDiEntrata();
    bool Scuro() const { return stile == 2 || stile == 3; }
    int Larghezza(Skin s) const { return BitmapPresente(skins[s]) ? skins[s].width() : 0; }

    std::array<QImage, NumeroSkin> skins;
    int stile = 1;
    bool modificaDimensioni = true;
    int spazioBottoni = 0;
    QString caption;
    bool mouseDentro = false, tastoPremuto = false;
    bool spostamentoManuale = false;
    QPoint globaleAllaPressione;
    QRect genitoreAllaPressione;
};
