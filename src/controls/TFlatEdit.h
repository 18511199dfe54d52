#pragma once
// The flat one-line edit. Text set by code fires nothing; every user edit (typing, paste,
// cut, input method) fires Modificato. A text longer than the box holds (maxLength) is cut by
// it: set by code or pasted, the cut is told by Tagliato, never left silent.
#include <QLineEdit>

class TFlatEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TFlatEdit(QWidget* owner = nullptr);

    QString Text() const { return text(); }
    void SetText(const QString& testo);

signals:
    void Modificato();
    // lunghezza: the characters the text would have had; the box kept maxLength of them.
    void Tagliato(qsizetype lunghezza);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    // The length the text would have after pasting the clipboard over the selection.
    qsizetype LunghezzaDopoIncolla() const;
    void ControllaIncolla(qsizetype attesa);
};
