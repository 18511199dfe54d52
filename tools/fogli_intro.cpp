// Renders every intro with its template look and the shipped logo as the animation loop
// draws it, frame after frame, and writes one contact sheet per intro: the preview and the
// frames 0, N/4, N/2, 3N/4 and N-1, each also at full size.
// fogli_intro [folder] [N] [intro ...]   (default: build/fogli_intro, 200 frames, all ten)
// A frame list after "-f" (for instance -f 50,100,150) replaces the five sampled frames;
// "-p K" lays particle kind K (1 fire .. 6 bouncing balls) over every intro.
// fogli_intro [folder] sprite   writes the fire and smoke sprites at 1:1, drawn the way the
// particle layers and intro 6 draw them, over the default gradient, black and white.
// fogli_intro [folder] particelle [K]   writes one sheet per sprite kind, fire and smoke (or
// kind K alone): intro 1 with the kind at its default count and life, over the default
// background, black and white, at frames 25, 100 and 175.
#include "AiutoStrumenti.h"
#include "platform/CartelleUtente.h"
#include "platform/Grafica.h"
#include "project/ImpostazioniGlobali.h"
#include "project/ImpostazioniProgetto.h"
#include "project/PresetIntro.h"
#include "project/TabellaImmagini.h"
#include "render/Casuale.h"
#include "render/ContestoRendering.h"
#include "render/HostSenzaFinestra.h"
#include "render/LivelliParticelle.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>
#include <random>
#include <set>
#include <vector>

namespace {

// The particle kind laid over every intro (0: as the template has it).
int Particelle = 0;

struct Scatto {
    QString Etichetta;
    QImage Frame;
};

ImpostazioniProgetto ProgettoIntro(int intro) {
    ImpostazioniProgetto imp;
    for (int s = 0; s < NumeroSlotPredefiniti; ++s)
        imp.TabellaImmagini[static_cast<size_t>(s)] = PercorsoPredefinitoImmagine(s, CartellaProgramma);
    const QString logo = imp.TabellaImmagini[4];
    imp.Intro2LogoDaUtilizzare = imp.Intro3LogoDaUtilizzare = logo;
    imp.Intro4LogoDaUtilizzare = imp.Intro5LogoDaUtilizzare = logo;
    imp.Logo = logo;
    imp.IntroLista = intro;
    ImpostaPredefinitiIntro(imp);
    if (Particelle > 0) {
        imp.EffettiParticelleCheck = true;
        imp.EffettiParticelleLista = Particelle;
    }
    return imp;
}

QImage Foglio(const QString& titolo, const std::vector<Scatto>& scatti) {
    constexpr int L = 480, A = 270, Margine = 12, Titolo = 28, Didascalia = 20;
    const int colonne = 3;
    const int righe = (static_cast<int>(scatti.size()) + colonne - 1) / colonne;
    QImage foglio(Margine + colonne * (L + Margine), Titolo + righe * (A + Didascalia + Margine),
                  QImage::Format_RGB32);
    foglio.fill(QColor(0x2D, 0x2D, 0x2D));
    QPainter p(&foglio);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    p.setFont(font);
    p.setPen(QColor(0xFD, 0xBF, 0x07));
    p.drawText(Margine, 20, titolo);
    for (size_t i = 0; i < scatti.size(); ++i) {
        const int x = Margine + static_cast<int>(i % colonne) * (L + Margine);
        const int y = Titolo + static_cast<int>(i / colonne) * (A + Didascalia + Margine);
        p.drawImage(QRect(x, y, L, A), scatti[i].Frame);
        p.setPen(QColor(0x40, 0x40, 0x40));
        p.drawRect(QRect(x - 1, y - 1, L + 1, A + 1));
        p.setPen(QColor(0xC0, 0xC0, 0xC0));
        p.drawText(x, y + A + 15, scatti[i].Etichetta);
    }
    return foglio;
}

std::vector<Scatto> RenderIntro(ImpostazioniProgetto imp, int N, const std::set<int>& frame,
                                const QString& prefisso = {}) {
    std::vector<Scatto> scatti;
    ImpostazioniGlobali.TotaleFrame = static_cast<float>(N);
    FissaSemeCasuale(7);
    HostSenzaFinestra host;
    host.Errore = [](const QString& m) { std::fprintf(stderr, "%s\n", qPrintable(m)); };
    ContestoRendering contesto(host);
    contesto.Impostazioni = &imp;
    contesto.Effetti.SeminaNeve();
    EseguiRendering(contesto, imp);
    scatti.push_back({QStringLiteral("anteprima"), contesto.CanvasFrame.copy()});
    host.Anima = true;
    contesto.Effetti.PreparaAvvioAnimazione();
    AvviaAnimazione(contesto);
    const int ultimo = frame.empty() ? -1 : *frame.rbegin();
    for (int t = 0; t < N && t <= ultimo; ++t) {
        contesto.FrameCorrente = static_cast<float>(t);
        DisegnaFrame(contesto);
        if (frame.count(t))
            scatti.push_back({prefisso + QStringLiteral("frame %1").arg(t), contesto.CanvasFrame.copy()});
    }
    return scatti;
}

// The fire and smoke sprites at 1:1 as the particle layer draws them: the five flames (no
// blue) at their start opacity and at two stages of their fade, the three smokes at their
// start and half-way; each over the default gradient, black and white. Then a pile of smoke
// puffs as intro 6 lays them, over the gradient and over dark.
QImage FoglioSprite() {
    constexpr int L = 256, Margine = 16, Pennacchio = 520;
    struct Riga {
        int primo, quanti;
        float alfa;
        bool senzaBlu;
    };
    const Riga righe[] = {{15, 5, 0.5f, true}, {15, 5, 0.25f, true}, {15, 5, 0.1f, true},
                          {25, 3, 92 / 255.0f, false}, {25, 3, 46 / 255.0f, false}};
    const ImpostazioniProgetto predefinite;
    const QColor alto = ColoreDa(predefinite.SfondoColori.Colore1), basso = ColoreDa(predefinite.SfondoColori.Colore2);
    const int larghezza = Margine + 15 * (L + Margine);
    const int nRighe = static_cast<int>(std::size(righe));
    QImage foglio(larghezza, Margine + nRighe * (L + Margine) + 2 * (Pennacchio + Margine), QImage::Format_RGB32);
    foglio.fill(QColor(0x2D, 0x2D, 0x2D));
    QPainter p(&foglio);
    const auto fondo = [&](const QRect& r, int quale) {
        if (quale == 0) {
            QLinearGradient sfumatura(0, r.top(), 0, r.bottom());
            sfumatura.setColorAt(0, alto);
            sfumatura.setColorAt(1, basso);
            p.fillRect(r, sfumatura);
        } else {
            p.fillRect(r, quale == 1 ? Qt::black : Qt::white);
        }
    };
    const auto slot = [](int n) { return QImage(PercorsoPredefinitoImmagine(n, CartellaProgramma)); };
    int y = Margine;
    for (const Riga& riga : righe) {
        for (int quale = 0; quale < 3; ++quale)
            for (int i = 0; i < riga.quanti; ++i) {
                const QRect r(Margine + (quale * 5 + i) * (L + Margine), y, L, L);
                fondo(r, quale);
                MatriceColore m = MatriceColore::Alfa(riga.alfa);
                if (riga.senzaBlu) m.m[2][2] = 0.0f;
                const QImage f = slot(riga.primo + i);
                DisegnaConMatrice(p, r, f, f.rect(), m);
            }
        y += L + Margine;
    }
    // Intro 6's plume: 20 puffs a frame for 30 frames, each rising and drifting left as it ages.
    for (int quale : {0, 1}) {
        const QRect r(Margine, y, larghezza - 2 * Margine, Pennacchio);
        fondo(r, quale);
        std::mt19937 caso(3);
        std::uniform_real_distribution<double> u(0, 1);
        const QPointF sorgente(r.center().x(), r.bottom() - 140);
        p.save();
        p.setClipRect(r);
        for (int eta = 29; eta >= 0; --eta)
            for (int k = 0; k < 20; ++k) {
                const QImage f = slot(25 + k % 3);
                const QPointF c = sorgente + QPointF(-eta * eta * 0.4 + (u(caso) - 0.5) * 20, -eta * 9.0 + (u(caso) - 0.5) * 40);
                DisegnaConMatrice(p, QRectF(c - QPointF(f.width() / 2.0, f.height() / 2.0), QSizeF(f.size())), f,
                                  f.rect(), MatriceColore::Alfa((1.0f - eta / 30.0f) / 15.0f));
            }
        p.restore();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 140, 40));
        p.drawEllipse(sorgente, 4, 4);  // the engraving point must stay visible
        y += Pennacchio + Margine;
    }
    p.end();
    return foglio;
}

// Intro 1 with one sprite kind at its default count and life, over the default background,
// black and white: each at frames 25, 100 and 175, also written at full size after radice.
QImage FoglioParticelle(int tipo, const QString& titolo, const QString& radice) {
    struct Fondo {
        const char* nome;
        Colore alto, basso;
    };
    const ImpostazioniProgetto predefinite;
    const Fondo fondi[] = {{"predefinito", predefinite.SfondoColori.Colore1, predefinite.SfondoColori.Colore2},
                           {"nero", 0x000000, 0x000000},
                           {"bianco", 0xFFFFFF, 0xFFFFFF}};
    std::vector<Scatto> scatti;
    for (const Fondo& f : fondi) {
        Particelle = tipo;
        ImpostazioniProgetto imp = ProgettoIntro(1);
        imp.SfondoColori = {f.alto, f.basso};
        const std::set<int> frame = {25, 100, 175};
        const auto riga = RenderIntro(imp, 200, frame, QString::fromLatin1(f.nome) + QStringLiteral(", "));
        auto t = frame.begin();
        for (auto s = riga.begin() + 1; s != riga.end(); ++s, ++t)
            s->Frame.save(QStringLiteral("%1_%2_%3.png").arg(radice, QLatin1String(f.nome)).arg(*t, 3, 10, QLatin1Char('0')));
        scatti.insert(scatti.end(), riga.begin() + 1, riga.end());
    }
    return Foglio(titolo, scatti);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList argomenti = app.arguments().mid(1);
    QString frameScelti;
    if (const qsizetype f = argomenti.indexOf(QStringLiteral("-f")); f >= 0 && f + 1 < argomenti.size()) {
        frameScelti = argomenti[f + 1];
        argomenti.remove(f, 2);
    }
    if (const qsizetype f = argomenti.indexOf(QStringLiteral("-p")); f >= 0 && f + 1 < argomenti.size()) {
        Particelle = argomenti[f + 1].toInt();
        argomenti.remove(f, 2);
    }
    const QString cartella = argomenti.value(0, QStringLiteral("build/fogli_intro"));
    const int N = std::max(1, argomenti.value(1, QStringLiteral("200")).toInt());
    std::vector<int> intro;
    for (qsizetype i = 2; i < argomenti.size(); ++i) intro.push_back(argomenti[i].toInt());
    if (intro.empty())
        for (int i = 1; i <= 10; ++i) intro.push_back(i);

    std::set<int> frame = {0, N / 4, N / 2, 3 * N / 4, N - 1};
    if (!frameScelti.isEmpty()) {
        frame.clear();
        for (const QString& f : frameScelti.split(QLatin1Char(','))) frame.insert(f.toInt());
    }

    QTemporaryDir casa;
    if (!CasaTemporanea(casa)) {
        std::fprintf(stderr, "cannot make the work folders\n");
        return 1;
    }
    QDir().mkpath(PercorsoOutput + QStringLiteral("/Video/Frames"));
    QDir().mkpath(cartella);
    if (argomenti.value(1) == QStringLiteral("particelle")) {
        const std::pair<int, const char*> tipi[] = {{1, "fuoco"}, {4, "fumo"}};
        const int solo = argomenti.value(2).toInt();
        for (const auto& [tipo, nome] : tipi) {
            if (solo > 0 && tipo != solo) continue;
            const QString radice = cartella + QLatin1Char('/') + QLatin1String(nome);
            const QString file = cartella + QStringLiteral("/foglio_%1.png").arg(QLatin1String(nome));
            const QString titolo = QStringLiteral("Particelle: %1 (%2, vita %3)")
                                       .arg(QLatin1String(nome))
                                       .arg(ImpostazioniProgetto().EffettiParticelleQuantita)
                                       .arg(ImpostazioniProgetto().EffettiParticelleVita);
            if (!SalvaFoto(FoglioParticelle(tipo, titolo, radice), file)) return 1;
        }
        return 0;
    }
    if (argomenti.value(1) == QStringLiteral("sprite")) {
        const QString nome = cartella + QStringLiteral("/sprite_fuoco_fumo.png");
        if (!FoglioSprite().save(nome)) return 1;
        std::printf("%s\n", qPrintable(nome));
        return 0;
    }
    for (int i : intro) {
        const std::vector<Scatto> scatti = RenderIntro(ProgettoIntro(i), N, frame);
        for (const Scatto& s : scatti) {
            const QString nome = QStringLiteral("%1/intro%2_%3.png").arg(cartella).arg(i, 2, 10, QLatin1Char('0')).arg(
                s.Etichetta == QStringLiteral("anteprima") ? s.Etichetta : s.Etichetta.mid(6).rightJustified(4, QLatin1Char('0')));
            s.Frame.save(nome);
        }
        const QString nome = QStringLiteral("%1/foglio_intro%2.png").arg(cartella).arg(i, 2, 10, QLatin1Char('0'));
        if (!Foglio(QStringLiteral("Intro %1").arg(i), scatti).save(nome)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(nome));
            return 1;
        }
        std::printf("%s\n", qPrintable(nome));
    }
    return 0;
}
