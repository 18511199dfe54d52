#include "encoding/ControlloFrame.h"

#include "platform/Jpeg.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include <climits>
#include <cmath>

namespace {

// Web presets 2 (Vimeo) and 3 (Facebook) carry "-r 25".
constexpr int kTipoPresetWeb = 6;
constexpr int kFrameAlSecondoPreset = 25;

bool PresetA25(const ParametriCodec& codec) {
    return codec.TipoCodec == kTipoPresetWeb && (codec.VarianteCodec == 2 || codec.VarianteCodec == 3);
}

}  // namespace

QString PercorsoFrame(const ParametriCodifica& parametri, int numero) {
    return QDir(parametri.CartellaVideo)
        .filePath(QStringLiteral("%1_%2.%3")
                      .arg(parametri.PrefissoFrame)
                      .arg(numero, 4, 10, QLatin1Char('0'))
                      .arg(parametri.FrameInJpg ? QStringLiteral("jpg") : QStringLiteral("bmp")));
}

std::optional<FrameDifettoso> PrimoFrameDifettoso(const ParametriCodifica& parametri) {
    for (int n = 1; n <= parametri.NumeroFrame; ++n) {
        const QString percorso = PercorsoFrame(parametri, n);
        if (!QFileInfo(percorso).isFile()) return FrameDifettoso{n, percorso, QStringLiteral("missing")};
        QString motivo;
        if (parametri.FrameInJpg) {
            InfoJpeg info;
            if (!LeggiInfoJpeg(percorso, info, &motivo)) return FrameDifettoso{n, percorso, motivo};
        } else {
            QImageReader lettore(percorso, "bmp");
            if (!lettore.size().isValid()) return FrameDifettoso{n, percorso, lettore.errorString()};
        }
    }
    return std::nullopt;
}

FrameAttesi FrameAttesiDallEncoder(const ParametriCodifica& parametri, const ParametriCodec& codec) {
    const int n = parametri.NumeroFrame;
    if (!PresetA25(codec) || parametri.FrameAlSecondo == kFrameAlSecondoPreset) return {n, n};
    // No rate to resample from: the encoder refuses it, and its status says so.
    if (parametri.FrameAlSecondo <= 0) return {0, INT_MAX};
    const double esatti = double(n) * kFrameAlSecondoPreset / parametri.FrameAlSecondo;
    const double minimo = std::max(1.0, std::floor(esatti) - 1);
    const double massimo = std::ceil(esatti) + 3;
    return {int(std::min(minimo, double(INT_MAX))), int(std::min(massimo, double(INT_MAX)))};
}
