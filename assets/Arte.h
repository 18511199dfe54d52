#pragma once
// Every picture the program ships is drawn by a function registered here; the generator
// runs them all at build time and writes into the program folder.
#include <QString>

#include <functional>

// Draws its pictures under cartella (the program folder); false when one could not be written.
using DisegnatoreArte = std::function<bool(const QString& cartella)>;

struct RegistraArte {
    RegistraArte(const char* nome, DisegnatoreArte disegnatore);
};

// Saves a picture, creating its folder; reports a failure on stderr.
bool SalvaArte(const class QImage& immagine, const QString& percorso);
