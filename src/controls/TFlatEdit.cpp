#include "controls/TFlatEdit.h"

#include "controls/StileFlat.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalBlocker>

#include <memory>

TFlatEdit::TFlatEdit(QWidget* owner) : QLineEdit(owner) {
    StileFlat::Applica(this, QStringLiteral("QLineEdit"));
    setFrame(false);
    connect(this, &QLineEdit::textEdited, this, &TFlatEdit::Modificato);
    // Room again: the next key the full box drops is told anew.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (text().size() < maxLength()) pienoDetto_ = false;
    });
}

void TFlatEdit::SetText(const QString& testo) {
    {
        const QSignalBlocker blocco(this);
        setText(testo);
    }
    if (testo.size() > text().size()) emit Tagliato(testo.size());
}

qsizetype TFlatEdit::LunghezzaCon(const QString& entrante, qsizetype tolti) const {
    // The line edit keeps a pasted text whole, line breaks and all.
    return text().size() - tolti + entrante.size();
}

void TFlatEdit::ControllaIncolla(qsizetype attesa) {
    if (attesa > maxLength() && text().size() < attesa) emit Tagliato(attesa);
}

void TFlatEdit::keyPressEvent(QKeyEvent* e) {
    if (isReadOnly()) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    if (!e->matches(QKeySequence::Paste)) {
        // A key that types a character into a full box is dropped: told once, not at every key.
        const bool carattere = !e->text().isEmpty() && e->text().front().isPrint() &&
                               !(e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
        const qsizetype attesa = carattere ? LunghezzaCon(e->text(), selectedText().size()) : 0;
        QLineEdit::keyPressEvent(e);
        if (carattere && !pienoDetto_ && attesa > maxLength() && text().size() < attesa) {
            pienoDetto_ = true;
            emit Tagliato(attesa);
        }
        return;
    }
    const qsizetype attesa = LunghezzaCon(QGuiApplication::clipboard()->text(), selectedText().size());
    QLineEdit::keyPressEvent(e);
    ControllaIncolla(attesa);
}

void TFlatEdit::contextMenuEvent(QContextMenuEvent* e) {
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    if (QAction* incolla = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        const qsizetype attesa = LunghezzaCon(QGuiApplication::clipboard()->text(), selectedText().size());
        // After the menu's own paste, which was connected first.
        connect(incolla, &QAction::triggered, this, [this, attesa] { ControllaIncolla(attesa); });
    }
    menu->exec(e->globalPos());
}

void TFlatEdit::mouseReleaseEvent(QMouseEvent* e) {
    const QClipboard* appunti = QGuiApplication::clipboard();
    // The middle button pastes the selection at the pointer, the box's own selection dropped.
    const bool incolla = e->button() == Qt::MiddleButton && appunti->supportsSelection() && !isReadOnly();
    const qsizetype attesa = incolla ? LunghezzaCon(appunti->text(QClipboard::Selection), 0) : 0;
    QLineEdit::mouseReleaseEvent(e);
    if (incolla) ControllaIncolla(attesa);
}

void TFlatEdit::dropEvent(QDropEvent* e) {
    // A text moved within the box leaves its old place.
    const bool spostato = e->source() == this && e->dropAction() == Qt::MoveAction;
    const qsizetype attesa =
        e->mimeData() ? LunghezzaCon(e->mimeData()->text(), spostato ? selectedText().size() : 0) : 0;
    QLineEdit::dropEvent(e);
    ControllaIncolla(attesa);
}

void TFlatEdit::inputMethodEvent(QInputMethodEvent* e) {
    const qsizetype attesa = LunghezzaCon(e->commitString(), selectedText().size());
    QLineEdit::inputMethodEvent(e);
    if (!e->commitString().isEmpty()) ControllaIncolla(attesa);
}
