#include "encoding/ControlloFrame.h"

#include "encoding/TestiCodifica.h"
#include "platform/LetturaImmagini.h"
#include "render/ImmaginiIllegibili.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

namespace {

// Web presets 2 (Vimeo) and 3 (Facebook) carry "-r 25".
constexpr int kTipoPresetWeb = 6;
constexpr int kFrameAlSecondoPreset = 25;

bool PresetA25(const ParametriCodec& codec) {
    return codec.TipoCodec == kTipoPresetWeb && (codec.VarianteCodec == 2 || codec.VarianteCodec == 3);
}

// The check reads files more than it computes: a few threads are plenty, and leave the rest.
constexpr int kThreadMassimi = 8;

using TestiCodifica::TestoFinestra;
using TestiCodifica::VoceFinestra;

// libjpeg reports through callbacks; an error jumps back to the setjmp of LeggiDatiJpeg.
struct VerificaJpegC {
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr base;
    std::jmp_buf salto;
    char messaggio[JMSG_LENGTH_MAX];
    int avviso;  // the code of the first warning, -1 when none
};

void ErroreJpeg(j_common_ptr info) {
    auto* v = reinterpret_cast<VerificaJpegC*>(reinterpret_cast<char*>(info) - offsetof(VerificaJpegC, cinfo));
    (*info->err->format_message)(info, v->messaggio);
    std::longjmp(v->salto, 1);
}

// A warning means damaged data that libjpeg made up for (a cut file is padded with grey).
void AvvisoJpeg(j_common_ptr info, int livello) {
    if (livello >= 0) return;
    auto* v = reinterpret_cast<VerificaJpegC*>(reinterpret_cast<char*>(info) - offsetof(VerificaJpegC, cinfo));
    if (v->avviso < 0) {
        v->avviso = info->err->msg_code;
        (*info->err->format_message)(info, v->messaggio);
    }
    ++info->err->num_warnings;
}

// Reads every compressed block without turning it into pixels; only plain C data lives here,
// as the error exit jumps over these frames.
bool LeggiDatiJpeg(VerificaJpegC& v, std::FILE* file) {
    v.cinfo.err = jpeg_std_error(&v.base);
    v.base.error_exit = ErroreJpeg;
    v.base.emit_message = AvvisoJpeg;
    v.avviso = -1;
    if (setjmp(v.salto)) {
        jpeg_destroy_decompress(&v.cinfo);
        return false;
    }
    jpeg_create_decompress(&v.cinfo);
    // The coefficients of a file that declares a huge size would not fit: libjpeg stops.
    v.cinfo.mem->max_memory_to_use = long(LimiteMegabyteImmagine) * 1024 * 1024;
    jpeg_stdio_src(&v.cinfo, file);
    jpeg_read_header(&v.cinfo, TRUE);
    jpeg_read_coefficients(&v.cinfo);
    jpeg_finish_decompress(&v.cinfo);
    jpeg_destroy_decompress(&v.cinfo);
    return true;
}

std::optional<QString> DifettoJpeg(const QString& percorso, int lingua) {
    // Thousands of scans would each be a pass over every block.
    if (ContaScansioniJpeg(percorso) > LimiteScansioniJpeg) {
        ImmagineLetta rifiutata;
        rifiutata.Rifiuto = RifiutoImmagine::TroppeScansioni;
        return MotivoImmagine(rifiutata, lingua);
    }
    std::FILE* file = std::fopen(QFile::encodeName(percorso).constData(), "rb");
    if (!file) return QString::fromLocal8Bit(std::strerror(errno));
    VerificaJpegC v{};
    const bool letto = LeggiDatiJpeg(v, file);
    std::fclose(file);
    if (letto && v.avviso < 0) return std::nullopt;
    if (v.avviso == JWRN_JPEG_EOF || (!letto && v.base.msg_code == JERR_INPUT_EOF))
        return TestoFinestra(VoceFinestra::DatiJpegTroncati, lingua);
    return QString::fromLocal8Bit(v.messaggio);
}

quint32 Parola32(const QByteArray& b, int i) {
    return quint32(quint8(b[i])) | quint32(quint8(b[i + 1])) << 8 | quint32(quint8(b[i + 2])) << 16 |
           quint32(quint8(b[i + 3])) << 24;
}

quint16 Parola16(const QByteArray& b, int i) {
    return quint16(quint8(b[i]) | quint8(b[i + 1]) << 8);
}

// Uncompressed BMPs (all this program and ffmpeg write) are checked by size alone; others
// are decoded.
std::optional<QString> DifettoBmp(const QString& percorso, int lingua) {
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) return file.errorString();
    const qint64 dimensione = file.size();
    const QByteArray testa = file.read(14 + 40);
    if (!testa.startsWith("BM")) return TestoFinestra(VoceFinestra::NonBmp, lingua);
    const QString testataRotta = TestoFinestra(VoceFinestra::TestataBmp, lingua);
    if (testa.size() < 26) return testataRotta;
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
        return testataRotta;
    }
    const bool bitValidi = bit == 1 || bit == 4 || bit == 8 || bit == 16 || bit == 24 || bit == 32;
    if (larghezza <= 0 || altezza == 0 || !bitValidi || inizioDati < 14 + qint64(lunghezzaTestata))
        return testataRotta;
    // 0 plain, 3 and 6 plain with colour masks: rows of whole 32-bit words.
    if (compressione == 0 || compressione == 3 || compressione == 6) {
        const qint64 riga = (larghezza * bit + 31) / 32 * 4;
        const qint64 dati = riga * std::abs(altezza);
        const qint64 presenti = std::clamp(dimensione - inizioDati, qint64(0), dati);
        if (presenti < dati) return TestoFinestra(VoceFinestra::DatiBmpTroncati, lingua).arg(presenti).arg(dati);
        return std::nullopt;
    }
    file.close();
    const ImmagineLetta letta = LeggiImmagine(percorso);
    if (!letta.Letta()) return MotivoImmagine(letta, lingua);
    return std::nullopt;
}

}  // namespace

QString PercorsoFrame(const ParametriCodifica& parametri, int numero) {
    return QDir(parametri.CartellaVideo)
        .filePath(QStringLiteral("%1_%2.%3")
                      .arg(parametri.PrefissoFrame)
                      .arg(numero, 4, 10, QLatin1Char('0'))
                      .arg(parametri.FrameInJpg ? QStringLiteral("jpg") : QStringLiteral("bmp")));
}

std::optional<QString> DifettoFrame(const QString& percorso, bool jpg, int lingua) {
    return jpg ? DifettoJpeg(percorso, lingua) : DifettoBmp(percorso, lingua);
}

std::optional<FrameDifettoso> PrimoFrameDifettoso(const ParametriCodifica& parametri, int lingua,
                                                  const std::atomic<bool>* annulla) {
    const int totale = parametri.NumeroFrame;
    if (totale <= 0) return std::nullopt;
    std::atomic<int> prossimo{1};
    // No frame after the first fault found so far needs looking at.
    std::atomic<int> limite{INT_MAX};
    std::mutex guardia;
    std::optional<FrameDifettoso> primo;
    auto lavora = [&] {
        for (;;) {
            if (annulla && annulla->load()) return;
            const int n = prossimo.fetch_add(1);
            if (n > totale || n > limite.load()) return;
            const QString percorso = PercorsoFrame(parametri, n);
            std::optional<QString> motivo;
            if (!QFileInfo(percorso).isFile())
                motivo = QStringLiteral("missing");
            else
                motivo = DifettoFrame(percorso, parametri.FrameInJpg, lingua);
            if (!motivo) continue;
            const std::lock_guard<std::mutex> blocco(guardia);
            if (!primo || n < primo->Numero) {
                primo = FrameDifettoso{n, percorso, *motivo};
                limite = n;
            }
        }
    };
    const int quanti = std::clamp(int(std::thread::hardware_concurrency()), 1, kThreadMassimi);
    std::vector<std::thread> aiutanti;
    for (int i = 1; i < std::min(quanti, totale); ++i) aiutanti.emplace_back(lavora);
    lavora();
    for (std::thread& t : aiutanti) t.join();
    if (annulla && annulla->load()) return std::nullopt;
    return primo;
}

FrameAttesi FrameAttesiDallEncoder(const ParametriCodifica& parametri, const ParametriCodec& codec) {
    const int n = parametri.NumeroFrame;
    if (!PresetA25(codec) || parametri.FrameAlSecondo == kFrameAlSecondoPreset) return {n, n};
    // No rate to resample from: the encoder refuses it, and its status says so.
    if (parametri.FrameAlSecondo <= 0) return {0, INT_MAX};
    const double esatti = double(n) * kFrameAlSecondoPreset / parametri.FrameAlSecondo;
    const double minimo = std::max(1.0, std::floor(esatti) - 1);
    const double massimo = std::ceil(esatti) + 3;
    return {int(std::min(minimo, double(INT_MAX))), int(std::min(massimo, double(INT_MAX)))};
}
