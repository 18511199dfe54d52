#pragma once
// The flat drop-down: select-only (no typing), rows 19 pixels high, drawn in the flat look
// with an arrow of its own. A selection made by code fires nothing; the user's pick fires
// Modificato.
#include <QComboBox>
#include <QStringList>

class TFlatComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TFlatComboBox(QWidget* owner = nullptr);

    QStringList Voci() const;
    // Replaces the items; nothing is selected afterwards.
    void SetVoci(const QStringList& voci);
    // -1 for none.
    int IndiceVoce() const { return currentIndex(); }
    void SetIndiceVoce(int indice);
    QString Testo() const { return currentText(); }

signals:
    void Modificato();

protected:
    void paintEvent(QPaintEvent*) override;
};
