#include "project/ImpostazioniGlobali.h"
#include "project/ImpostazioniProgetto.h"
#include "render/ContestoRendering.h"
#include "render/DisegnoIntro.h"
#include "render/Intro.h"

// The logo stands on the floor line over a mirrored copy that fades downwards.
void DisegnaIntro5(ContestoRendering& c) {
    PassiInizialiFrame(c);
    const ImpostazioniProgetto& imp = c.Imp();
    const QImage logo = CaricaImmagine(c, imp.Intro5LogoDaUtilizzare);
    if (!logo.isNull()) {
        const int W = ImpostazioniGlobali.LarghezzaFrame;
        const int pavimento = ImpostazioniGlobali.LineaPavimento;
        const int lw = imp.Intro5LogoScala * logo.width() / 100;
        const int lh = logo.height() * imp.Intro5LogoScala / 100;
        if (lw > 0 && lh > 0) {
            const int x = (W - lw) / 2;
            c.GraficaFrame.drawImage(QRect(x, pavimento + 20 - lh, lw, lh), logo);
            const int rh = lh / 2;
            const Riflesso riflesso = CreaRiflesso(logo, lw, rh, ModoRiflesso::ScalaRigaIntro5);
            DisegnaRiflesso(c, riflesso, QRectF(x, pavimento + 20, lw, rh));
        }
    }
    PassiFinaliFrame(c);
}
