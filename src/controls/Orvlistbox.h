#pragma once
// The chooser's list: never a system scroll bar, one line per wheel notch, and the top row
// readable and settable so that a skinned bar can follow it.
#include "controls/ComuneControlli.h"

#include <QListWidget>

class ORVListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ORVListBox(QWidget* owner = nullptr);

    int TopIndex() const;
    void SetTopIndex(int riga);
    // Rows that fit whole in the view.
    int RigheVisibili() const;
    int ItemHeight() const { return altezzaVoce; }
    void SetItemHeight(int v);

    // After the wheel moved the list (the chooser moves its bar then).
    EventoNotifica OnRotella;

protected:
    void wheelEvent(QWheelEvent* e) override;

private:
    int altezzaVoce = 19;
    int restoRotella = 0;
};
