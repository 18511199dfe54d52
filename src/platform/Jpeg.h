#pragma once
// JPEG through libjpeg: baseline, 24-bit colour. libjpeg's own error exit would end the
// process; here every error returns to the caller with its text.
#include <QImage>
#include <QString>

bool ScriviJpeg(const QImage& immagine, const QString& percorso, int qualita = 90, QString* errore = nullptr);
QImage LeggiJpeg(const QString& percorso, QString* errore = nullptr);

struct InfoJpeg {
    int Larghezza = 0;
    int Altezza = 0;
    int Componenti = 0;
    bool Progressivo = false;
};
bool LeggiInfoJpeg(const QString& percorso, InfoJpeg& info, QString* errore = nullptr);
