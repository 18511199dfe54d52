#include "dialogs/ConsegnaCodificaVideo.h"

#include "dialogs/Forvdlgcodificavideo.h"
#include "dialogs/Forvdlgsceltacodec.h"

int ConsegnaCodificaVideo(TORVDLGCodificaVideo& finestra, const DatiAvvioCodifica& dati, int lingua) {
    // A list that cannot be written stops nothing: no program of ours reads it.
    return MostraCodificaVideo(finestra, AvviaCodifica(dati), lingua);
}

int MostraCodificaVideo(TORVDLGCodificaVideo& finestra, const ConsegnaCodifica& consegna, int lingua) {
    const ParametriCodifica& p = consegna.Parametri;
    finestra.Inizializza(lingua, true, QStringLiteral("QV"), QStringLiteral("Intro"));
    finestra.ImpostaParametri(p.CartellaVideo, p.FrameAlSecondo, p.FrameInJpg, p.NumeroFrame, p.PrefissoFrame);
    return finestra.Esegui();
}

void CollegaSceltaCodec(TORVDLGCodificaVideo& codifica, TORVDLGSceltaCodec& codec) {
    // The codec window's command line then shows the frames of the last run.
    codifica.ImpostaFonteCodec([&codifica, &codec] {
        codec.ImpostaParametriFrame(codifica.Parametri());
        return codec.ApplicaImpostazioniCodec();
    });
}
