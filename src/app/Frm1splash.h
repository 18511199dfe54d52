#pragma once
// The splash: a borderless window shaped by its picture that shows the version for
// DurataSplash milliseconds, then hides and runs the main window; when that returns the
// splash closes, and with it the program.
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <functional>

class ORV_2016_Label;
class QLabel;

extern int DurataSplash;  // milliseconds the splash stays up

// The window region of a picture: every pixel that differs from its top-left one.
QRegion RegioneSplash(const QImage& immagine);

class TForm1Splash : public QWidget {
    Q_OBJECT
public:
    explicit TForm1Splash(QWidget* owner = nullptr);

    // Runs the main window and returns when it has closed.
    void SetMostraPrincipale(std::function<void()> mostra) { mostraPrincipale = std::move(mostra); }

    void FormCreate();
    void FormShow();
    void Timer1Timer();

    QTimer* Timer1;
    QLabel* LabelVersione;
    const QImage& Image1() const { return immagine; }

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent*) override;

private:
    QImage immagine;
    std::function<void()> mostraPrincipale;
};
