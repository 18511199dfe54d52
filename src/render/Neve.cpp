#include "render/Neve.h"

#include "project/ImpostazioniGlobali.h"
#include "render/Casuale.h"

#include <algorithm>
#include <cmath>

namespace {

// The snow's draws have the 15-bit range of the classic rand(), taken from our one source.
int Casuale15() { return NumeroCasuale(32768); }

}  // namespace

void RigeneraFiocco(FioccoNeve& fiocco) {
    fiocco.x = static_cast<float>(Casuale15() % ImpostazioniGlobali.LarghezzaFrame);
    fiocco.y = static_cast<float>(Casuale15() % ImpostazioniGlobali.AltezzaFrame);
    fiocco.kind = Casuale15() % 4 + 1;
    fiocco.life = Casuale15() % 20;
    fiocco.size = fiocco.life / 2;
}

void SeminaNeve(ElencoFiocchiNeve& fiocchi) {
    for (FioccoNeve& f : fiocchi) RigeneraFiocco(f);
}

void AggiornaNeve(ElencoFiocchiNeve& fiocchi) {
    for (FioccoNeve& f : fiocchi) {
        if (f.life > 100 || f.life < 1) {
            RigeneraFiocco(f);
        } else {
            f.life -= 1;
            f.size = 5 * f.life;
        }
    }
}

int AngoloFiocco(int kind, float t) {
    if (!std::isfinite(t)) t = 0;
    t = std::clamp(t, -1.0e6f, 1.0e6f);
    switch (kind) {
    case 1: return static_cast<int>(-4 * t);
    case 2: return static_cast<int>(5 * t);
    case 3: return static_cast<int>(-6 * t);
    case 4: return static_cast<int>(7 * t);
    default: return 0;
    }
}

std::vector<ComandoFiocco> ComandiNeve(const ElencoFiocchiNeve& fiocchi) {
    std::vector<ComandoFiocco> comandi;
    comandi.reserve(FiocchiNeveDisegnati);
    for (int i = 0; i < FiocchiNeveDisegnati; ++i) {
        const FioccoNeve& f = fiocchi[static_cast<std::size_t>(i)];
        ComandoFiocco c;
        c.kind = f.kind;
        c.rettangolo = QRect(static_cast<int>(f.x), static_cast<int>(f.y), f.size, f.size);
        c.opacita = std::min(1.0f, static_cast<float>(f.life * 0.1));
        comandi.push_back(c);
    }
    return comandi;
}

void DipingiNeve(QPainter& grafica, const std::array<QImage, 4>& sprite, const std::vector<ComandoFiocco>& comandi) {
    grafica.save();
    grafica.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const ComandoFiocco& c : comandi) {
        if (c.kind < 1 || c.kind > 4 || c.opacita <= 0 || c.rettangolo.isEmpty()) continue;
        const QImage& immagine = sprite[static_cast<std::size_t>(c.kind - 1)];
        if (immagine.isNull()) continue;
        grafica.setOpacity(c.opacita);
        grafica.drawImage(QRectF(c.rettangolo), immagine, QRectF(immagine.rect()));
    }
    grafica.restore();
}
