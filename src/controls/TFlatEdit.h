#pragma once
// The flat one-line edit. Text set by code fires nothing; every user edit (typing, paste,
// cut, input method) fires Modificato. A text longer than the box holds (maxLength) is cut by
// it: however it comes in (set by code, typed, pasted, pasted with the middle button, dropped,
// from an input method), the cut is told by Tagliato, never left silent. Keys typed into a
// full box are told once, until it has room again.
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
    void mouseReleaseEvent(QMouseEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;

private:
    // The length the text would have with entrante put in place of tolti of its characters.
    qsizetype LunghezzaCon(const QString& entrante, qsizetype tolti) const;
    void ControllaIncolla(qsizetype attesa);
    bool pienoDetto_ = false;  // a key dropped by the full box was told
};
