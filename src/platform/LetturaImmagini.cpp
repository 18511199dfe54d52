#include "platform/LetturaImmagini.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTransform>
#include <QtEndian>

#include <cerrno>
#include <cstdlib>
#include <unistd.h>

namespace {

// Qt's readers stop at 128 MB of their own, below what this reader promises: set to ours once,
// before any picture is read.
void LimiteQt() {
    static const bool impostato = [] {
        QImageReader::setAllocationLimit(LimiteMegabyteImmagine);
        return true;
    }();
    (void)impostato;
}

ImmagineLetta Rifiutata(RifiutoImmagine rifiuto, const QString& dettaglio = {}, const QSize& dichiarata = {}) {
    ImmagineLetta esito;
    esito.Rifiuto = rifiuto;
    esito.Dettaglio = dettaglio;
    esito.Dichiarata = dichiarata;
    return esito;
}

bool OltreLimite(const QSize& dimensione) {
    return dimensione.isValid() &&
           qint64(dimensione.width()) * dimensione.height() * 4 > qint64(LimiteMegabyteImmagine) * 1024 * 1024;
}

// The EXIF orientation tag as Qt names its turns.
QImageIOHandler::Transformations Verso(int orientamento) {
    using T = QImageIOHandler;
    switch (orientamento) {
    case 2: return T::TransformationMirror;
    case 3: return T::TransformationRotate180;
    case 4: return T::TransformationFlip;
    case 5: return T::TransformationFlipAndRotate90;
    case 6: return T::TransformationRotate90;
    case 7: return T::TransformationMirrorAndRotate90;
    case 8: return T::TransformationRotate270;
    default: return T::TransformationNone;
    }
}

// Mirror and flip first, then a quarter turn clockwise: how the orientation tag is read.
QImage Orientata(const QImage& immagine, QImageIOHandler::Transformations verso) {
    if (verso == QImageIOHandler::TransformationNone || immagine.isNull()) return immagine;
    QImage girata = immagine.mirrored(verso.testFlag(QImageIOHandler::TransformationMirror),
                                      verso.testFlag(QImageIOHandler::TransformationFlip));
    if (verso.testFlag(QImageIOHandler::TransformationRotate90)) girata = girata.transformed(QTransform().rotate(90));
    return girata;
}

ImmagineLetta DaJpeg(const FileRegolare& file, const OpzioniLettura& opzioni) {
    LimitiJpeg limiti;
    limiti.Minima = opzioni.Copertura;
    limiti.Millisecondi = opzioni.MillisecondiMassimi;
    limiti.Orientamento = opzioni.Orienta;
    const LetturaJpeg letta = LeggiJpegDa(file.Descrittore(), file.Dimensione(), limiti);
    ImmagineLetta esito = EsitoJpeg(letta);
    if (esito.Letta() && opzioni.Orienta) esito.Immagine = Orientata(esito.Immagine, Verso(letta.Info.Orientamento));
    return esito;
}

// Any other format through Qt's readers, once the declared size is known to fit.
ImmagineLetta DaQt(QImageReader& lettore, bool orienta) {
    LimiteQt();
    lettore.setAutoTransform(orienta);
    const QSize dichiarata = lettore.size();
    if (OltreLimite(dichiarata)) return Rifiutata(RifiutoImmagine::TroppoGrande, {}, dichiarata);
    ImmagineLetta esito;
    esito.Dichiarata = dichiarata;
    esito.Immagine = lettore.read();
    if (esito.Immagine.isNull()) {
        esito.Rifiuto = RifiutoImmagine::Illeggibile;
        esito.Dettaglio = lettore.errorString();
    }
    return esito;
}

// Qt draws a BMP cut short with its missing rows black, without a word: its header says how
// many bytes there should be.
bool BmpTroncato(const FileRegolare& file) {
    QByteArray inizio(54, '\0');
    const ssize_t n = ::pread(file.Descrittore(), inizio.data(), size_t(inizio.size()), 0);
    if (n <= 0) return false;
    inizio.resize(n);
    const TestataBmp testata = LeggiTestataBmp(inizio);
    return testata.Valida && testata.DatiAttesi >= 0 && file.Dimensione() < testata.InizioDati + testata.DatiAttesi;
}

quint32 Parola32(const QByteArray& b, int i) { return qFromLittleEndian<quint32>(b.constData() + i); }
quint16 Parola16(const QByteArray& b, int i) { return qFromLittleEndian<quint16>(b.constData() + i); }

}  // namespace

ImmagineLetta EsitoFile(const FileRegolare& file) {
    switch (file.Rifiuto()) {
    case RifiutoFile::Nessuno: break;
    case RifiutoFile::Mancante: return Rifiutata(RifiutoImmagine::Mancante);
    case RifiutoFile::NonUnFile: return Rifiutata(RifiutoImmagine::NonUnFile);
    case RifiutoFile::NonApribile:
    case RifiutoFile::TroppoGrande: return Rifiutata(RifiutoImmagine::NonApribile, file.Errore());
    }
    return {};
}

ImmagineLetta EsitoJpeg(const LetturaJpeg& letta) {
    const QSize dichiarata = letta.Info.Larghezza > 0 ? QSize(letta.Info.Larghezza, letta.Info.Altezza) : QSize();
    switch (letta.Errore) {
    case ErroreJpeg::Nessuno: break;
    case ErroreJpeg::Apertura: return Rifiutata(RifiutoImmagine::NonApribile, letta.Testo);
    case ErroreJpeg::Dati: return Rifiutata(RifiutoImmagine::Illeggibile, letta.Testo, dichiarata);
    case ErroreJpeg::TroppoGrande:
    case ErroreJpeg::Memoria: return Rifiutata(RifiutoImmagine::TroppoGrande, letta.Testo, dichiarata);
    case ErroreJpeg::TroppeScansioni: return Rifiutata(RifiutoImmagine::TroppeScansioni, letta.Testo, dichiarata);
    case ErroreJpeg::Tempo: return Rifiutata(RifiutoImmagine::TroppoLenta, letta.Testo, dichiarata);
    case ErroreJpeg::TroppiByte: return Rifiutata(RifiutoImmagine::TroppiByte, letta.Testo, dichiarata);
    }
    ImmagineLetta esito;
    esito.Dichiarata = dichiarata;
    esito.Immagine = letta.Immagine;
    esito.Troncata = letta.Troncata;
    esito.Dettaglio = letta.Avviso;
    return esito;
}

ImmagineLetta LeggiImmagine(const FileRegolare& file, const OpzioniLettura& opzioni) {
    if (!file.Aperto()) return EsitoFile(file);
    char inizio[16];
    // A file that cannot be read (a read error) says why.
    if (::pread(file.Descrittore(), inizio, sizeof inizio, 0) < 0)
        return Rifiutata(RifiutoImmagine::NonApribile, qt_error_string(errno));
    QFile qfile;
    // Qt's readers read the same descriptor; it stays open for its owner.
    if (!qfile.open(file.Descrittore(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return Rifiutata(RifiutoImmagine::NonApribile, qfile.errorString());
    QImageReader lettore(&qfile);
    const QByteArray formato = lettore.format();
    if (formato == "jpeg") return DaJpeg(file, opzioni);
    qfile.seek(0);
    QImageReader daCapo(&qfile, formato);
    ImmagineLetta esito = DaQt(daCapo, opzioni.Orienta);
    if (esito.Letta() && formato == "bmp") esito.Troncata = BmpTroncato(file);
    return esito;
}

ImmagineLetta LeggiImmagine(const QString& percorso, const OpzioniLettura& opzioni) {
    return LeggiImmagine(FileRegolare::Apri(percorso), opzioni);
}

ImmagineLetta LeggiImmagine(const QByteArray& dati, const char* formato) {
    QBuffer buffer;
    buffer.setData(dati);
    buffer.open(QIODevice::ReadOnly);
    QImageReader lettore(&buffer, formato);
    return DaQt(lettore, false);
}

TestataBmp LeggiTestataBmp(const QByteArray& testa) {
    TestataBmp esito;
    if (testa.size() < 26 || !testa.startsWith("BM")) return esito;
    const qint64 inizioDati = Parola32(testa, 10);
    const quint32 lunghezzaTestata = Parola32(testa, 14);
    qint64 larghezza = 0, altezza = 0;
    int bit = 0;
    quint32 compressione = 0;
    if (lunghezzaTestata == 12) {
        larghezza = Parola16(testa, 18);
        altezza = qint16(Parola16(testa, 20));
        bit = Parola16(testa, 24);
    } else if (lunghezzaTestata >= 40 && lunghezzaTestata <= 124 && testa.size() >= 54) {
        larghezza = qint32(Parola32(testa, 18));
        altezza = qint32(Parola32(testa, 22));
        bit = Parola16(testa, 28);
        compressione = Parola32(testa, 30);
    } else {
        return esito;
    }
    const bool bitValidi = bit == 1 || bit == 4 || bit == 8 || bit == 16 || bit == 24 || bit == 32;
    if (larghezza <= 0 || altezza == 0 || !bitValidi || inizioDati < 14 + qint64(lunghezzaTestata)) return esito;
    esito.Valida = true;
    esito.InizioDati = inizioDati;
    // 0 plain, 3 and 6 plain with colour masks: rows of whole 32-bit words.
    if (compressione == 0 || compressione == 3 || compressione == 6)
        esito.DatiAttesi = (larghezza * bit + 31) / 32 * 4 * std::abs(altezza);
    return esito;
}
