#pragma once
// The end of every frame: the preview for the main window and, while Anima is checked,
// the numbered frame file.
#include <QSize>
#include <QString>

class ContestoRendering;

// "<output>/Video/Frames/Image_" + the number padded to four digits + ".jpg" or ".bmp".
QString NomeFileFrame(const QString& percorsoOutput, long long numero, bool jpg);

// The number of the file of a frame: frame + 1, or for intro 7 (drawn backwards) total - frame.
long long NumeroFileFrame(int intro, float frameCorrente, float totaleFrame);

// The preview size for a main window of the given height: (height - 389) high, 16:9.
QSize DimensioneAnteprima(int altezzaFinestra);

// The output size of resolution item 1 (1280x720) or 2 (1920x1080).
QSize DimensioneOutput(int voceRisoluzione);

// Removes the frame files of an earlier run and makes sure the folder exists; false
// (reason in errore) when the folder cannot be made.
bool PreparaCartellaFrame(const QString& percorsoOutput, QString* errore = nullptr);

// Shows the preview; while Anima is checked also writes the frame file. A file that cannot
// be written sets ErroreFrame and MessaggioErrore on the context. In a run with workers the
// file and the preview are made by them: the window is shown the newest preview ready, at
// most at the screen's rate.
void SalvaFrame(ContestoRendering& contesto);

// In a run with workers: shows the newest preview they made that was not shown yet.
void MostraUltimaAnteprima(ContestoRendering& contesto);
