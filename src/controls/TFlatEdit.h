#pragma once
// The flat one-line edit. Text set by code fires nothing; every user edit (typing, paste,
// cut, input method) fires Modificato.
#include <QLineEdit>

class TFlatEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TFlatEdit(QWidget* owner = nullptr);

    QString Text() const { return text(); }
    void SetText(const QString& testo);

signals:
    void Modificato();
};
