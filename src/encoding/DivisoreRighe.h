#pragma once
// Cuts the encoder's output into lines, whatever the reads were: CR, LF and CR LF each end
// one line, and a line cut by a read boundary comes out whole.
#include <QByteArray>
#include <QList>

class DivisoreRighe {
public:
    // The lines that this chunk completes, without their line ends.
    QList<QByteArray> Aggiungi(const QByteArray& blocco);
    // The unfinished last line, if any, at the end of the output.
    QList<QByteArray> Termina();

private:
    QByteArray resto_;
    bool dopoCr_ = false;  // the last chunk ended with CR: an LF that follows belongs to it
};
