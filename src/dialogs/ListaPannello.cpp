#include "dialogs/ListaPannello.h"

#include "controls/Orvscrollbarvert.h"

#include <QScrollBar>

#include <algorithm>

ListaPannello::ListaPannello(QWidget* owner) : ORVPannelloBordo(owner) {
    SetColor(Colore);
    SetBorderColor(ColoreBordo);
    lista = new ORVListBox(this);
    lista->SetItemHeight(AltezzaVoce);
    lista->SetColoreSfondo(Colore);
    lista->setFont(FontControllo("Calibri", 11));
    barra = new ORVScrollBarVert(this);
    barra->SetORV_ColoreSfondo(Colore);
    barra->SetORV_ValoreMax(1000);

    // The bar reports the content y of the view's bottom: the top row is the hidden height
    // over the row height, rounded up.
    barra->OnCambioPosizione = [this](QObject*) {
        lista->SetTopIndex((AltezzaVoce + barra->ORV_Posizione() - barra->height() - 1) / AltezzaVoce);
    };
    connect(lista->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int) { barra->ImpostaPosizione(lista->count(), lista->TopIndex(), AltezzaVoce); });
    Disponi();
}

void ListaPannello::Disponi() {
    const QRect interno = rect().adjusted(1, 1, -1, -1);
    lista->setGeometry(interno.x(), interno.y(), std::max(0, interno.width() - LarghezzaBarra), interno.height());
    barra->setGeometry(interno.right() + 1 - LarghezzaBarra, interno.y(), LarghezzaBarra, interno.height());
}

void ListaPannello::resizeEvent(QResizeEvent* e) {
    ORVPannelloBordo::resizeEvent(e);
    Disponi();
}

void ListaPannello::Riempi(const QStringList& voci) {
    lista->clear();
    lista->addItems(voci);
    lista->SetTopIndex(0);
    barra->SetORV_ValoreMax(int(voci.size()) * AltezzaVoce);
    barra->SetORV_Posizione(0);
}

QStringList ListaPannello::Voci() const {
    QStringList voci;
    for (int i = 0; i < lista->count(); ++i) voci << lista->item(i)->text();
    return voci;
}

QString ListaPannello::VoceSelezionata() const {
    const QListWidgetItem* voce = lista->currentItem();
    return voce && voce->isSelected() ? voce->text() : QString();
}
