#include "render/SalvaFrame.h"

#include "platform/CartelleUtente.h"
#include "platform/Grafica.h"
#include "project/ImpostazioniGlobali.h"
#include "project/ImpostazioniProgetto.h"
#include "project/TestiMessaggi.h"
#include "render/ContestoRendering.h"
#include "render/NomiRendering.h"
#include "render/ScritturaFrame.h"

#include <QDir>
#include <QFile>

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
                *errore = TestoMessaggio(VoceMessaggio::CartellaFrameNonCreata)
                              .arg(cartella.path(), codice ? QString::fromLocal8Bit(codice.message())
                                                           : TestoMessaggio(VoceMessaggio::NonUnaCartella));
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

// During a run the window needs no more pictures than the screen shows.
bool Dovuto(const ContestoRendering& c, const QElapsedTimer& orologio) {
    const double frequenza = c.Host.FrequenzaSchermo();
    const qint64 intervallo = frequenza > 0.0 ? static_cast<qint64>(1000.0 / frequenza) : 0;
    return !orologio.isValid() || orologio.elapsed() >= intervallo;
}

// The workers scale a preview only for the frames the window will show: one per screen
// refresh, and the run's last frame, which the window keeps.
bool AnteprimaDaScalare(ContestoRendering& c) {
    const bool ultimo = !(c.FrameCorrente + 1.0f <= ImpostazioniGlobali.TotaleFrame - 1.0f);
    if (!ultimo && !Dovuto(c, c.OrologioRichiestaAnteprima)) return false;
    c.OrologioRichiestaAnteprima.start();
    ++c.AnteprimeRichieste;
    return true;
}

}  // namespace

void MostraUltimaAnteprima(ContestoRendering& c) {
    QImage anteprima;
    if (!c.Scrittura || !c.Scrittura->PrendiAnteprima(anteprima)) return;
    c.Host.MostraAnteprima(anteprima);
    c.OrologioAnteprima.start();
}

void SalvaFrame(ContestoRendering& c) {
    // The canvas painter stays open; its raster engine writes straight into the pixels.
    const QImage& canvas = c.CanvasFrame;
    const QSize anteprima = DimensioneAnteprima(c.Host.AltezzaFinestra());
    // In a run the workers scale the preview too; the window gets the newest one ready.
    const bool lavoratori = c.Scrittura && c.Anima();
    if (!anteprima.isEmpty() && !lavoratori) {
        c.Host.MostraAnteprima(ConvertiFormato(ScalaVeloce(canvas, anteprima), QImage::Format_RGB32));
    }
    if (!c.Anima()) return;

    const ImpostazioniProgetto& imp = c.Imp();
    const bool jpg = imp.UsaJpg;
    const QString nome = NomeFileFrame(
        PercorsoOutput, NumeroFileFrame(imp.IntroLista.Voce(), c.FrameCorrente, ImpostazioniGlobali.TotaleFrame), jpg);
    const QSize dimensione = DimensioneOutput(imp.ProgettoRisoluzione.Voce());
    if (c.Scrittura) {
        // Made and written by the workers; a failure shows at one of the next frames.
        const QSize scalata = anteprima.isEmpty() || !AnteprimaDaScalare(c) ? QSize() : anteprima;
        const int conteggio = static_cast<int>(c.FrameCorrente) + 1;
        if (!c.Scrittura->Accoda(canvas, dimensione, jpg, nome, scalata, conteggio) || c.Scrittura->Fallito()) {
            c.ErroreFrame = true;
            c.Scrittura->Fallito(&c.MessaggioErrore);
        }
        if (Dovuto(c, c.OrologioAnteprima)) MostraUltimaAnteprima(c);
        return;
    }
    QByteArray dati;
    QString errore;
    if (!CodificaFrame(canvas, dimensione, jpg, dati, &errore) || !ScriviFileFrame(nome, dati, &errore)) {
        c.ErroreFrame = true;
        c.MessaggioErrore = MessaggioFrameNonScritto(nome, errore);
    }
}
