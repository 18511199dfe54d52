#pragma once
// What a benchmark that runs each case in a process of its own reads of that process.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <ctime>

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
