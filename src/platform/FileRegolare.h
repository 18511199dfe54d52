#pragma once
// Opens a file for reading once, and only when it is a regular file: a pipe, a device, a socket
// or a folder is refused at once, without being opened (opening some devices does something of
// its own), and whatever is read afterwards comes from the very file that was checked: the
// descriptor is the file looked at, never something swapped in between.
#include <QByteArray>
#include <QString>

enum class RifiutoFile {
    Nessuno,
    Mancante,     // no such file
    NonUnFile,    // a folder, a device, a pipe, a socket
    NonApribile,  // no permission, a read error: Errore says which
    TroppoGrande, // larger than the caller's limit
};

class FileRegolare {
public:
    FileRegolare() = default;
    ~FileRegolare();
    FileRegolare(FileRegolare&& altro) noexcept;
    FileRegolare& operator=(FileRegolare&& altro) noexcept;
    FileRegolare(const FileRegolare&) = delete;
    FileRegolare& operator=(const FileRegolare&) = delete;

    // limiteByte < 0 sets no limit on the size.
    static FileRegolare Apri(const QString& percorso, qint64 limiteByte = -1);

    bool Aperto() const { return descrittore_ >= 0; }
    RifiutoFile Rifiuto() const { return rifiuto_; }
    // The system's reason for NonApribile (and for a failed read), in its own words.
    const QString& Errore() const { return errore_; }
    // The size fstat gave at the open.
    qint64 Dimensione() const { return dimensione_; }
    // Still owned by this object; it stays open until the object goes.
    int Descrittore() const { return descrittore_; }

    // Every byte from the start to the end, but never more than the limit of the open (a file
    // that grew past it is cut there) nor, when massimo >= 0, than massimo bytes. False, with the reason in Errore, on a read
    // error.
    bool LeggiTutto(QByteArray& dati, qint64 massimo = -1);
    void Chiudi();

private:
    int descrittore_ = -1;
    qint64 dimensione_ = 0;
    qint64 limite_ = -1;
    RifiutoFile rifiuto_ = RifiutoFile::Nessuno;
    QString errore_;
};
