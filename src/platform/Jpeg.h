#pragma once
// JPEG through libjpeg: baseline, 24-bit colour. libjpeg's own error exit would end the
// process; here every error returns to the caller with its text.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

bool ScriviJpeg(const QImage& immagine, const QString& percorso, int qualita = 90, QString* errore = nullptr);
// The same file's bytes, in memory.
bool CodificaJpeg(const QImage& immagine, QByteArray& uscita, int qualita = 90, QString* errore = nullptr);

// Pictures whose pixels would take more than this are refused at the header, as Qt's own
// image readers refuse theirs: a tiny damaged file may declare 65500 x 65500 pixels.
inline constexpr int LimiteMegabyteJpeg = 256;

// A progressive picture may hold any number of scans, each a pass over every block: thousands
// of empty ones in a few hundred KB keep a decoder busy for a minute. Real encoders write
// about ten; a picture with more than this is refused before decoding.
inline constexpr int LimiteScansioniJpeg = 100;

// Each scan is a pass over every block, so the largest pictures may hold fewer: a picture of
// 8000 x 8000 pixels at most 24 scans, about half a second of empty passes.
inline constexpr qint64 LimiteBlocchiScansioniJpeg = 24 * 1000 * 1000;
// The scans a progressive picture of that size may hold.
int ScansioniAmmesseJpeg(int larghezza, int altezza);

// The scans (SOS markers) of JPEG data, counted by walking its markers without decoding;
// the count stops once it is past limite. 0 for data that is not a JPEG.
int ContaScansioniJpeg(const uchar* dati, qint64 dimensione, int limite = LimiteScansioniJpeg);
// The same for a file; -1 when it cannot be read.
int ContaScansioniJpeg(const QString& percorso, int limite = LimiteScansioniJpeg);

QImage LeggiJpeg(const QString& percorso, QString* errore = nullptr);
// For thumbnails: libjpeg decodes at 1/2, 1/4 or 1/8 of the size, the smallest that still
// covers minima, which is far quicker than the whole picture.
QImage LeggiJpegRidotta(const QString& percorso, const QSize& minima, QString* errore = nullptr);

struct InfoJpeg {
    int Larghezza = 0;
    int Altezza = 0;
    int Componenti = 0;
    bool Progressivo = false;
};
bool LeggiInfoJpeg(const QString& percorso, InfoJpeg& info, QString* errore = nullptr);

enum class ErroreJpeg { Nessuno, Apertura, Dati, TroppoGrande, TroppeScansioni, Tempo, Memoria };

struct LetturaJpeg {
    QImage Immagine;  // 32-bit RGB; null on any error
    ErroreJpeg Errore = ErroreJpeg::Nessuno;
    QString Testo;    // the error in the system's or libjpeg's words
    InfoJpeg Info;    // as the header declares it, once the header was read
};

// What LeggiJpegRidotta does (minima invalid: the whole picture), and besides the limits on
// size, memory and scans, decoding stops after millisecondiMassimi (0: no time limit).
LetturaJpeg LeggiJpegLimitata(const QString& percorso, const QSize& minima, int millisecondiMassimi);
