#include "render/MotoriEffetti.h"

#include "platform/CartelleUtente.h"
#include "project/ImpostazioniGlobali.h"
#include "project/ImpostazioniProgetto.h"
#include "render/LensFlare.h"
#include "render/LivelliParticelle.h"

#include <algorithm>
#include <cmath>

namespace {

// Image table slots of the effect sprites.
constexpr int kSlotFiocchi = 5;   // + kind 1..4
constexpr int kSlotFlare = 10;    // 10..14
constexpr int kSlotFuoco = 15;    // 15..19
constexpr int kSlotBolle = 20;    // 20..23
constexpr int kSlotPolvere = 24;
constexpr int kSlotFumo = 25;     // 25..27

const QString kLente1 = QStringLiteral("/Intro/42.png");
const QString kLente2 = QStringLiteral("/Intro/44.png");

const QString& Slot(const ContestoEffetti& c, int slot) {
    return c.Impostazioni.TabellaImmagini[static_cast<std::size_t>(slot)];
}

float Tempo(const ContestoEffetti& c) { return std::isfinite(c.FrameCorrente) ? c.FrameCorrente : 0.0f; }

int TempoIntero(float t, float fattore) {
    return static_cast<int>(std::clamp(t * fattore, -1.0e6f, 1.0e6f));
}

}  // namespace

MotoriEffetti::MotoriEffetti() = default;
MotoriEffetti::~MotoriEffetti() = default;

void MotoriEffetti::PreparaParticelle(ContestoEffetti& contesto) {
    const ImpostazioniProgetto& s = contesto.Impostazioni;
    if (s.EffettiParticelleCheck)
        PreparaEmettitore(s.EffettiParticelleLista, s.EffettiParticelleVita, s.EffettiParticelleQuantita, fuoco_,
                          rimbalzo_, angoliFuoco_);
    // Intro 10 always gets its ring, also when particles were on from the start.
    if ((!s.EffettiParticelleCheck || s.IntroLista == 10) && !cerchio_.Inizializzato())
        PreparaCerchio(cerchio_, s.EffettiParticelleVita, s.Intro10Rotazione, s.Intro10DimMini);
}

void MotoriEffetti::DisegnaParticelleDietro(ContestoEffetti& contesto) { DisegnaParticelle(contesto, 1, 1, 0); }

void MotoriEffetti::DisegnaParticelleDavanti(ContestoEffetti& contesto) { DisegnaParticelle(contesto, 2, 1, 2); }

void MotoriEffetti::DisegnaParticelle(ContestoEffetti& contesto, int idChiamata, int idDietro, int idDavanti) {
    const ImpostazioniProgetto& s = contesto.Impostazioni;
    const bool passo = idChiamata == idDietro;
    if (s.EffettiParticelleCheck) {
        const int tipo = s.EffettiParticelleLista;
        if (tipo >= ParticelleFuoco && tipo <= ParticelleFumo) {
            DisegnaSpriteParticelle(contesto, tipo, passo, idChiamata, idDietro, idDavanti);
        } else if (tipo == ParticellePalleCadenti || tipo == ParticellePalleRimbalzanti) {
            ParticleSystem* emettitore = &fuoco_;
            if (tipo == ParticellePalleCadenti) {
                if (passo) fuoco_.Aggiorna();
            } else {
                if (passo) rimbalzo_.Aggiorna();
                emettitore = &rimbalzo_;
            }
            DipingiPalle(contesto.CanvasFrame,
                         ComandiPalle(tipo, *emettitore, s.EffettiParticelleQuantita, s.EffettiParticelleColore,
                                      StratiDellaChiamata(idChiamata, idDietro, idDavanti)));
        }
    }
    if (idChiamata == 2 && s.IntroLista == 10) {
        cerchio_.ImpostaRaggio(RaggioCerchio(Tempo(contesto), contesto.TotaleFrame, cerchio_.LeggiCentroY(),
                                             s.Intro10Rotazione, s.Intro10Zoom));
        cerchio_.Aggiorna(true);
        DipingiPalle(contesto.CanvasFrame, ComandiCerchio(cerchio_, s.EffettiParticelleColore));
    }
}

void MotoriEffetti::DisegnaSpriteParticelle(ContestoEffetti& contesto, int tipo, bool passo, int idChiamata,
                                            int idDietro, int idDavanti) {
    const float t = Tempo(contesto);
    std::vector<QImage> immagini;
    switch (tipo) {
    case ParticelleFuoco:
        for (int i = 0; i < 5; ++i)
            immagini.push_back(sprite_.RuotataSenzaBlu(Slot(contesto, kSlotFuoco + i), AngoloFuoco(angoliFuoco_, i, t)));
        break;
    case ParticelleBolle:
        for (int i = 0; i < 4; ++i) immagini.push_back(sprite_.Immagine(Slot(contesto, kSlotBolle + i)));
        break;
    case ParticellePolvere: immagini.push_back(sprite_.Immagine(Slot(contesto, kSlotPolvere))); break;
    case ParticelleFumo:
        immagini.push_back(sprite_.Ruotata(Slot(contesto, kSlotFumo), TempoIntero(t, 1)));
        immagini.push_back(sprite_.Ruotata(Slot(contesto, kSlotFumo + 1), TempoIntero(720 - t, 1)));
        immagini.push_back(sprite_.Ruotata(Slot(contesto, kSlotFumo + 2), TempoIntero(t, 1)));
        break;
    default: return;
    }
    if (passo) fuoco_.Aggiorna();
    std::vector<QSize> dimensioni;
    dimensioni.reserve(immagini.size());
    for (const QImage& i : immagini) dimensioni.push_back(i.size());
    DipingiSprite(contesto.GraficaFrame, immagini,
                  ComandiSprite(tipo, fuoco_, contesto.Impostazioni.EffettiParticelleQuantita, dimensioni,
                                StratiDellaChiamata(idChiamata, idDietro, idDavanti)));
}

void MotoriEffetti::DisegnaLensFlare(ContestoEffetti& contesto) {
    const ImpostazioniProgetto& s = contesto.Impostazioni;
    if (!s.EffettiLensFlareCheck) return;
    const float t = Tempo(contesto);
    const int w = ImpostazioniGlobali.LarghezzaFrame;
    const int h = ImpostazioniGlobali.AltezzaFrame;
    const int tipo = s.EffettoLensFlareLista;
    if (tipo == LensFlareStandard) {
        std::array<QImage, 5> immagini;
        immagini[0] = sprite_.Immagine(Slot(contesto, kSlotFlare));
        immagini[1] = sprite_.Immagine(Slot(contesto, kSlotFlare + 1));
        for (int k = 3; k <= 5; ++k)
            immagini[static_cast<std::size_t>(k - 1)] =
                sprite_.Ruotata(Slot(contesto, kSlotFlare + k - 1), AngoloSpriteFlare(k, t));
        DipingiFlare(contesto.GraficaFrame, immagini, ComandiFlareStandard(t, contesto.TotaleFrame, w, h));
    } else if (tipo == LensFlareLenti1 || tipo == LensFlareLenti2) {
        const QString percorso = CartellaProgramma + (tipo == LensFlareLenti1 ? kLente1 : kLente2);
        const QImage lente = sprite_.Ruotata(percorso, AngoloLente(t, contesto.TotaleFrame));
        if (lente.isNull()) return;
        contesto.GraficaFrame.save();
        contesto.GraficaFrame.setRenderHint(QPainter::SmoothPixmapTransform);
        contesto.GraficaFrame.drawImage(RettangoloLente(tipo, t, contesto.TotaleFrame, lente.size(), w, h), lente);
        contesto.GraficaFrame.restore();
    }
}

void MotoriEffetti::DisegnaNeve(ContestoEffetti& contesto) {
    if (!contesto.Impostazioni.EffettiNeveCheck) return;
    AggiornaNeve(neve_);
    const float t = Tempo(contesto);
    std::array<QImage, 4> immagini;
    for (int k = 1; k <= 4; ++k)
        immagini[static_cast<std::size_t>(k - 1)] = sprite_.Ruotata(Slot(contesto, kSlotFiocchi + k), AngoloFiocco(k, t));
    DipingiNeve(contesto.GraficaFrame, immagini, ComandiNeve(neve_));
}

void MotoriEffetti::AzzeraParticelle() {
    fuoco_.Azzera();
    rimbalzo_.Azzera();
    fumo_.Azzera();
    scintille_.Azzera();
    cerchio_.Azzera();
}

void MotoriEffetti::PreparaAvvioAnimazione() {
    fumo_.Spegni();
    cerchio_.Azzera();
}

void MotoriEffetti::SeminaNeve() { ::SeminaNeve(neve_); }

void MotoriEffetti::CambiaRotazioneCerchio(bool rotazione, bool dimensioniMini) {
    cerchio_.ImpostaModo(rotazione ? 1 : 2);
    cerchio_.InizializzaCerchio();
    if (!rotazione)
        for (int i = 0; i < 240; ++i) cerchio_.Aggiorna(!dimensioniMini);
}
