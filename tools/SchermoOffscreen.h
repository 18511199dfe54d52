#pragma once
// The picture tools run offscreen on a full-HD screen, so no window is clamped to the
// platform's small default one, or on a screen of the size given. Call before the application
// object is made; cartella must outlive it.
#include <QFile>
#include <QTemporaryDir>

inline void ImpostaSchermoOffscreen(const QTemporaryDir& cartella, int larghezza = 1920, int altezza = 1080) {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !cartella.isValid()) return;
    QFile schermo(cartella.filePath(QStringLiteral("schermo.json")));
    if (!schermo.open(QIODevice::WriteOnly)) return;
    schermo.write(QStringLiteral(R"({"screens": [{"name": "Schermo", "x": 0, "y": 0, "width": %1, "height": %2,)"
                                 R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                      .arg(larghezza)
                      .arg(altezza)
                      .toUtf8());
    schermo.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(schermo.fileName()));
}
