#include "dialogs/ConversioneHSL.h"

#include <QSize>

#include <algorithm>

ValoriHSL ConvertiRGBInHSL(TColor colore) {
    const float r = float(colore & 0xFF) / 255.0f;
    const float g = float((colore >> 8) & 0xFF) / 255.0f;
    const float b = float((colore >> 16) & 0xFF) / 255.0f;
    const float massimo = std::max({r, g, b});
    const float minimo = std::min({r, g, b});
    const float L = (massimo + minimo) / 2.0f;
    float S = 0.0f, h = 0.0f;
    if (massimo != minimo) {
        const float d = massimo - minimo;
        S = L >= 0.5f ? d / (2.0f - massimo - minimo) : d / (massimo + minimo);
        if (b == massimo)
            h = (r - g) / d + 4.0f;
        else if (g == massimo)
            h = (b - r) / d + 2.0f;
        else
            h = (g - b) / d;
    }
    float tinta = h * 60.0f;
    if (tinta < 0.0f) tinta += 360.0f;
    return {int(tinta), int(S * 100.0f), int(L * 100.0f)};
}

int CalcolaCanaleHSL(float q, float p, float t) {
    if (6.0f * t < 1.0f) return int((p + (q - p) * 6.0f * t) * 100.0f);
    if (2.0f * t < 1.0f) return int(q * 100.0f);
    if (3.0f * t < 2.0f) return int((p + (0.66666f - t) * (q - p) * 6.0f) * 100.0f);
    return int(p * 100.0f);
}

TColor ConvertiHSLInRGB(int tinta, int saturazione, int luce) {
    int rosso, verde, blu;
    if (saturazione == 0) {
        rosso = verde = blu = luce;
    } else {
        const float L = float(luce) * 0.01f, S = float(saturazione) * 0.01f;
        const float h = float(tinta) / 360.0f;
        const float q = L < 0.5f ? L * (1.0f + S) : L + S - L * S;
        const float p = 2.0f * L - q;
        float tr = h + 0.33333f;
        if (tr > 1.0f) tr -= 1.0f;
        float tb = h - 0.33333f;
        if (tb < 0.0f) tb += 1.0f;
        rosso = CalcolaCanaleHSL(q, p, tr);
        verde = CalcolaCanaleHSL(q, p, h);
        blu = CalcolaCanaleHSL(q, p, tb);
    }
    auto canale = [](int percento) { return TColor(std::clamp(int(float(percento) * 0.01f * 255.0f), 0, 255)); };
    return canale(rosso) | (canale(verde) << 8) | (canale(blu) << 16);
}

QPoint PuntoTavola(QPoint controllo, QSize vista, QSize tavola) {
    if (vista.isEmpty() || tavola.isEmpty()) return {0, 0};
    const int x = int(qint64(controllo.x()) * tavola.width() / vista.width());
    const int y = int(qint64(controllo.y()) * tavola.height() / vista.height());
    return {std::clamp(x, 0, tavola.width() - 1), std::clamp(y, 0, tavola.height() - 1)};
}
