// The end of the session reaching a picture read: the read is given up at its next check, so the
// save on the event loop never waits for it, and reads go on once the save has run.
#include "app/SegnaliSessione.h"

#include "common/Attesa.h"
#include "common/BombeImmagini.h"
#include "common/CasaTemporanea.h"
#include "platform/LetturaImmagini.h"

#include <gtest/gtest.h>

#include <csignal>
#include <unistd.h>

namespace {

TEST(LettureInterrotte, ASigtermStopsPictureReadsUntilTheSaveHasRun) {
    CasaTemporanea casa;
    const QString percorso = casa.Sotto("a.png");
    ASSERT_TRUE(bombe::Scrivi(percorso, bombe::Png(64, 48)));
    bool salvato = false;
    bool interrottaAlSalvataggio = true;
    {
        SegnaliSessione segnali([&] {
            salvato = true;
            interrottaAlSalvataggio = LettureImmaginiInterrotte();
        });
        ASSERT_FALSE(LettureImmaginiInterrotte());
        ::kill(::getpid(), SIGTERM);
        // The handler alone, before the event loop has seen the signal.
        const bool fermate = AttendiChe([] { return LettureImmaginiInterrotte(); });
        EXPECT_TRUE(fermate);
        if (fermate && !salvato) {
            EXPECT_EQ(LeggiImmagine(percorso).Rifiuto, RifiutoImmagine::Interrotta);
        }
        ASSERT_TRUE(AttendiChe([&] { return salvato; }));
    }
    EXPECT_FALSE(interrottaAlSalvataggio);
    EXPECT_FALSE(LettureImmaginiInterrotte());
    EXPECT_TRUE(LeggiImmagine(percorso).Letta());
}

}  // namespace
