#include "app/Avvio.h"
#include "app/Frm2principale.h"
#include "app/PortaDialoghiReale.h"
#include "controls/StileSuggerimenti.h"
#include "platform/ChiusureX11.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication applicazione(argc, argv);
    ApplicaStileSuggerimenti(applicazione);
    Programma programma;
    // The window manager's close of the main window while the encoding window holds it
    // modal is the encoding window's request; Qt alone would drop it.
    ChiusureX11 chiusure([&programma](WId finestra) {
        TForm2Principale& principale = programma.Principale();
        return principale.isVisible() && principale.winId() == finestra && programma.Porta().InoltraChiusura();
    });
    // So is a click on the main window's own close button, which Qt drops the same way.
    chiusure.ImpostaClic([&programma](WId finestra, QPoint punto) {
        TForm2Principale& principale = programma.Principale();
        const QWidget* modale = QApplication::activeModalWidget();
        return modale && modale != &principale && principale.isVisible() && principale.winId() == finestra &&
               principale.ClicBloccato(punto);
    });
    applicazione.installNativeEventFilter(&chiusure);
    programma.Avvia();
    return applicazione.exec();
}
