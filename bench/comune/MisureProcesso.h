#pragma once
// What a benchmark that runs each case in a process of its own reads of that process.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdio>
#include <ctime>
#include <string>

#include <unistd.h>

// The peak of the resident memory so far (VmHWM), in KB; -1 where it cannot be read.
inline long PiccoKb() {
    QFile stato(QStringLiteral("/proc/self/status"));
    if (!stato.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& riga : stato.readAll().split('\n'))
        if (riga.startsWith("VmHWM:")) return riga.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// The processor time of this process alone, all its threads, user and system, in ms.
inline double MsCpu() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// This program once more with argomenti, in a process of its own, so that no case inherits the
// peak of another: the first line it prints, or an empty text with esito its exit status where
// it failed.
inline std::string RigaDelCasoAParte(const std::string& argomenti, int& esito) {
    const std::string comando = "\"/proc/" + std::to_string(getpid()) + "/exe\" " + argomenti;
    FILE* figlio = popen(comando.c_str(), "r");
    char riga[1024] = {};
    const bool letto = figlio && std::fgets(riga, sizeof riga, figlio) != nullptr;
    esito = figlio ? pclose(figlio) : -1;
    return letto && esito == 0 ? std::string(riga) : std::string();
}
