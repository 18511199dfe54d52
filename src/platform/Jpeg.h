#pragma once
// JPEG through libjpeg: baseline, 24-bit colour. libjpeg's own error exit would end the
// process; here every error returns to the caller with its text.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include "platform/LimitiImmagini.h"

bool ScriviJpeg(const QImage& immagine, const QString& percorso, int qualita = 90, QString* errore = nullptr);
// The same file's bytes, in memory.
bool CodificaJpeg(const QImage& immagine, QByteArray& uscita, int qualita = 90, QString* errore = nullptr);

// A JPEG may declare more pixels than the memory limit holds, since it is decoded smaller
// (1/2, 1/4, 1/8) when it is too large or drawn smaller: a phone's 200-megapixel photo is read,
// a few hundred damaged bytes declaring 65500 x 65500 are refused at the header.
inline constexpr qint64 LimitePixelJpeg = 250LL * 1000 * 1000;

// A progressive picture may hold any number of scans, each a pass over every block: thousands
// of empty ones in a few hundred KB keep a decoder busy for a minute. Real encoders write
// about ten; libjpeg's own count of the scans it meets stops a picture past this.
inline constexpr int LimiteScansioniJpeg = 100;

// Each scan is a pass over every block, so the largest pictures may hold fewer: a picture of
// 8000 x 8000 pixels at most 24 scans, about half a second of empty passes.
inline constexpr qint64 LimiteBlocchiScansioniJpeg = 24 * 1000 * 1000;
// The scans a progressive picture of that size may hold.
int ScansioniAmmesseJpeg(int larghezza, int altezza);

struct InfoJpeg {
    int Larghezza = 0;
    int Altezza = 0;
    int Componenti = 0;
    bool Progressivo = false;
    int Orientamento = 1;  // the EXIF orientation tag, 1 to 8; 1 when there is none
};

enum class ErroreJpeg { Nessuno, Apertura, Dati, TroppoGrande, TroppeScansioni, Tempo, Memoria, TroppiByte, Interrotta };

struct LetturaJpeg {
    QImage Immagine;  // 32-bit RGB; null on any error
    ErroreJpeg Errore = ErroreJpeg::Nessuno;
    QString Testo;    // the error in the system's or libjpeg's words
    InfoJpeg Info;    // as the header declares it, once the header was read
    int Millisecondi = 0;  // the time limit that held, once the header was read
    int Riduzione = 1;     // decoded at 1/Riduzione of the declared size
    // libjpeg's first warning: the data was damaged and made up for. Troncata: the file ends
    // early and the rest of the picture is grey.
    QString Avviso;
    bool Troncata = false;
};

struct LimitiJpeg {
    // When valid, decoded at 1/2, 1/4 or 1/8 of the size, still covering this (in the picture's
    // upright frame when the orientation tag is read). A picture past the memory limit is
    // decoded smaller in any case.
    QSize Minima;
    // < 0: MillisecondiAmmessiImmagine of the declared size; 0: no time limit.
    int Millisecondi = -1;
    bool Orientamento = false;  // read the EXIF orientation tag into Info
};

// Every read below goes from the first byte through libjpeg, on an open descriptor of a file
// of dimensione bytes (read with pread, never moved), within the limits on size, memory,
// scans, bytes and time; header included.
LetturaJpeg LeggiJpegDa(int descrittore, qint64 dimensione, const LimitiJpeg& limiti = {});
// Only the header.
LetturaJpeg LeggiInfoJpegDa(int descrittore, qint64 dimensione, bool orientamento = false);
// Every compressed block to the end, not turned into pixels: whether the file is whole.
LetturaJpeg VerificaJpegDa(int descrittore, qint64 dimensione);

// The same by path, opened once as a regular file.
LetturaJpeg LeggiJpegLimitata(const QString& percorso, const LimitiJpeg& limiti = {});
QImage LeggiJpeg(const QString& percorso, QString* errore = nullptr);
// For thumbnails: libjpeg decodes at 1/2, 1/4 or 1/8 of the size, the smallest that still
// covers minima, which is far quicker than the whole picture.
QImage LeggiJpegRidotta(const QString& percorso, const QSize& minima, QString* errore = nullptr);
bool LeggiInfoJpeg(const QString& percorso, InfoJpeg& info, QString* errore = nullptr);

// The orientation tag of an APP1 EXIF segment's body ("Exif\0\0" and a TIFF block); 1 when
// there is none or it cannot be read.
int OrientamentoExif(const uchar* dati, qint64 dimensione);
