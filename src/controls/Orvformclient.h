#pragma once
// The client panel of a framed window: it carries the window's own content and keeps
// itself inside the frame by four margins, re-placed whenever its parent changes size.
#include "controls/ComuneControlli.h"

#include <QImage>
#include <QWidget>

class ORVFormClient : public QWidget {
    Q_OBJECT
public:
    explicit ORVFormClient(QWidget* owner = nullptr);

    int NonAreaClientSX() const { return sx; }
    int NonAreaClientDX() const { return dx; }
    int NonAreaClientSU() const { return su; }
    int NonAreaClientGIU() const { return giu; }
    void SetNonAreaClientSX(int v);
    void SetNonAreaClientDX(int v);
    void SetNonAreaClientSU(int v);
    void SetNonAreaClientGIU(int v);

    const QImage& Lato5() const { return lato5; }
    void SetLato5(const QImage& immagine);
    void CreaBitmap();

    // Takes its place from the margins (only with a body skin, as without one the panel
    // is not the window's client).
    void Posiziona();
    void Disegna(QPainter& p);

protected:
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    int sx = 6, dx = 6, su = 36, giu = 24;
    QImage lato5;
};
