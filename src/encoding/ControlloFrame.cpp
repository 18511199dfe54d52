#include "encoding/ControlloFrame.h"

#include "encoding/TestiCodifica.h"
#include "platform/FileRegolare.h"
#include "platform/LetturaImmagini.h"
#include "project/MotivoImmagine.h"

#include <QDir>

#include <algorithm>
#include <climits>
#include <cmath>
#include <mutex>
#include <thread>
#include <vector>

#include <unistd.h>

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

// The frame's first bytes, from the descriptor the check opened.
QByteArray Inizio(const FileRegolare& file, int quanti) {
    QByteArray dati(quanti, '\0');
    const ssize_t n = ::pread(file.Descrittore(), dati.data(), size_t(quanti), 0);
    dati.resize(n > 0 ? n : 0);
    return dati;
}

// Every compressed block read to the end with the reader's own limits; any warning of libjpeg
// is a fault, as the encoder would meet the same damage.
std::optional<QString> DifettoJpeg(const FileRegolare& file, int lingua) {
    const LetturaJpeg verifica = VerificaJpegDa(file.Descrittore(), file.Dimensione());
    if (verifica.Troncata) return TestoFinestra(VoceFinestra::DatiJpegTroncati, lingua);
    const ImmagineLetta letta = EsitoJpeg(verifica);
    if (!letta.Letta()) return MotivoImmagine(letta, lingua);
    if (!verifica.Avviso.isEmpty()) return verifica.Avviso;
    return std::nullopt;
}

// Uncompressed BMPs (all this program and ffmpeg write) are checked by size alone; others
// are decoded.
std::optional<QString> DifettoBmp(const FileRegolare& file, int lingua) {
    const QByteArray testa = Inizio(file, 14 + 40);
    if (!testa.startsWith("BM")) return TestoFinestra(VoceFinestra::NonBmp, lingua);
    const TestataBmp testata = LeggiTestataBmp(testa);
    if (!testata.Valida) return TestoFinestra(VoceFinestra::TestataBmp, lingua);
    if (testata.DatiAttesi >= 0) {
        const qint64 presenti = std::clamp(file.Dimensione() - testata.InizioDati, qint64(0), testata.DatiAttesi);
        if (presenti < testata.DatiAttesi)
            return TestoFinestra(VoceFinestra::DatiBmpTroncati, lingua).arg(presenti).arg(testata.DatiAttesi);
        return std::nullopt;
    }
    const ImmagineLetta letta = LeggiImmagine(file);
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
    // Opened once, without waiting on a pipe named like a frame; read from that descriptor.
    const FileRegolare file = FileRegolare::Apri(percorso);
    if (file.Rifiuto() == RifiutoFile::Mancante) return QStringLiteral("missing");
    if (!file.Aperto()) return MotivoImmagine(EsitoFile(file), lingua);
    return jpg ? DifettoJpeg(file, lingua) : DifettoBmp(file, lingua);
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
            const std::optional<QString> motivo = DifettoFrame(percorso, parametri.FrameInJpg, lingua);
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
