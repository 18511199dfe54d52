#include "app/Avvio.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication applicazione(argc, argv);
    Programma programma;
    programma.Avvia();
    return applicazione.exec();
}
