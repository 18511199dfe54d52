// Every test program runs on the offscreen platform with a home folder of its own, so no
// test reads or writes the real user folders.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
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
    // The offscreen screen is a full-HD monitor, as the drag gesture's cursor wrap expects.
    const QString plat = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (plat.isEmpty() || plat == QLatin1String("offscreen")) {
        QFile schermo(casa.path() + QStringLiteral("/schermo.json"));
        if (!schermo.open(QIODevice::WriteOnly)) return 1;
        schermo.write(R"({"screens": [{"name": "Schermo", "x": 0, "y": 0, "width": 1920, "height": 1080,)"
                      R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        schermo.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(schermo.fileName()));
    }
    QApplication applicazione(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
