#pragma once
// Cuts the encoder's output into lines, whatever the reads were: CR, LF and CR LF each end
// one line, and a line cut by a read boundary comes out whole. A line longer than the
// divider's limit keeps only its first bytes, so that an encoder printing without end costs
// a bounded amount of memory.
#include <QByteArray>
#include <QList>

struct RigaUscita {
    QByteArray Byte;       // the line without its line end, at most the limit
    qint64 Tagliati = 0;   // the bytes of the line beyond the limit, dropped
};

class DivisoreRighe {
public:
    static constexpr qsizetype LimitePredefinito = 64 * 1024;
    explicit DivisoreRighe(qsizetype limite = LimitePredefinito) : limite_(limite) {}

    // The lines that this chunk completes.
    QList<RigaUscita> Aggiungi(const QByteArray& blocco);
    // The unfinished last line, if any, at the end of the output.
    QList<RigaUscita> Termina();

private:
    void Accoda(const char* da, qsizetype quanti);
    RigaUscita Chiudi();

    qsizetype limite_;
    QByteArray resto_;
    qint64 tagliati_ = 0;
    bool dopoCr_ = false;  // the last chunk ended with CR: an LF that follows belongs to it
};
