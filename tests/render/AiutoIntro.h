#pragma once
// A render bench for intros 2 to 9: the frame loop's fake host, a small red logo of a
// known size, plain gradient backgrounds, and frames drawn one at a time.
#include "HostFinto.h"

#include "render/Intro.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <cstdlib>

inline constexpr QRgb RossoLogo = qRgb(200, 0, 0);

struct BancoIntro : BancoRendering {
    QString logo;

    explicit BancoIntro(int intro, QSize dimensioneLogo = QSize(200, 100)) {
        logo = casa.Sotto(QStringLiteral("logo.png"));
        QImage img(dimensioneLogo, QImage::Format_ARGB32);
        img.fill(RossoLogo);
        img.save(logo);
        imp.IntroLista = intro;
        imp.Intro2LogoDaUtilizzare = imp.Intro3LogoDaUtilizzare = logo;
        imp.Intro4LogoDaUtilizzare = imp.Intro5LogoDaUtilizzare = logo;
        imp.Intro2LogoScala = imp.Intro3LogoScala = imp.Intro5LogoScala = 100;
        imp.Intro2Sfondo = imp.Intro3Sfondo = imp.Intro6Sfondo = false;
        imp.SfondoColori = {0x303030, 0x303030};
        imp.Testo1 = QStringLiteral("MMMM");
        imp.Testo2 = QStringLiteral("WWW");
        imp.Testo3 = QStringLiteral("HH");
    }

    // Frame t of an intro of N frames (anima false: the preview).
    QImage Frame(float t, bool anima, float N = 200) {
        ImpostazioniGlobali.TotaleFrame = N;
        host.Anima = anima;
        contesto.FrameCorrente = t;
        DisegnaFrame(contesto);
        return contesto.CanvasFrame.copy();
    }
};

// A logo of that size, transparent but for the red ink in inchiostro, written to file.
inline void SalvaLogoConInchiostro(const QString& file, QSize dimensione, const QRect& inchiostro) {
    QImage logo(dimensione, QImage::Format_ARGB32);
    logo.fill(Qt::transparent);
    for (int y = inchiostro.top(); y <= inchiostro.bottom(); ++y)
        for (int x = inchiostro.left(); x <= inchiostro.right(); ++x) logo.setPixel(x, y, RossoLogo);
    logo.save(file);
}

inline bool Vicino(QRgb a, QRgb b, int tolleranza = 3) {
    return std::abs(qRed(a) - qRed(b)) <= tolleranza && std::abs(qGreen(a) - qGreen(b)) <= tolleranza &&
           std::abs(qBlue(a) - qBlue(b)) <= tolleranza;
}

inline int Luminosita(QRgb p) { return qRed(p) + qGreen(p) + qBlue(p); }

// Pixels of a region that differ from another picture's.
inline int PixelDiversi(const QImage& a, const QImage& b, const QRect& zona, int tolleranza = 3) {
    int n = 0;
    for (int y = zona.top(); y <= zona.bottom(); ++y)
        for (int x = zona.left(); x <= zona.right(); ++x)
            if (!Vicino(a.pixel(x, y), b.pixel(x, y), tolleranza)) ++n;
    return n;
}
