#pragma once
// The drag-to-change gesture: one step each time the pointer has travelled more than a gap
// sideways from an anchor, with a Ctrl step, detents at multiples of 25 or 30, and the cursor
// wrapped to the opposite screen edge so that a drag can go on past it.
#include <QPoint>
#include <QRect>

#include <functional>

class QWidget;

struct ParametriTrascinamento {
    int minimo = 0;
    int massimo = 100;
    int incremento = 1;
    int passoCtrl = 1;  // the lists have no Ctrl step: the same as the increment
    int gap = 5;
    bool stop25 = false;
    bool stop30 = false;
};

// The screen cursor as the gesture sees it.
class PuntatoreSchermo {
public:
    virtual ~PuntatoreSchermo() = default;
    virtual QPoint Posizione() const = 0;
    virtual void Sposta(const QPoint& globale) = 0;
    // The screen the control is on.
    virtual QRect Schermo() const = 0;
    // A screen x in the control's own coordinates.
    virtual int XLocale(const QPoint& globale) const = 0;
};

// The real cursor, over the screen of a widget.
class PuntatoreQt : public PuntatoreSchermo {
public:
    explicit PuntatoreQt(const QWidget* controllo) : controllo(controllo) {}
    QPoint Posizione() const override;
    void Sposta(const QPoint& globale) override;
    QRect Schermo() const override;
    int XLocale(const QPoint& globale) const override;

private:
    const QWidget* controllo;
};

class TrascinamentoValore {
public:
    static constexpr int MargineBordo = 6;
    static constexpr int MossePerFermo = 15;

    void Arma(int x) {
        armato = true;
        ancora = x;
    }
    void Disarma() { armato = false; }
    bool Armato() const { return armato; }
    int Ancora() const { return ancora; }
    int Fermo() const { return fermo; }

    // One mouse move of the armed gesture. alPasso runs right after the value changed
    // (to repaint and count), before the cursor wrap. True when the value changed.
    bool Muovi(int x, bool ctrl, int& valore, const ParametriTrascinamento& parametri, PuntatoreSchermo* puntatore,
               const std::function<void()>& alPasso = {});

private:
    void AvvolgiADestra(PuntatoreSchermo* puntatore);
    void AvvolgiASinistra(PuntatoreSchermo* puntatore);

    bool armato = false;
    int ancora = 0;
    int fermo = 0;
};

// The numeric controls fire their change event every 20 steps and at release.
class ContoEventi {
public:
    static constexpr int Iniziale = 20;
    void Azzera() { conto = Iniziale; }
    // A step that changed the value; true when the event must fire now.
    bool Passo() {
        if (--conto < 1) {
            conto = Iniziale;
            return true;
        }
        return false;
    }
    // At release the event fires when steps are pending; the count is not reset.
    bool InSospeso() const { return conto != Iniziale; }
    int Valore() const { return conto; }

private:
    int conto = Iniziale;
};
