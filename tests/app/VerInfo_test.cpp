#include "app/Allsystempaths.h"
#include "app/VerInfo.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {

TEST(VerInfo, VersionComesFromTheBuild) {
    EXPECT_EQ(VerInfo().VersioneFile(), "2.3.0.0");
}

TEST(VerInfo, UnknownVersionReadsAsZeros) {
    VerInfo v;
    const struct { const char* testo; const char* atteso; } casi[] = {
        {"3.1.0.12", "3.1.0.12"}, {"2.3", "2.3.0.0"}, {"", "0.0.0.0"}, {"x.1", "0.0.0.0"}, {"70000.1", "0.0.0.0"},
    };
    for (const auto& c : casi) {
        v.LeggiTesto(c.testo);
        EXPECT_EQ(v.VersioneFile(), c.atteso) << c.testo;
    }
}

TEST(Allsystempaths, UserFoldersComeFromTheXdgLocations) {
    // The test program's home folder is a temporary one.
    const QString casa = QDir::homePath();
    const TAllSystemPaths cartelle;
    EXPECT_EQ(cartelle.GetAppData(), qEnvironmentVariable("XDG_DATA_HOME"));
    EXPECT_TRUE(cartelle.GetMyDocuments().startsWith(casa));
    EXPECT_FALSE(cartelle.GetMyDocuments().endsWith('/'));
    EXPECT_EQ(cartelle.GetWinDir(), "");
    EXPECT_EQ(cartelle.GetAppData(), cartelle.GetAppData());  // read anew each time, same answer
}

}  // namespace
