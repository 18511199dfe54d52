#include "render/Bande.h"

#include "platform/Grafica.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

namespace {
std::atomic<int> filiRichiesti{0};
}

void ImpostaFiliBande(int fili) {
    filiRichiesti = std::max(fili, 0);
}

void DisegnaABande(QImage& tela, const std::function<void(QPainter&, const QRect& banda)>& disegna) {
    if (tela.isNull()) return;
    const int h = tela.height();
    const auto banda = [&](int i) {
        const int y0 = h * i / NumeroBande, y1 = h * (i + 1) / NumeroBande;
        if (y1 <= y0) return;
        // The band's rows of the canvas itself, not a copy: the very pixels the canvas's own
        // open painter writes, which bits() could move away from it by detaching.
        uchar* pixel = const_cast<uchar*>(tela.constBits());
        QImage righe(pixel + static_cast<qsizetype>(y0) * tela.bytesPerLine(), tela.width(), y1 - y0, tela.bytesPerLine(),
                     tela.format());
        QPainter g(&righe);
        ImpostaModiGrafica(g);
        g.translate(0, -y0);
        disegna(g, QRect(0, y0, tela.width(), y1 - y0));
    };
    // The bands go to the threads one at a time, so one busy band does not hold up the rest.
    std::atomic<int> prossima{0};
    const auto lavora = [&] {
        for (int i = prossima++; i < NumeroBande; i = prossima++) banda(i);
    };
    const int richiesti = filiRichiesti.load();
    const int core = static_cast<int>(std::thread::hardware_concurrency());
    const int fili = std::clamp(richiesti > 0 ? richiesti : core, 1, NumeroBande);
    std::vector<std::thread> altri;
    altri.reserve(static_cast<size_t>(fili - 1));
    try {
        for (int i = 1; i < fili; ++i) altri.emplace_back(lavora);
    } catch (const std::system_error&) {
        // No more threads to be had: the bands left are drawn by those there are.
    }
    lavora();
    for (std::thread& filo : altri) filo.join();
}
