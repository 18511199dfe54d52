// Every test program runs on the offscreen platform with a home folder of its own, so no
// test reads or writes the real user folders.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include <cstdlib>

int main(int argc, char** argv) {
    QTemporaryDir casa;
    if (!casa.isValid()) return 1;
    const QByteArray radice = casa.path().toLocal8Bit();
    qputenv("HOME", radice);
    qputenv("XDG_DATA_HOME", radice + "/.local/share");
    qputenv("XDG_CONFIG_HOME", radice + "/.config");
    qputenv("XDG_CACHE_HOME", radice + "/.cache");
    qputenv("XDG_STATE_HOME", radice + "/.local/state");
    qputenv("XDG_RUNTIME_DIR", radice + "/.run");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication applicazione(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
