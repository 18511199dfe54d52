#include "project/MotivoSistema.h"

#include "project/ImpostazioniGlobali.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

// The system's reasons in a message come out in the interface language, wherever they stand in
// it, the system's words as it gives them now and as the C library gives them in English; the
// rest of the message, a path that holds such words inside a name included, stays as it was.
TEST(MotivoSistema, SystemReasonsInTheInterfaceLanguage) {
    const QString sistemaNegato = QString::fromLocal8Bit(std::strerror(EACCES));
    const struct {
        const char* nome;
        QString testo;
        QString italiano, inglese;
    } casi[] = {
        {"a reason on its line", "Impossibile scrivere il frame:\n/v/Image_0001.jpg\nNo space left on device",
         "Impossibile scrivere il frame:\n/v/Image_0001.jpg\nSpazio esaurito sul dispositivo",
         "Impossibile scrivere il frame:\n/v/Image_0001.jpg\nNo space left on device"},
        {"after a colon", "/home/u/ProgettoQuenvox.txt: Permission denied", "/home/u/ProgettoQuenvox.txt: Permesso negato",
         "/home/u/ProgettoQuenvox.txt: Permission denied"},
        {"in brackets", "(Read-only file system)", "(File system in sola lettura)", "(Read-only file system)"},
        {"the system's words now", sistemaNegato, "Permesso negato", "Permission denied"},
        {"the longer of two reasons", "Too many open files in system", "Troppi file aperti nel sistema",
         "Too many open files in system"},
        {"Qt's unwritable file", "Existing file /home/u/ProgettoQuenvox.txt is not writable",
         "Il file esistente /home/u/ProgettoQuenvox.txt non è scrivibile",
         "Existing file /home/u/ProgettoQuenvox.txt is not writable"},
        {"an Italian reason in English", "Permesso negato", "Permesso negato", "Permission denied"},
        {"words inside a name stay", "/home/u/NotPermission deniedX/a.png", "/home/u/NotPermission deniedX/a.png",
         "/home/u/NotPermission deniedX/a.png"},
        {"nothing of the system", "Configurazione salvata", "Configurazione salvata", "Configurazione salvata"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(MotiviSistemaInLingua(c.testo, LinguaItaliano), c.italiano);
        EXPECT_EQ(MotiviSistemaInLingua(c.testo, LinguaInglese), c.inglese);
        // Spanish and German read the English, as every message does.
        EXPECT_EQ(MotiviSistemaInLingua(c.testo, 2), c.inglese);
    }
}
