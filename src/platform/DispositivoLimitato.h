#pragma once
// The bytes of a picture as Qt's readers and libpng ask for them, from a file already opened
// (or from memory), with the read's limits checked at every read: its deadline, the end of the
// session and the bytes its declared size allows. A reader that is refused a read stops as on
// any read error; Fermata says why.
#include "platform/LimitiImmagini.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <memory>

class DispositivoLimitato : public QIODevice {
public:
    enum class Fermata { Nessuna, Tempo, Interrotta, TroppiByte, ErroreLettura };

    // A file of dimensione bytes on an open descriptor, read with pread (the descriptor's own
    // offset never moves); it stays its owner's. From inizio on, when a picture lies inside the
    // file (an icon's PNG).
    DispositivoLimitato(int descrittore, qint64 dimensione, const Scadenza& scadenza, qint64 inizio = 0);
    // Bytes in memory (a picture kept inside another file).
    DispositivoLimitato(const QByteArray& dati, const Scadenza& scadenza);

    // No byte at or past this offset is read (the file's own size holds anyway).
    void LimitaByte(qint64 byte) { byteAmmessi_ = byte; }
    Fermata Fermato() const { return fermata_; }
    // The system's words for a read error.
    const QString& Errore() const { return errore_; }
    // The first bytes, read outside the reader's count: what kind of file this is.
    QByteArray Inizio(qint64 quanti) const;
    // The bytes from inizio on, lunghezza of them at most, under the same limits of time.
    std::unique_ptr<DispositivoLimitato> Parte(qint64 inizio, qint64 lunghezza) const;

    bool isSequential() const override { return false; }
    qint64 size() const override { return dimensione_; }

protected:
    qint64 readData(char* dati, qint64 massimo) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    qint64 LeggiA(char* dati, qint64 posizione, qint64 quanti) const;
    int descrittore_ = -1;
    qint64 inizio_ = 0;
    QByteArray memoria_;
    qint64 dimensione_ = 0;
    qint64 byteAmmessi_ = -1;
    const Scadenza& scadenza_;
    Fermata fermata_ = Fermata::Nessuna;
    QString errore_;
};
