#include "controls/TFlatEdit.h"

#include "controls/StileFlat.h"

#include <QSignalBlocker>

TFlatEdit::TFlatEdit(QWidget* owner) : QLineEdit(owner) {
    StileFlat::Applica(this, QStringLiteral("QLineEdit"));
    setFrame(false);
    connect(this, &QLineEdit::textEdited, this, &TFlatEdit::Modificato);
}

void TFlatEdit::SetText(const QString& testo) {
    const QSignalBlocker blocco(this);
    setText(testo);
}
