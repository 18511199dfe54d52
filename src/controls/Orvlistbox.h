#pragma once
// The chooser's list: never a system scroll bar, the desktop's rows per wheel notch, and the top row
// readable and settable so that a skinned bar can follow it.
#include "controls/ComuneControlli.h"

#include <QListWidget>

#include <functional>

class QPainter;

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

    // Owner-drawn rows: the list fills the row with its colour and marks the selected one,
    // then the hook draws the row's content. Without a hook the text is drawn plainly.
    using DisegnoVoce = std::function<void(QPainter& p, const QRect& riga, int indice, bool selezionato)>;
    void SetDisegnoVoce(DisegnoVoce disegno);
    bool HaDisegnoVoce() const { return static_cast<bool>(disegnoVoce); }
    TColor ColoreSfondo() const { return coloreSfondo; }
    void SetColoreSfondo(TColor v);
    // Draws one row as the view does (for tests and pictures).
    void DisegnaRiga(QPainter& p, const QRect& riga, int indice, bool selezionato) const;

protected:
    void wheelEvent(QWheelEvent* e) override;

private:
    int altezzaVoce = 19;
    TColor coloreSfondo = 0x505050;
    DisegnoVoce disegnoVoce;
    int restoRotella = 0;
};
