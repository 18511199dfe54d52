#pragma once
// The frame list file: a header and one fixed-format record per frame, for the maker's
// other programs (nothing here reads it back).
#include <QByteArray>
#include <QString>

// The record of frame i (1-based), without its line end.
QByteArray RecordListaFrame(int frame, bool usaJpg);

// Writes the list into percorso, replacing an old one: the header, the output folder and
// one record for each i with i < totaleFrame + 1. False, with the reason, when it fails.
bool ScriviListaFrame(const QString& percorso, const QString& percorsoOutput, double totaleFrame,
                      bool usaJpg, QString* errore = nullptr);
