#pragma once
// The program's text files (project, lists, histories, log): written UTF-8 with CR LF line ends;
// read back with CR LF or LF. A line without any UTF-8 in it is taken as Windows-1252, so that
// files made by the Windows version still load.
#include <QByteArray>
#include <QString>
#include <QStringList>

// One line of bytes (no line end) as text. In a line that mixes UTF-8 with bytes that are not
// UTF-8 (a stray byte), the UTF-8 stays UTF-8 and only those bytes are read as Windows-1252;
// mista then tells that the line could not be read cleanly.
QString DecodificaRiga(const QByteArray& riga, bool* mista = nullptr);

// Reads a text file line by line, in order, each line whole whatever its length.
class LettoreTesto {
public:
    LettoreTesto() = default;
    explicit LettoreTesto(const QByteArray& contenuto);
    // False when the file cannot be read; the reader is then empty, and Errore() tells the
    // system's reason unless the file is Assente().
    bool Apri(const QString& percorso);
    bool Assente() const { return assente_; }
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
    bool assente_ = false;
    QString errore_;
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
