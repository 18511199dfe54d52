#pragma once
// The program's text files (project, lists, histories, log): written UTF-8 with CR LF line ends;
// read back with CR LF or LF, a line that is not valid UTF-8 taken as Windows-1252 so that
// files made by the Windows version still load.
#include <QByteArray>
#include <QString>
#include <QStringList>

// One line of bytes (no line end) as text.
QString DecodificaRiga(const QByteArray& riga);

// Reads a text file line by line, in order, each line whole whatever its length.
class LettoreTesto {
public:
    LettoreTesto() = default;
    explicit LettoreTesto(const QByteArray& contenuto);
    // False when the file cannot be read; the reader is then empty.
    bool Apri(const QString& percorso);
    // The next line without its line end; false at the end of the file.
    bool LeggiRiga(QString& riga);
    bool Finito() const { return posizione_ >= contenuto_.size(); }

private:
    QByteArray contenuto_;
    qsizetype posizione_ = 0;
};

// Collects lines and writes them in one go, through a temporary file, so a failed
// write never leaves half a file over the old one.
class ScrittoreTesto {
public:
    void Riga(const QString& testo);
    void Righe(const QStringList& righe);
    const QByteArray& Contenuto() const { return contenuto_; }
    // False, with the system's reason in errore, when the file cannot be written.
    bool Salva(const QString& percorso, QString* errore = nullptr) const;

private:
    QByteArray contenuto_;
};

// Every line of a file; an unreadable file gives an empty list and ok false.
QStringList LeggiTutteLeRighe(const QString& percorso, bool* ok = nullptr);
