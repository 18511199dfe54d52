#include "controls/Orvformclient.h"

#include "controls/Orvform.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace {

TEST(ORVFormClient, PostoDaiMargini) {
    ORVForm form;
    form.resize(1281, 1002);
    ORVFormClient client(&form);
    EXPECT_EQ(client.geometry(), QRect(QPoint(6, 36), QPoint(1274, 977)));  // (6, 36) to (1275, 978)
    // Follows the frame and its own margins.
    form.resize(800, 600);
    QApplication::sendPostedEvents();
    client.SetNonAreaClientSU(40);
    client.SetNonAreaClientDX(7);
    EXPECT_EQ(client.geometry(), QRect(6, 40, 800 - 6 - 7, 600 - 40 - 24));
    // Without its body skin the panel is not the client and keeps its place.
    client.SetLato5(QImage());
    client.setGeometry(1, 2, 30, 40);
    client.SetNonAreaClientSX(50);
    EXPECT_EQ(client.geometry(), QRect(1, 2, 30, 40));
}

}  // namespace
