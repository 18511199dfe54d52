#include "project/Banner.h"

#include <gtest/gtest.h>

namespace {

TEST(Banner, CommentFrameByteExact) {
    const QStringList atteso = {
        "/*                         |",
        "     #      ###   ###      |",
        "     #     #   # #         |",
        "     #     #   # #  ##     |",
        "     #     #   # #   #     |",
        "     #####  ###   ###      |",
        "                          */",
    };
    EXPECT_EQ(RigheBanner("LOG", CorniceBanner::Commento), atteso);
}

TEST(Banner, WidthAndSpacingFollowTheTitle) {
    const QStringList righe = RigheBanner("LOG CODIFICA", CorniceBanner::Commento);
    ASSERT_EQ(righe.size(), 7);
    for (const QString& r : righe) EXPECT_EQ(r.size(), 82);
    EXPECT_TRUE(righe[1].startsWith("     #      ###   ###         ###   ###  ####  ##### ##### #####  ###    #   "));
    // A blank in the title is seven blank columns between its neighbours.
    EXPECT_EQ(righe[1].mid(5 + 3 * 6 - 1, 7), "       ");
}

TEST(Banner, PlainFrameHasTheFileWidth) {
    const QStringList righe = RigheBanner("IMMAGINI", CorniceBanner::Semplice, 100);
    ASSERT_EQ(righe.size(), 7);
    for (const QString& r : righe) {
        EXPECT_EQ(r.size(), 100);
        EXPECT_TRUE(r.endsWith('|'));
    }
    EXPECT_EQ(righe[0], QString(99, ' ') + "|");
    EXPECT_EQ(righe[6], righe[0]);
}

}  // namespace
