#pragma once
// The answer button of the message box and the choosers: three slices per state and a
// caption that is white under the pointer and grey otherwise.
#include "controls/ComuneControlli.h"
#include "controls/StatiPulsanti.h"

#include <QImage>
#include <QWidget>

#include <array>

class ORVLRButton : public QWidget, private RicevitoreMouse {
    Q_OBJECT
public:
    enum Skin {
        ORV_BT_LR_Norm_1, ORV_BT_LR_Norm_2, ORV_BT_LR_Norm_3,
        ORV_BT_LR_Att_1, ORV_BT_LR_Att_2, ORV_BT_LR_Att_3,
        ORV_BT_LR_On_1, ORV_BT_LR_On_2, ORV_BT_LR_On_3,
        NumeroSkin
    };

    explicit ORVLRButton(QWidget* owner = nullptr);

    const QImage& Immagine(Skin skin) const { return skins[skin]; }
    void SetImmagine(Skin skin, const QImage& immagine);
    void CreaBitmap();

    const QString& Caption() const { return caption; }
    void SetCaption(const QString& testo);
    bool AutoSize() const { return autoSize; }
    void SetAutoSize(bool v);

    EventoNotifica OnClick;
    EventoNotifica OnDblClick;

    StatoPulsante Stato() const { return StatoTreFette(MouseDentro, TastoPremuto); }
    void Disegna(QPainter& p);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void MouseEntra() override;
    void MouseEsce() override;
    // Hidden (its window closed): no hover or press is left for the next showing.
    void Nascosto() override { MouseDentro = TastoPremuto = false; }
    void MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) override;
    void MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) override;
    void Click() override;
    void DblClick() override;
    void AdattaLarghezza();

    std::array<QImage, NumeroSkin> skins;
    QString caption = QStringLiteral("ORVLRButton");
    bool autoSize = false;
    bool MouseDentro = false;
    bool TastoPremuto = false;
};
