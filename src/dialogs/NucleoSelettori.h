#pragma once
// What the folder and file choosers know without a window: the mounted volumes and their
// kinds, a folder's listing with its ancestors and depths, the file filter, the size and
// date texts and the history of chosen folders.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

// The kind of a volume, as the drive list shows it by its icon.
enum TipoUnita : int {
    UnitaSconosciuta = 0,
    UnitaNonMontata = 1,
    UnitaRimovibile = 2,
    UnitaFissa = 3,
    UnitaRete = 4,
    UnitaCdDvd = 5,
    UnitaRamDisk = 6,
};

// From the file system type and the device alone.
TipoUnita TipoDaFileSystem(const QByteArray& fileSystem, const QByteArray& dispositivo);
// False for pseudo file systems and the system's own memory mounts, which are no place to
// keep files.
bool VolumeDaElencare(const QByteArray& fileSystem, const QString& radice);

struct Volume {
    QString radice;
    QString etichetta;
    TipoUnita tipo = UnitaSconosciuta;
    bool casa = false;  // holds the home folder
};
// The volumes in drive-list order: "/" first, then by root; the home folder's volume is marked.
std::vector<Volume> OrdinaVolumi(std::vector<Volume> volumi, const QString& cartellaCasa);
// The valid and ready mounted volumes worth listing.
std::vector<Volume> VolumiMontati();
// The text a drive-list row shows.
QString TestoVolume(const Volume& v);

// Which files a chooser lists.
enum class FiltroFile { Tutti, Immagini, Audio, Nessuno };
// TipoFile 1 images, 11 audio, any other nothing.
FiltroFile FiltroDaTipoFile(int tipoFile);
// By the suffix, without regard to case.
bool PassaFiltro(const QString& nomeFile, FiltroFile filtro);

struct VoceCartella {
    QString percorso;
    int profondita = 0;  // 0 for "/", one more per level
    bool aperta = false;  // the folder being browsed
};
struct ContenutoCartella {
    std::vector<VoceCartella> cartelle;  // ancestors, the folder, its subfolders
    QStringList files;                   // names only
    bool leggibile = true;
};
// The levels of a path: "/home/a" gives "/", "/home", "/home/a".
QStringList Antenati(const QString& cartella);
int Profondita(const QString& percorso);
// Folder and file names are sorted without regard to case; names starting with "." are left
// out. An unreadable folder still lists its ancestors and itself.
ContenutoCartella ElencaCartella(const QString& cartella, FiltroFile filtro);
// cartella + "/" + nome, without doubling the slash at the root.
QString UnisciPercorso(const QString& cartella, const QString& nome);
// A usable absolute folder path for what was given (clean, no trailing slash but at the root).
QString NormalizzaCartella(const QString& cartella);
// Where the file chooser opens: the folder of the file being replaced; when that file is gone,
// the folder chosen last in this session, else the history's last folder that still exists;
// else the fallback.
QString CartellaIniziale(const QString& fileAttuale, const QString& ultimaScelta, const QStringList& storico,
                         const QString& riserva);

// "5 MB", "1 KB", "1023 Bytes" (whole units, truncated).
QString TestoDimensione(qint64 byte);
// "07/03/2015  09:05" in local time.
QString TestoData(const QDateTime& quando);

// The folders chosen before, kept sorted without regard to case in a text file of one path
// a line. A history that exists but cannot be read is never written over.
class StoricoCartelle {
public:
    enum class Stato { Assente, Caricato, Illeggibile };

    Stato Carica(const QString& percorso);
    const QStringList& Voci() const { return voci; }
    // Adds a folder unless one equals it exactly (a case variant is a different folder).
    bool Aggiungi(const QString& cartella);
    // Writes the file when it is safe and there is something to write: after a good load with
    // a change, or when there was no file. False when nothing was written.
    bool Salva() const;
    bool Modificato() const { return modificato; }

private:
    QString file;
    QStringList voci;
    Stato stato = Stato::Assente;
    bool modificato = false;
};
