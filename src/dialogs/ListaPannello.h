#pragma once
// A chooser list: a bordered panel holding the list box and its skinned bar, kept in step
// both ways (a drag of the bar scrolls the list, the wheel and the keys move the thumb).
#include "controls/Orvlistbox.h"
#include "controls/Orvpannellobordo.h"

#include <QStringList>

class ORVScrollBarVert;

class ListaPannello : public ORVPannelloBordo {
    Q_OBJECT
public:
    static constexpr TColor Colore = 0x505050;
    static constexpr TColor ColoreBordo = 0x808080;
    static constexpr int AltezzaVoce = 19;
    static constexpr int LarghezzaBarra = 15;

    explicit ListaPannello(QWidget* owner = nullptr);

    ORVListBox* Lista() const { return lista; }
    ORVScrollBarVert* Barra() const { return barra; }
    // Replaces the rows, scrolls to the top and sizes the bar to them.
    void Riempi(const QStringList& voci);
    QStringList Voci() const;
    // The selected row's text, or empty.
    QString VoceSelezionata() const;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void Disponi();

    ORVListBox* lista;
    ORVScrollBarVert* barra;
};
