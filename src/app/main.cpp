#include "app/Allsystempaths.h"
#include "app/VerInfo.h"
#include "platform/CartelleUtente.h"
#include "project/StiliTesto.h"
#include "platform/ValoriProgramma.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication applicazione(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quenvox"));

    VerInfo versione;
    ModoPosizionamento = 2;
    VersioneProgramma = versione.VersioneFile();
    AreaLavoro = MisuraAreaLavoro();

    const TAllSystemPaths cartelle;
    if (!ImpostaCartelleUtente(cartelle.GetAppData(), cartelle.GetMyDocuments(),
                               QCoreApplication::applicationDirPath()))
        std::fprintf(stderr, "Quenvox: some user folders could not be created under %s and %s\n",
                     qPrintable(cartelle.GetAppData()), qPrintable(cartelle.GetMyDocuments()));
    // A first start gets the shipped text styles, as an installer would have put them there.
    for (const QString& errore : InstallaStiliPredefiniti().Errori)
        std::fprintf(stderr, "Quenvox: %s\n", qPrintable(errore));

    QWidget finestra;
    finestra.setWindowTitle(QStringLiteral("Quenvox"));
    finestra.resize(640, 400);
    finestra.show();
    return applicazione.exec();
}
