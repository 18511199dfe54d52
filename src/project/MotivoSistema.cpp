#include "project/MotivoSistema.h"

#include "project/ImpostazioniGlobali.h"

#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace {

struct Motivo {
    int errore;
    const char* italiano;  // UTF-8
    const char* inglese;   // the C library's own words
};

// The errors a file, a folder or a process of ours can meet.
const std::vector<Motivo>& Motivi() {
    static const std::vector<Motivo> motivi{
        {EPERM, "Operazione non permessa", "Operation not permitted"},
        {ENOENT, "File o cartella inesistente", "No such file or directory"},
        {EIO, "Errore di input/output", "Input/output error"},
        {ENXIO, "Dispositivo o indirizzo inesistente", "No such device or address"},
        {E2BIG, "Elenco di argomenti troppo lungo", "Argument list too long"},
        {ENOEXEC, "Formato dell'eseguibile non valido", "Exec format error"},
        {EAGAIN, "Risorsa temporaneamente non disponibile", "Resource temporarily unavailable"},
        {ENOMEM, "Impossibile allocare memoria", "Cannot allocate memory"},
        {EACCES, "Permesso negato", "Permission denied"},
        {EBUSY, "Dispositivo o risorsa occupata", "Device or resource busy"},
        {EEXIST, "Il file esiste già", "File exists"},
        {EXDEV, "Collegamento tra dispositivi diversi non valido", "Invalid cross-device link"},
        {ENODEV, "Dispositivo inesistente", "No such device"},
        {ENOTDIR, "Non è una cartella", "Not a directory"},
        {EISDIR, "È una cartella", "Is a directory"},
        {EINVAL, "Argomento non valido", "Invalid argument"},
        {ENFILE, "Troppi file aperti nel sistema", "Too many open files in system"},
        {EMFILE, "Troppi file aperti", "Too many open files"},
        {ETXTBSY, "File di testo occupato", "Text file busy"},
        {EFBIG, "File troppo grande", "File too large"},
        {ENOSPC, "Spazio esaurito sul dispositivo", "No space left on device"},
        {EROFS, "File system in sola lettura", "Read-only file system"},
        {EMLINK, "Troppi collegamenti", "Too many links"},
        {EPIPE, "Pipe interrotta", "Broken pipe"},
        {ENAMETOOLONG, "Nome del file troppo lungo", "File name too long"},
        {ENOTEMPTY, "Cartella non vuota", "Directory not empty"},
        {ELOOP, "Troppi livelli di collegamenti simbolici", "Too many levels of symbolic links"},
        {ESTALE, "Riferimento al file non più valido", "Stale file handle"},
        {EDQUOT, "Quota del disco superata", "Disk quota exceeded"},
    };
    return motivi;
}

QString Testo(const Motivo& m, int lingua) {
    return QString::fromUtf8(lingua == LinguaItaliano ? m.italiano : m.inglese);
}

// Qt's own file errors, with %1 the file.
struct ModelloQt {
    const char* italiano;
    const char* inglese;
};

const ModelloQt ModelliQt[] = {
    {"Il file esistente %1 non è scrivibile", "Existing file %1 is not writable"},
    {"Il nome del file è quello di una cartella", "Filename refers to a directory"},
    {"Scrittura parziale: il disco è pieno?", "Partial write. Partition full?"},
};

// Replaces every whole occurrence of da: not a piece of a longer word.
void Sostituisci(QString& testo, const QString& da, const QString& a) {
    if (da.isEmpty() || da == a) return;
    for (qsizetype i = testo.indexOf(da); i >= 0; i = testo.indexOf(da, i)) {
        const qsizetype fine = i + da.size();
        const bool inizioParola = i == 0 || !testo[i - 1].isLetterOrNumber();
        const bool fineParola = fine == testo.size() || !testo[fine].isLetterOrNumber();
        if (inizioParola && fineParola) {
            testo.replace(i, da.size(), a);
            i += a.size();
        } else {
            i = fine;
        }
    }
}

}  // namespace

QString MotiviSistemaInLingua(const QString& testo, int lingua) {
    QString uscita = testo;
    // Longer words first, so that one reason is never read as a piece of another.
    std::vector<std::pair<QString, QString>> coppie;
    for (const Motivo& m : Motivi()) {
        const QString nostro = Testo(m, lingua);
        coppie.emplace_back(QString::fromLocal8Bit(std::strerror(m.errore)), nostro);
        coppie.emplace_back(QString::fromUtf8(m.inglese), nostro);
        coppie.emplace_back(QString::fromUtf8(m.italiano), nostro);
    }
    std::stable_sort(coppie.begin(), coppie.end(), [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
    for (const auto& [da, a] : coppie) Sostituisci(uscita, da, a);
    for (const ModelloQt& m : ModelliQt) {
        const QString modello = QString::fromUtf8(m.inglese);
        const QString nostro = QString::fromUtf8(lingua == LinguaItaliano ? m.italiano : m.inglese);
        const qsizetype posto = modello.indexOf(QLatin1String("%1"));
        if (posto < 0) {
            Sostituisci(uscita, modello, nostro);
            continue;
        }
        const QRegularExpression re(QRegularExpression::escape(modello.left(posto)) + QStringLiteral("(.+?)") +
                                    QRegularExpression::escape(modello.mid(posto + 2)));
        uscita.replace(re, QString(nostro).replace(QLatin1String("%1"), QLatin1String("\\1")));
    }
    return uscita;
}
