#pragma once
// A page of fixed-place controls that scrolls up and down when its window is shorter than the
// page: the controls go on Contenuto(), which is as wide as the view and as tall as the
// lowest visible control plus a margin (at least the view's height). The bar is the flat
// boxes' dark one and shows only while something is out of view.
#include <QScrollArea>

class PaginaScorrevole : public QScrollArea {
    Q_OBJECT
public:
    explicit PaginaScorrevole(QWidget* owner = nullptr);

    QWidget* Contenuto() const { return contenuto; }
    // Call after controls were placed, shown or hidden.
    void Adatta();
    // Room left free below the lowest control.
    static constexpr int MargineBasso = 8;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    QWidget* contenuto;
};
