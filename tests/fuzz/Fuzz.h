#pragma once
// Shared by the harnesses: the libFuzzer entry point and a scratch folder for the readers
// that only take a path.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione);

inline QByteArray Byte(const uint8_t* dati, size_t dimensione) {
    return QByteArray(reinterpret_cast<const char*>(dati), static_cast<qsizetype>(dimensione));
}

// One folder per process, removed at exit.
inline QString CartellaFuzz() {
    static QTemporaryDir cartella;
    return cartella.path();
}

// The input written as a file of the scratch folder; its path.
inline QString ScriviInput(const QString& nome, const uint8_t* dati, size_t dimensione) {
    const QString percorso = QDir(CartellaFuzz()).filePath(nome);
    QFile f(percorso);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(reinterpret_cast<const char*>(dati), static_cast<qint64>(dimensione));
    return percorso;
}
