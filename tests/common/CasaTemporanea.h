#pragma once
// A fresh folder for one test, removed afterwards.
#include <QDir>
#include <QTemporaryDir>

class CasaTemporanea {
public:
    QString Percorso() const { return dir_.path(); }
    QString Sotto(const QString& nome) const { return dir_.path() + QLatin1Char('/') + nome; }

private:
    QTemporaryDir dir_;
};
