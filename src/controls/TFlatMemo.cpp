#include "controls/TFlatMemo.h"

#include "controls/StileFlat.h"

#include <QSignalBlocker>

TFlatMemo::TFlatMemo(QWidget* owner) : QPlainTextEdit(owner) {
    StileFlat::Applica(this, QStringLiteral("QPlainTextEdit"));
    setFrameShape(QFrame::NoFrame);
    // textChanged also follows code changes, so those are filtered by the flag as well.
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!daCodice) emit Modificato();
    });
}

QStringList TFlatMemo::Lines() const {
    const QString testo = toPlainText();
    if (testo.isEmpty()) return {};
    return testo.split(QLatin1Char('\n'));
}

void TFlatMemo::SetLines(const QStringList& righe) {
    SetText(righe.join(QLatin1Char('\n')));
}

void TFlatMemo::SetText(const QString& testo) {
    const QSignalBlocker blocco(this);
    daCodice = true;
    setPlainText(testo);
    daCodice = false;
}
