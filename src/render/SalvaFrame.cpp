#include "render/SalvaFrame.h"

#include "platform/CartelleUtente.h"
#include "platform/Grafica.h"
#include "platform/Jpeg.h"
#include "project/ImpostazioniGlobali.h"
#include "project/ImpostazioniProgetto.h"
#include "render/ContestoRendering.h"
#include "render/NomiRendering.h"

#include <QDir>
#include <QFile>
#include <QImageWriter>

#include <cmath>
#include <filesystem>
#include <system_error>

QString NomeFileFrame(const QString& percorsoOutput, long long numero, bool jpg) {
    return percorsoOutput + NomiRendering::PrefissoFrame + QStringLiteral("%1").arg(numero, 4, 10, QLatin1Char('0')) +
           (jpg ? NomiRendering::EstensioneJpg : NomiRendering::EstensioneBmp);
}

long long NumeroFileFrame(int intro, float frameCorrente, float totaleFrame) {
    const auto intero = [](float v) { return std::isfinite(v) ? static_cast<long long>(v) : 0LL; };
    if (intro == 7) {
        // Drawn backwards; a run always writes at least file 1.
        const long long n = intero(totaleFrame) - intero(frameCorrente);
        return n < 1 ? 1 : n;
    }
    return intero(frameCorrente) + 1;
}

QSize DimensioneAnteprima(int altezzaFinestra) {
    const int h = altezzaFinestra - 389;
    if (h <= 0) return {};
    return {(h / 9) * 16, h};
}

QSize DimensioneOutput(int voceRisoluzione) {
    return voceRisoluzione == 1 ? QSize(1280, 720) : QSize(1920, 1080);
}

bool PreparaCartellaFrame(const QString& percorsoOutput, QString* errore) {
    QDir cartella(percorsoOutput + NomiRendering::CartellaFrame);
    if (!cartella.exists()) {
        // QDir::mkpath keeps the reason to itself; the system's words say what to do about it.
        std::error_code codice;
        std::filesystem::create_directories(QFile::encodeName(cartella.path()).toStdString(), codice);
        if (codice || !cartella.exists()) {
            if (errore)
                *errore = QStringLiteral("The frame folder could not be made:\n%1\n%2")
                              .arg(cartella.path(),
                                   codice ? QString::fromLocal8Bit(codice.message()) : QStringLiteral("not a folder"));
            return false;
        }
    }
    // Frames of a longer earlier run must not reach the video.
    const QStringList vecchi = cartella.entryList({NomiRendering::FiltroFrame}, QDir::Files);
    for (const QString& nome : vecchi) {
        const QString percorso = cartella.filePath(nome);
        if (percorso.endsWith(NomiRendering::EstensioneJpg, Qt::CaseInsensitive) ||
            percorso.endsWith(NomiRendering::EstensioneBmp, Qt::CaseInsensitive))
            QFile::remove(percorso);
    }
    return true;
}

namespace {

// Through a file of our own: the image writer alone reports a full disk as "Unknown error".
bool ScriviBmp(const QImage& immagine, const QString& percorso, QString* errore) {
    QFile file(percorso);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        if (errore) *errore = file.errorString();
        return false;
    }
    QImageWriter scrittore(&file, "bmp");
    const bool scritto = scrittore.write(immagine.convertToFormat(QImage::Format_RGB888));
    const bool svuotato = file.flush();
    // Taken before close, which forgets an error of an earlier write.
    QString motivo = file.error() != QFileDevice::NoError ? file.errorString() : QString();
    file.close();
    if (motivo.isEmpty() && file.error() != QFileDevice::NoError) motivo = file.errorString();
    if (scritto && svuotato && motivo.isEmpty()) return true;
    if (errore) *errore = motivo.isEmpty() ? scrittore.errorString() : motivo;
    QFile::remove(percorso);
    return false;
}

}  // namespace

void SalvaFrame(ContestoRendering& c) {
    // The canvas painter stays open; its raster engine writes straight into the pixels.
    const QImage& canvas = c.CanvasFrame;
    const QSize anteprima = DimensioneAnteprima(c.Host.AltezzaFinestra());
    if (!anteprima.isEmpty()) {
        c.Host.MostraAnteprima(ScalaVeloce(canvas, anteprima).convertToFormat(QImage::Format_RGB32));
    }
    if (!c.Anima()) return;

    const ImpostazioniProgetto& imp = c.Imp();
    const bool jpg = imp.UsaJpg;
    const QString nome = NomeFileFrame(
        PercorsoOutput, NumeroFileFrame(imp.IntroLista.Voce(), c.FrameCorrente, ImpostazioniGlobali.TotaleFrame), jpg);
    const QSize dimensione = DimensioneOutput(imp.ProgettoRisoluzione.Voce());
    const QImage uscita = dimensione == canvas.size() ? canvas : ScalaAltaQualita(canvas, dimensione);
    QString errore;
    const bool scritto = jpg ? ScriviJpeg(uscita, nome, 90, &errore) : ScriviBmp(uscita, nome, &errore);
    if (!scritto) {
        c.ErroreFrame = true;
        c.MessaggioErrore = QStringLiteral("The frame could not be written:\n%1\n%2").arg(nome, errore);
    }
}
