#include "platform/LetturaImmagini.h"

#include "platform/DispositivoLimitato.h"
#include "platform/Png.h"

#include <QImageReader>
#include <QTransform>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <iterator>
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

// Why the device refused a read, as the reader tells it.
ImmagineLetta Fermata(const DispositivoLimitato& dispositivo, const QSize& dichiarata) {
    using F = DispositivoLimitato::Fermata;
    switch (dispositivo.Fermato()) {
    case F::Tempo: return Rifiutata(RifiutoImmagine::TroppoLenta, {}, dichiarata);
    case F::Interrotta: return Rifiutata(RifiutoImmagine::Interrotta, {}, dichiarata);
    case F::TroppiByte: return Rifiutata(RifiutoImmagine::TroppiByte, {}, dichiarata);
    case F::ErroreLettura: return Rifiutata(RifiutoImmagine::NonApribile, dispositivo.Errore(), dichiarata);
    case F::Nessuna: break;
    }
    return {};
}

// What a declared size may have, before any pixel is made: its memory, its bytes, its time.
RifiutoImmagine Ammessa(const QSize& dichiarata, int bitPerPixel, DispositivoLimitato& dispositivo, Scadenza& scadenza,
                        const OpzioniLettura& opzioni) {
    if (OltreLimiteMemoria(dichiarata.width(), dichiarata.height(), bitPerPixel)) return RifiutoImmagine::TroppoGrande;
    const qint64 byte = ByteAmmessiImmagine(dichiarata.width(), dichiarata.height());
    if (dispositivo.size() > byte) return RifiutoImmagine::TroppiByte;
    dispositivo.LimitaByte(byte);
    scadenza.Imposta(opzioni.MillisecondiMassimi < 0 ? MillisecondiAmmessiImmagine(dichiarata.width(), dichiarata.height())
                                                     : opzioni.MillisecondiMassimi);
    return RifiutoImmagine::Nessuno;
}

ImmagineLetta DaJpeg(const FileRegolare& file, const OpzioniLettura& opzioni) {
    LimitiJpeg limiti;
    limiti.Minima = opzioni.Copertura;
    limiti.Millisecondi = opzioni.MillisecondiMassimi;
    limiti.Orientamento = opzioni.Orienta;
    const LetturaJpeg letta = LeggiJpegDa(file.Descrittore(), file.Dimensione(), limiti);
    ImmagineLetta esito = EsitoJpeg(letta);
    if (!esito.Letta()) return esito;
    const QImageIOHandler::Transformations verso = opzioni.Orienta ? Verso(letta.Info.Orientamento)
                                                                   : QImageIOHandler::TransformationNone;
    esito.Immagine = Orientata(esito.Immagine, verso);
    if (verso.testFlag(QImageIOHandler::TransformationRotate90)) esito.Propria.transpose();
    return esito;
}

ImmagineLetta DaPng(DispositivoLimitato& dispositivo, Scadenza& scadenza, const OpzioniLettura& opzioni) {
    ImmagineLetta esito;
    esito.Formato = "png";
    esito.Rifiuto = RifiutoImmagine::Nessuno;
    const auto accetta = [&](const TestataPng& t) {
        esito.Dichiarata = t.Dimensione;
        esito.Rifiuto = Ammessa(t.Dimensione, 32, dispositivo, scadenza, opzioni);
        return esito.Rifiuto == RifiutoImmagine::Nessuno;
    };
    const LetturaPng letta = LeggiPng(dispositivo, accetta);
    if (dispositivo.Fermato() != DispositivoLimitato::Fermata::Nessuna) {
        ImmagineLetta fermata = Fermata(dispositivo, esito.Dichiarata);
        fermata.Formato = esito.Formato;
        return fermata;
    }
    if (!esito.Letta()) {
        esito.Immagine = QImage();
        return esito;
    }
    if (letta.Immagine.isNull()) {
        esito.Rifiuto = RifiutoImmagine::Illeggibile;
        esito.Dettaglio = letta.Errore;
        return esito;
    }
    esito.Immagine = letta.Immagine;
    esito.Troncata = letta.Parziale;
    esito.Dettaglio = letta.Errore;
    esito.Propria = esito.Immagine.size();
    esito.Millisecondi = scadenza.Millisecondi();
    return esito;
}

// The depth Qt would decode a format's pixels to: a 16-bit PNG or TIFF takes 64 bits a pixel.
int BitQt(QImage::Format formato) {
    const int bit = formato == QImage::Format_Invalid ? 32 : QImage::toPixelFormat(formato).bitsPerPixel();
    return std::max(bit, 32);
}

// Any other format through Qt's readers, once the declared size is known to fit.
ImmagineLetta DaQt(DispositivoLimitato& dispositivo, const QByteArray& formato, Scadenza& scadenza,
                   const OpzioniLettura& opzioni) {
    LimiteQt();
    QImageReader lettore(&dispositivo, formato);
    lettore.setAutoTransform(opzioni.Orienta);
    const QSize dichiarata = lettore.size();
    if (dispositivo.Fermato() != DispositivoLimitato::Fermata::Nessuna) return Fermata(dispositivo, dichiarata);
    ImmagineLetta esito;
    esito.Formato = formato;
    esito.Dichiarata = dichiarata;
    if (dichiarata.isValid()) {
        esito.BitPerPixel = BitQt(lettore.imageFormat());
        esito.Rifiuto = Ammessa(dichiarata, esito.BitPerPixel, dispositivo, scadenza, opzioni);
        if (!esito.Letta()) return esito;
    }
    QImage immagine;
    const bool letta = lettore.read(&immagine) && !immagine.isNull();
    // Some of Qt's readers take a refused read for the end of the file and answer with what
    // they have: a stop of ours is a refusal all the same.
    if (dispositivo.Fermato() != DispositivoLimitato::Fermata::Nessuna) {
        ImmagineLetta fermata = Fermata(dispositivo, dichiarata);
        fermata.Formato = formato;
        return fermata;
    }
    if (!letta) {
        esito.Rifiuto = RifiutoImmagine::Illeggibile;
        esito.Dettaglio = lettore.errorString();
        return esito;
    }
    esito.Immagine = immagine;
    esito.Propria = immagine.size();
    esito.Millisecondi = scadenza.Millisecondi();
    return esito;
}

// Qt draws a BMP cut short with its missing rows black, without a word: its header says how
// many bytes there should be.
bool BmpTroncato(const DispositivoLimitato& dispositivo) {
    const TestataBmp testata = LeggiTestataBmp(dispositivo.Inizio(54));
    return testata.Valida && testata.DatiAttesi >= 0 && dispositivo.size() < testata.InizioDati + testata.DatiAttesi;
}

// Qt's readers whose work follows the bytes they read, checked read by read, or the pixels
// they declare. Others (a vector drawing, whose drawing may take any time after one read) are
// not taken.
bool FormatoAmmesso(const QByteArray& formato) {
    static const QByteArray ammessi[] = {"bmp", "gif", "ico", "cur", "pbm", "pgm", "ppm", "xbm",
                                         "xpm", "tif", "tiff", "webp", "tga", "wbmp"};
    return std::find(std::begin(ammessi), std::end(ammessi), formato) != std::end(ammessi);
}

// An icon whose first picture is a PNG: Qt inflates it from memory, where no read is checked,
// so it goes through our own PNG reader. Null when the first picture is not a PNG.
std::unique_ptr<DispositivoLimitato> PngDellIcona(const DispositivoLimitato& dispositivo) {
    const QByteArray testa = dispositivo.Inizio(6 + 16);
    if (testa.size() < 22 || qFromLittleEndian<quint16>(testa.constData() + 4) == 0) return nullptr;
    const qint64 lunghezza = qFromLittleEndian<quint32>(testa.constData() + 6 + 8);
    const qint64 inizio = qFromLittleEndian<quint32>(testa.constData() + 6 + 12);
    auto parte = dispositivo.Parte(inizio, lunghezza);
    if (!parte->Inizio(8).startsWith("\x89PNG\r\n\x1a\n")) return nullptr;
    return parte;
}

// Every format but JPEG, from the device; formato empty: as the content says.
ImmagineLetta DaDispositivo(DispositivoLimitato& dispositivo, QByteArray formato, Scadenza& scadenza,
                            const OpzioniLettura& opzioni) {
    if (formato.isEmpty()) formato = QImageReader::imageFormat(&dispositivo);
    if (dispositivo.Fermato() != DispositivoLimitato::Fermata::Nessuna) return Fermata(dispositivo, {});
    dispositivo.seek(0);
    if (formato.isEmpty()) return Rifiutata(RifiutoImmagine::FormatoSconosciuto);
    if (formato == "png") return DaPng(dispositivo, scadenza, opzioni);
    if (!FormatoAmmesso(formato)) {
        ImmagineLetta esito = Rifiutata(RifiutoImmagine::FormatoNonAmmesso);
        esito.Formato = formato;
        return esito;
    }
    if (formato == "ico" || formato == "cur") {
        if (const auto png = PngDellIcona(dispositivo)) {
            png->LimitaByte(MargineByteImmagine);
            ImmagineLetta esito = DaPng(*png, scadenza, opzioni);
            esito.Formato = formato;
            return esito;
        }
    }
    ImmagineLetta esito = DaQt(dispositivo, formato, scadenza, opzioni);
    if (esito.Letta() && formato == "bmp") esito.Troncata = BmpTroncato(dispositivo);
    return esito;
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
    ImmagineLetta esito;
    switch (letta.Errore) {
    case ErroreJpeg::Nessuno: break;
    case ErroreJpeg::Apertura: esito = Rifiutata(RifiutoImmagine::NonApribile, letta.Testo); break;
    case ErroreJpeg::Dati: esito = Rifiutata(RifiutoImmagine::Illeggibile, letta.Testo, dichiarata); break;
    case ErroreJpeg::TroppoGrande: esito = Rifiutata(RifiutoImmagine::TroppiPixel, letta.Testo, dichiarata); break;
    case ErroreJpeg::Memoria: esito = Rifiutata(RifiutoImmagine::TroppaMemoria, letta.Testo, dichiarata); break;
    case ErroreJpeg::TroppeScansioni:
        esito = Rifiutata(RifiutoImmagine::TroppeScansioni, letta.Testo, dichiarata);
        break;
    case ErroreJpeg::Tempo: esito = Rifiutata(RifiutoImmagine::TroppoLenta, letta.Testo, dichiarata); break;
    case ErroreJpeg::TroppiByte: esito = Rifiutata(RifiutoImmagine::TroppiByte, letta.Testo, dichiarata); break;
    case ErroreJpeg::Interrotta: esito = Rifiutata(RifiutoImmagine::Interrotta, letta.Testo, dichiarata); break;
    }
    esito.Formato = "jpeg";
    if (!esito.Letta()) return esito;
    esito.Dichiarata = dichiarata;
    esito.Immagine = letta.Immagine;
    esito.Troncata = letta.Troncata;
    esito.Dettaglio = letta.Avviso;
    esito.Propria = dichiarata;
    esito.Riduzione = letta.Riduzione;
    esito.Millisecondi = letta.Millisecondi;
    return esito;
}

ImmagineLetta LeggiImmagine(const FileRegolare& file, const OpzioniLettura& opzioni) {
    if (!file.Aperto()) return EsitoFile(file);
    Scadenza scadenza(opzioni.MillisecondiMassimi < 0 ? MillisecondiMinimiImmagine : opzioni.MillisecondiMassimi);
    DispositivoLimitato dispositivo(file.Descrittore(), file.Dimensione(), scadenza);
    // Until a header tells a size, the allowance for metadata is all a file may be read for.
    dispositivo.LimitaByte(MargineByteImmagine);
    char inizio[16];
    // A file that cannot be read (a read error) says why.
    if (::pread(file.Descrittore(), inizio, sizeof inizio, 0) < 0)
        return Rifiutata(RifiutoImmagine::NonApribile, qt_error_string(errno));
    const QByteArray formato = QImageReader::imageFormat(&dispositivo);
    dispositivo.seek(0);
    if (formato == "jpeg") return DaJpeg(file, opzioni);
    return DaDispositivo(dispositivo, formato, scadenza, opzioni);
}

ImmagineLetta LeggiImmagine(const QString& percorso, const OpzioniLettura& opzioni) {
    return LeggiImmagine(FileRegolare::Apri(percorso), opzioni);
}

ImmagineLetta LeggiImmagine(const QByteArray& dati, const char* formato) {
    Scadenza scadenza;
    DispositivoLimitato dispositivo(dati, scadenza);
    dispositivo.LimitaByte(MargineByteImmagine);
    return DaDispositivo(dispositivo, QByteArray(formato).toLower(), scadenza, OpzioniLettura{});
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
