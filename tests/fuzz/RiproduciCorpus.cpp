// Replays a corpus through a harness without any fuzzing: every file given, or every file
// of every folder given, once. A crash or an abort fails the test that runs it.
#include "Fuzz.h"

#include <QDirIterator>
#include <QStringList>

#include <algorithm>
#include <cstdio>

int main(int argc, char** argv) {
    QStringList file;
    for (int i = 1; i < argc; ++i) {
        const QString voce = QString::fromLocal8Bit(argv[i]);
        if (!QFileInfo(voce).isDir()) {
            file << voce;
            continue;
        }
        QDirIterator it(voce, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) file << it.next();
    }
    std::sort(file.begin(), file.end());
    if (file.isEmpty()) {
        std::fprintf(stderr, "no corpus file given\n");
        return 1;
    }
    for (const QString& percorso : file) {
        QFile f(percorso);
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(percorso));
            return 1;
        }
        const QByteArray dati = f.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(dati.constData()), static_cast<size_t>(dati.size()));
    }
    std::printf("%lld corpus files replayed\n", static_cast<long long>(file.size()));
    return 0;
}
