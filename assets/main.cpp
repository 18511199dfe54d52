#include "Arte.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <utility>
#include <vector>

namespace {
std::vector<std::pair<const char*, DisegnatoreArte>>& Registro() {
    static std::vector<std::pair<const char*, DisegnatoreArte>> registro;
    return registro;
}
}  // namespace

RegistraArte::RegistraArte(const char* nome, DisegnatoreArte disegnatore) {
    Registro().emplace_back(nome, std::move(disegnatore));
}

bool SalvaArte(const QImage& immagine, const QString& percorso) {
    QDir().mkpath(QFileInfo(percorso).absolutePath());
    if (immagine.isNull() || !immagine.save(percorso)) {
        std::fprintf(stderr, "arte: cannot write %s\n", qPrintable(percorso));
        return false;
    }
    return true;
}

int main(int argc, char** argv) {
    QGuiApplication applicazione(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: quenvox_arte OUTPUT_FOLDER\n");
        return 2;
    }
    const QString cartella = QString::fromLocal8Bit(argv[1]);
    bool ok = true;
    for (const auto& [nome, disegnatore] : Registro()) {
        if (!disegnatore(cartella)) {
            std::fprintf(stderr, "arte: %s failed\n", nome);
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
