#include "app/Avvio.h"
#include "controls/StileSuggerimenti.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication applicazione(argc, argv);
    ApplicaStileSuggerimenti(applicazione);
    Programma programma;
    programma.Avvia();
    return applicazione.exec();
}
