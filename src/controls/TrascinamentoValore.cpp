#include "controls/TrascinamentoValore.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

QPoint PuntatoreQt::Posizione() const { return QCursor::pos(controllo->screen()); }

void PuntatoreQt::Sposta(const QPoint& globale) { QCursor::setPos(controllo->screen(), globale); }

QRect PuntatoreQt::Schermo() const {
    const QScreen* schermo = controllo->screen();
    if (!schermo) schermo = QGuiApplication::primaryScreen();
    return schermo ? schermo->geometry() : QRect();
}

int PuntatoreQt::XLocale(const QPoint& globale) const { return controllo->mapFromGlobal(globale).x(); }

bool TrascinamentoValore::Muovi(int x, bool ctrl, int& valore, const ParametriTrascinamento& p,
                                PuntatoreSchermo* puntatore, const std::function<void()>& alPasso) {
    if (!armato) return false;
    if (fermo > 0) {
        --fermo;
        return false;
    }
    const int passo = ctrl ? p.passoCtrl : p.incremento;
    bool cambiato = false;
    if (x - ancora > p.gap) {
        ancora = x;
        if (valore < p.massimo) {
            valore = std::min(valore + passo, p.massimo);
            cambiato = true;
            if (alPasso) alPasso();
        }
        AvvolgiADestra(puntatore);
    } else if (ancora - x > p.gap) {
        ancora = x;
        if (valore > p.minimo) {
            valore = std::max(valore - passo, p.minimo);
            cambiato = true;
            if (alPasso) alPasso();
        }
        AvvolgiASinistra(puntatore);
    }
    if ((p.stop25 && valore % 25 == 0) || (p.stop30 && valore % 30 == 0)) fermo = MossePerFermo;
    return cambiato;
}

// The anchor follows the cursor only when it really moved, so a platform that cannot move
// the cursor does not make the value run away.
void TrascinamentoValore::AvvolgiADestra(PuntatoreSchermo* puntatore) {
    if (!puntatore) return;
    const QRect schermo = puntatore->Schermo();
    const QPoint prima = puntatore->Posizione();
    if (prima.x() <= schermo.x() + schermo.width() - MargineBordo) return;
    puntatore->Sposta(QPoint(schermo.x() + MargineBordo, prima.y()));
    const QPoint dopo = puntatore->Posizione();
    if (dopo != prima) ancora = puntatore->XLocale(dopo);
}

void TrascinamentoValore::AvvolgiASinistra(PuntatoreSchermo* puntatore) {
    if (!puntatore) return;
    const QRect schermo = puntatore->Schermo();
    const QPoint prima = puntatore->Posizione();
    if (prima.x() >= schermo.x() + MargineBordo) return;
    puntatore->Sposta(QPoint(schermo.x() + schermo.width() - MargineBordo, prima.y()));
    const QPoint dopo = puntatore->Posizione();
    if (dopo != prima) ancora = puntatore->XLocale(dopo);
}
