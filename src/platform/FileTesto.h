#pragma once
// The program's text files (project, lists, histories, log): written UTF-8 with CR LF line ends;
// read back with CR LF or LF. A line without any UTF-8 in it is taken as Windows-1252, so that
// files made by the Windows version still load.
#include "platform/FileRegolare.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Far beyond any text file of the program (a project of the longest texts is about 2 MB); a
// larger file, like a pipe or a device in its place, is not one of ours.
inline constexpr qint64 LimiteFileTesto = 16 * 1024 * 1024;

// One line of bytes (no line end) as text. In a line that mixes UTF-8 with bytes that are not
// UTF-8 (a stray byte), the UTF-8 stays UTF-8 and only those bytes are read as Windows-1252;
// mista then tells that the line could not be read cleanly.
QString DecodificaRiga(const QByteArray& riga, bool* mista = nullptr);

// Reads a text file line by line, in order, each line whole whatever its length.
class LettoreTesto {
public:
    LettoreTesto() = default;
    explicit LettoreTesto(const QByteArray& contenuto);
    // False when the file cannot be read; the reader is then empty. Only a regular file of at
    // most limiteByte is read (Rifiuto says why another is not); Errore() tells the system's
    // reason when it has one.
    bool Apri(const QString& percorso, qint64 limiteByte = LimiteFileTesto);
    bool Assente() const { return rifiuto_ == RifiutoFile::Mancante; }
    RifiutoFile Rifiuto() const { return rifiuto_; }
    // The size of a file refused as too large.
    qint64 Dimensione() const { return dimensione_; }
    const QString& Errore() const { return errore_; }
    // Lines read so far that mixed UTF-8 with stray bytes.
    int RigheMiste() const { return righeMiste_; }
    // The next line without its line end; false at the end of the file.
    bool LeggiRiga(QString& riga);
    bool Finito() const { return posizione_ >= contenuto_.size(); }
    // The bytes as read.
    const QByteArray& Contenuto() const { return contenuto_; }

private:
    QByteArray contenuto_;
    qsizetype posizione_ = 0;
    int righeMiste_ = 0;
    RifiutoFile rifiuto_ = RifiutoFile::Nessuno;
    qint64 dimensione_ = 0;
    QString errore_;
};

// Collects lines and writes them in one go, through a temporary file, so a failed
// write never leaves half a file over the old one.
class ScrittoreTesto {
public:
    void Riga(const QString& testo);
    void Righe(const QStringList& righe);
    const QByteArray& Contenuto() const { return contenuto_; }
    // False, with the system's reason in errore, when the file cannot be written. A link in
    // the file's place is written through only when it leads to a regular file; any other
    // link is replaced by the file.
    bool Salva(const QString& percorso, QString* errore = nullptr) const;
    // Only where nothing is yet, the name taken at the creation itself, so two programs never
    // write one file: false with occupato set when something holds the name. A write that
    // fails leaves nothing behind.
    bool SalvaNuovo(const QString& percorso, bool* occupato, QString* errore = nullptr) const;

private:
    QByteArray contenuto_;
};

// Writes the bytes in place of the file through a temporary one, as ScrittoreTesto::Salva does.
bool SalvaContenuto(const QString& percorso, const QByteArray& contenuto, QString* errore = nullptr);

// Every line of a file; an unreadable file gives an empty list and ok false.
QStringList LeggiTutteLeRighe(const QString& percorso, bool* ok = nullptr, qint64 limiteByte = LimiteFileTesto);
