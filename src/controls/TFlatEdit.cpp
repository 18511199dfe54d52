#include "controls/TFlatEdit.h"

#include "controls/StileFlat.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalBlocker>

#include <memory>

TFlatEdit::TFlatEdit(QWidget* owner) : QLineEdit(owner) {
    StileFlat::Applica(this, QStringLiteral("QLineEdit"));
    setFrame(false);
    connect(this, &QLineEdit::textEdited, this, &TFlatEdit::Modificato);
}

void TFlatEdit::SetText(const QString& testo) {
    {
        const QSignalBlocker blocco(this);
        setText(testo);
    }
    if (testo.size() > text().size()) emit Tagliato(testo.size());
}

qsizetype TFlatEdit::LunghezzaDopoIncolla() const {
    const QString incolla = QGuiApplication::clipboard()->text();
    // A line edit pastes the first line only.
    const qsizetype riga = incolla.indexOf(QLatin1Char('\n'));
    return text().size() - selectedText().size() + (riga < 0 ? incolla.size() : riga);
}

void TFlatEdit::ControllaIncolla(qsizetype attesa) {
    if (attesa > maxLength() && text().size() < attesa) emit Tagliato(attesa);
}

void TFlatEdit::keyPressEvent(QKeyEvent* e) {
    if (!e->matches(QKeySequence::Paste) || isReadOnly()) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    const qsizetype attesa = LunghezzaDopoIncolla();
    QLineEdit::keyPressEvent(e);
    ControllaIncolla(attesa);
}

void TFlatEdit::contextMenuEvent(QContextMenuEvent* e) {
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    if (QAction* incolla = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        const qsizetype attesa = LunghezzaDopoIncolla();
        // After the menu's own paste, which was connected first.
        connect(incolla, &QAction::triggered, this, [this, attesa] { ControllaIncolla(attesa); });
    }
    menu->exec(e->globalPos());
}
