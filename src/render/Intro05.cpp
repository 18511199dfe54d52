#include "project/ImpostazioniGlobali.h"
#include "project/ImpostazioniProgetto.h"
#include "render/ContestoRendering.h"
#include "render/DisegnoIntro.h"
#include "render/Intro.h"

namespace {

// The reflection of the logo at one size, made again only when the logo or its size change:
// the same picture every frame of a run.
struct RiflessoLogo {
    qint64 Logo = 0;
    int Larghezza = 0, Altezza = 0;
    Riflesso Immagine;
    QImage Capovolta;
};

const RiflessoLogo& RiflessoDi(const QImage& logo, int lw, int rh) {
    // Only the loop's thread draws the intros.
    static RiflessoLogo ultimo;
    if (ultimo.Logo != logo.cacheKey() || ultimo.Larghezza != lw || ultimo.Altezza != rh || ultimo.Immagine.Immagine.isNull()) {
        ultimo.Logo = logo.cacheKey();
        ultimo.Larghezza = lw;
        ultimo.Altezza = rh;
        ultimo.Immagine = CreaRiflesso(logo, lw, rh, ModoRiflesso::ScalaRigaIntro5);
        ultimo.Capovolta = ultimo.Immagine.Immagine.mirrored(false, true);
    }
    return ultimo;
}

}  // namespace

// The logo stands on the floor line over a mirrored copy that fades downwards.
void DisegnaIntro5(ContestoRendering& c) {
    PassiInizialiFrame(c);
    const ImpostazioniProgetto& imp = c.Imp();
    const QImage logo = CaricaImmagine(c, imp.Intro5LogoDaUtilizzare, Assenza::Segnalata);
    if (!logo.isNull()) {
        const int W = ImpostazioniGlobali.LarghezzaFrame;
        const int pavimento = ImpostazioniGlobali.LineaPavimento;
        const int lw = imp.Intro5LogoScala * DimensionePropria(logo).width() / 100;
        const int lh = DimensionePropria(logo).height() * imp.Intro5LogoScala / 100;
        if (lw > 0 && lh > 0) {
            const int x = (W - lw) / 2;
            c.GraficaFrame.drawImage(QRect(x, pavimento + 20 - lh, lw, lh), logo);
            const int rh = lh / 2;
            const RiflessoLogo& riflesso = RiflessoDi(logo, lw, rh);
            if (!riflesso.Capovolta.isNull()) {
                ScriviRiflesso(c, riflesso.Immagine.Immagine);
                DisegnaConMatrice(c.GraficaFrame, QRectF(x, pavimento + 20, lw, rh), riflesso.Capovolta,
                                  riflesso.Capovolta.rect(), c.AttributiImmagine);
            }
        }
    }
    PassiFinaliFrame(c);
}
