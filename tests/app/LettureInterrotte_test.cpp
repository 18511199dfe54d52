// The end of the session reaching a picture read: the read is given up at its next check, so the
// save on the event loop never waits for it, and reads go on once the save has run.
#include "app/SegnaliSessione.h"

#include "common/Attesa.h"
#include "common/BombeImmagini.h"
#include "common/CasaTemporanea.h"
#include "platform/LetturaImmagini.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>

#include <csignal>
#include <thread>
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

// A signal whose call never came, since the object went first (a test's program that ends
// at once, say): nothing of it outlives the object, neither the stop of the reads nor a call
// of the next one's.
TEST(LettureInterrotte, ASignalNotYetHandledDiesWithItsObject) {
    CasaTemporanea casa;
    const QString percorso = casa.Sotto("a.png");
    ASSERT_TRUE(bombe::Scrivi(percorso, bombe::Png(64, 48)));
    {
        SegnaliSessione segnali([] { ADD_FAILURE() << "called after its object went"; });
        ::kill(::getpid(), SIGTERM);
        // Waited for without the events, so its call never comes.
        QDeadlineTimer limite(LimiteAttesaMs);
        while (!LettureImmaginiInterrotte() && !limite.hasExpired()) std::this_thread::yield();
        ASSERT_TRUE(LettureImmaginiInterrotte());
    }
    EXPECT_FALSE(LettureImmaginiInterrotte());
    EXPECT_TRUE(LeggiImmagine(percorso).Letta());
    int chiamate = 0;
    SegnaliSessione seguente([&] { ++chiamate; });
    QTest::qWait(200);
    EXPECT_EQ(chiamate, 0) << "the next object took the old signal for its own";
}

}  // namespace
