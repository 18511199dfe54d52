#pragma once
// Children aligned to their parent's edges: the top ones first, then the bottom, left and
// right ones, each taking its edge of what is left, and the client ones fill the rest. The
// layout runs again whenever the parent resizes.
#include <QRect>
#include <QSize>

#include <vector>

class QWidget;

enum class Allineamento { Nessuno, Alto, Basso, Sinistra, Destra, Client };

struct FiglioAllineato {
    Allineamento allineamento = Allineamento::Nessuno;
    QRect geometria;
};
// The new geometry of every child, in the order given; Nessuno keeps its own.
std::vector<QRect> DisponiAllineati(QSize area, const std::vector<FiglioAllineato>& figli);

// Sets a child's alignment and lays out its parent's aligned children at once.
void ImpostaAllineamento(QWidget* figlio, Allineamento allineamento);
Allineamento AllineamentoDi(const QWidget* figlio);
// Lays out the aligned children of genitore (after a child changed its own size).
void RiallineaFigli(QWidget* genitore);
