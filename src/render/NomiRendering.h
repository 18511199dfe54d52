#pragma once
// The file names of the renderer, relative to the output folder, in one place.
#include <QString>

namespace NomiRendering {
inline const QString CartellaFrame = QStringLiteral("/Video/Frames");
inline const QString PrefissoFrame = QStringLiteral("/Video/Frames/Image_");
inline const QString EstensioneJpg = QStringLiteral(".jpg");
inline const QString EstensioneBmp = QStringLiteral(".bmp");
inline const QString FiltroFrame = QStringLiteral("Image_*");
inline const QString LayerOggetto = QStringLiteral("/Video/Oggetto_%1.png");
inline const QString LayerOmbra = QStringLiteral("/Video/Ombra_%1.png");
inline const QString Completo = QStringLiteral("/Video/Completo.png");
inline const QString GrigliaDebug = QStringLiteral("/Video/Oggettodebug.png");
inline const QString PrefissoLogo = QStringLiteral("#LOGO");
}  // namespace NomiRendering
