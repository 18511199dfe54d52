#include "render/Intro01.h"

#include "platform/CartelleUtente.h"
#include "platform/Grafica.h"
#include "project/ImpostazioniGlobali.h"
#include "project/ImpostazioniProgetto.h"
#include "render/Bande.h"
#include "render/ContestoRendering.h"
#include "render/Intro.h"
#include "render/NomiRendering.h"
#include "render/OggettiTesto.h"

#include <QDataStream>
#include <QIODevice>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Every speed divides by a frame count that may be 0: such a quotient is 0, never inf or NaN.
double Dividi(double a, double b) {
    if (b == 0.0) return 0.0;
    const double r = a / b;
    return std::isfinite(r) ? r : 0.0;
}

int Tronca(double v) {
    if (!std::isfinite(v)) return 0;
    return static_cast<int>(std::clamp(v, -1.0e9, 1.0e9));
}

// Fade in over [a, b], hold, fade out over [c, d]; outside 0.
double Dissolvenza(double t, double a, double b, double c, double d) {
    if (t < a) return 0.0;
    if (t <= b) return Dividi(t - a, b - a);
    if (t < c) return 1.0;
    if (t <= d) return 1.0 - Dividi(t - c, d - c);
    return 0.0;
}

void DissolvenzeSeparate(const DatiIntro1& d, LayoutIntro1& l) {
    const double t = d.t, N = d.N;
    int J = 0;
    for (int w : d.Larghezza) J += w != 0;
    if (J == 1) {
        const double e = Dividi(2.0, N - 2.0);
        for (auto& r : l.Righe) r.Alfa = static_cast<float>(e * N / 2.0);
        if (t <= N / 4.0) l.Righe[0].Alfa = static_cast<float>(2.0 * e * t);
        if (t >= 3.0 * N / 4.0)
            for (auto& r : l.Righe) r.Alfa = static_cast<float>(1.0 - 2.0 * e * (t - 3.0 * N / 4.0));
    } else if (J >= 2) {
        const double s = (N - 2.0) / (J + 3);
        for (int k = 1; k <= J; ++k) {
            double a;
            const double inizio = (k - 1) * s, fine = k * s;
            if (t < inizio) a = 0.0;
            else if (t <= fine) a = Dividi(t - inizio, s);
            else a = 1.0;
            if (t >= (J + 2) * s) a = 1.0 - Dividi(t - (J + 2) * s, s);
            l.Righe[k - 1].Alfa = static_cast<float>(a);
        }
    }
}

}  // namespace

LayoutIntro1 CalcolaLayoutIntro1(const DatiIntro1& d) {
    LayoutIntro1 l;
    const int tipo = d.Tipo;
    const double t = d.t, N = d.N;
    const int W = d.W, H = d.H;
    const bool anima = d.Anima;
    const auto& larg = d.Larghezza;
    const auto& alt = d.Altezza;

    if (tipo == 3) {
        l.B = *std::max_element(alt.begin(), alt.end());
    } else {
        for (int j = 0; j < 4; ++j) {
            l.B += alt[j];
            if (j < 3 && alt[j + 1] != 0) l.B += d.Interlinea;
        }
    }
    if (tipo == 2) l.A = *std::max_element(larg.begin(), larg.end());
    if (tipo == 3 || tipo == 11)
        for (int w : larg) l.A += w;

    if (d.AlignVAlto) l.Alto = 20;
    if (d.AlignVCentro) l.Alto = (H - l.B) / 2;
    if (d.AlignVBasso) l.Alto = H - l.B - 20;

    const double vBlocco = Dividi(W + l.A, N - 2.0);
    const double uBlocco = Dividi(H + l.B, N - 2.0);
    // Kind 10 slides only with exactly three lines.
    const auto lineeVisibili = std::count_if(larg.begin(), larg.end(), [](int w) { return w != 0; });
    const bool scorrimenti = tipo == 10 && anima && lineeVisibili == 3;

    int x = 0;
    int offset = 0;
    int coda = W;  // kind 3: where the next line of the row starts
    for (int j = 0; j < 4; ++j) {
        PostoLayer& r = l.Righe[j];
        int m = 0, o = 0;
        int alto = l.Alto;
        const int a = d.Allineamento[j];
        if (tipo == 2) {
            if (a == 1) x = W;
            else if (a == 2) x = W + (l.A - larg[j]) / 2;
            else if (a == 3) x = W + l.A - larg[j] - 20;
        } else if (tipo == 3) {
            x = coda;
            coda += larg[j];
        } else {
            if (a == 1) x = 20;
            else if (a == 2) x = (W - larg[j]) / 2;
            else if (a == 3) x = W - larg[j] - 20;
        }
        switch (tipo) {
        case 2:
            if (!anima) m = Tronca(vBlocco * N / 2.0);
            else if (t <= N / 4.0) m = Tronca(2.0 * vBlocco * t);
            else if (t < 3.0 * N / 4.0) m = Tronca(vBlocco * N / 2.0);
            else m = Tronca(2.0 * vBlocco * (t - 3.0 * N / 4.0) + vBlocco * N / 2.0);
            break;
        case 3:
            m = anima ? Tronca(vBlocco * t) : Tronca(vBlocco * N / 2.0);
            break;
        case 4:
            if (anima) {
                alto = H;
                o = Tronca(uBlocco * t);
            }
            break;
        case 5:
            if (anima) {
                if (t <= N / 4.0) {
                    alto = H;
                    o = Tronca(2.0 * uBlocco * t);
                } else if (t >= 3.0 * N / 4.0) {
                    alto = H;
                    o = Tronca(2.0 * uBlocco * (t - 3.0 * N / 4.0) + uBlocco * N / 2.0);
                }
            }
            break;
        case 6:
            if (anima) {
                double alfa;
                if (t < N / 6.0) alfa = 0.0;
                else if (t <= 2.0 * N / 6.0) alfa = Dividi((t - N / 6.0) * 6.0, N);
                else if (t < 4.0 * N / 6.0) alfa = 1.0;
                else alfa = 1.0 - Dividi((t - 4.0 * N / 6.0) * 6.0, N);
                if (t > 5.0 * N / 6.0) alfa = 0.0;
                r.Alfa = static_cast<float>(alfa);
            }
            break;
        case 10:
            if (scorrimenti && j < 3) {
                x = (W - larg[j]) / 2;
                const double s = (N - 2.0) / 3.0;
                if (t <= s) {
                    const double corsa = larg[j] + x;
                    if (j == 0) m = -Tronca(Dividi(3.0 * t * corsa, N - 2.0) - corsa);
                    if (j == 2) m = Tronca(Dividi(3.0 * t * corsa, N - 2.0) - corsa);
                }
                if (t >= 2.0 * s) r.Alfa = static_cast<float>(1.0 - Dividi(t - 2.0 * s, s));
                else if (t <= s) r.Alfa = static_cast<float>(Dividi(t, s));
                else r.Alfa = 1.0f;
            }
            break;
        default:
            break;
        }
        r.x = x - m;
        r.y = alto + offset - o;
        if (tipo != 3) offset += alt[j] + d.Interlinea;
    }

    if ((tipo == 7 || tipo == 8) && anima) {
        DissolvenzeSeparate(d, l);
        l.Scala = tipo == 8 && t < 3.0 * N / 4.0;
    }
    if (tipo == 9) {
        l.AlfaComposizione = 1.0f;
        if (anima) {
            const int K = Tronca(N / 10.0);
            // Under ten frames there is no room for the fades: the text stays.
            if (K > 0) l.AlfaComposizione = static_cast<float>(Dissolvenza(t, K, 2.0 * K, 8.0 * K, 9.0 * K));
        }
        // The text shrinks (zoom in) or grows by 2 pixels a frame in width and height.
        const int passo = Tronca(t);
        const int segno = d.ZoomIn ? 1 : -1;
        l.ZoomX = l.ZoomY = segno * passo;
        l.ZoomL = W - 2 * segno * passo;
        l.ZoomA = H - 2 * segno * passo;
    }
    if (tipo == 11 && anima) {
        const double s = (N - 2.0) / 4.0;
        float alfa = 1.0f;
        if (t >= 3.0 * s) alfa = static_cast<float>(1.0 - Dividi(t - 3.0 * s, s));
        const double R = std::max(0.0, Dividi(t * l.A, (N - 2.0) / 2.0));
        double resto = R;
        for (int j = 0; j < 3; ++j) {
            PostoLayer& r = l.Righe[j];
            r.Alfa = alfa;
            r.Colonne = resto > 0.0 ? std::min(Tronca(resto), larg[j]) : 0;
            resto -= larg[j];
        }
        l.Righe[3].Visibile = false;
    }
    if ((tipo == 7 || tipo == 8 || scorrimenti || tipo == 11) && anima && t >= N - 1.0)
        for (auto& r : l.Righe) r.Alfa = 0.0f;
    for (auto& r : l.Righe)
        if (!std::isfinite(r.Alfa)) r.Alfa = 0.0f;
    return l;
}

namespace {

DatiIntro1 DatiDaContesto(const ContestoRendering& c) {
    const ImpostazioniProgetto& imp = c.Imp();
    DatiIntro1 d;
    d.Tipo = imp.Intro1Lista.Voce();
    d.t = c.FrameCorrente;
    d.N = ImpostazioniGlobali.TotaleFrame;
    d.Anima = c.Anima();
    d.Interlinea = imp.Interlinea;
    d.ZoomIn = imp.Intro1ZoomIn;
    d.AlignVAlto = imp.AlignVAlto == 1;
    d.AlignVCentro = imp.AlignVCentro == 1;
    d.AlignVBasso = imp.AlignVBasso == 1;
    const int pulsanti[4][3] = {{imp.AlignT1SX, imp.AlignT1Centro, imp.AlignT1DX},
                                {imp.AlignT2SX, imp.AlignT2Centro, imp.AlignT2DX},
                                {imp.AlignT3SX, imp.AlignT3Centro, imp.AlignT3DX},
                                {imp.AlignT4SX, imp.AlignT4Centro, imp.AlignT4DX}};
    for (int j = 0; j < 4; ++j) {
        int a = 0;
        for (int k = 0; k < 3; ++k)
            if (pulsanti[j][k] == 1) a = k + 1;
        d.Allineamento[j] = a;
        d.Larghezza[j] = c.GeometriaOggetti[j].Larghezza;
        d.Altezza[j] = c.GeometriaOggetti[j].Altezza;
    }
    d.W = ImpostazioniGlobali.LarghezzaFrame;
    d.H = ImpostazioniGlobali.AltezzaFrame;
    return d;
}

// Draws layers into the frame and, for the sharpen, the same way into the composition. The
// layers are gathered and laid at the end, in their order: each at its own size and on whole
// pixels (the usual case) they are laid band by band on every core, both canvases in one pass.
// While one fades, the sharpen's colours come from the same layers at full strength.
struct DisegnoLayer {
    struct Posa {
        const LayerTesto* layer;
        QRect destinazione, sorgente;
        float alfa;
    };

    ContestoRendering& c;
    bool enfatizza;
    QRect toccato;
    std::vector<Posa> pose;
    bool pieno = false;  // CanvasPieno holds this frame's layers at full strength

    void Disegna(const LayerTesto& layer, QRect destinazione, int colonne, float alfa) {
        if (layer.Nullo() || destinazione.isEmpty() || colonne == 0) return;
        QRect sorgente = layer.Rettangolo();
        if (colonne > 0) {
            sorgente.setWidth(std::min(colonne, layer.Larghezza()));
            destinazione = QRect(destinazione.topLeft(), sorgente.size());
        }
        pose.push_back({&layer, destinazione, sorgente, alfa});
        if (!enfatizza) return;
        toccato |= destinazione;
        // A layer at no strength is not drawn at all.
        if (alfa > 0.0f) c.DipintoComposizione += destinazione;
    }

    static void Dipingi(QPainter& g, const Posa& p, bool forte) {
        if (p.alfa <= 0.0f) return;
        DisegnaLayer(g, p.destinazione, *p.layer, p.sorgente, MatriceColore::Alfa(forte ? std::max(p.alfa, 1.0f) : p.alfa));
    }

    void Stendi() {
        // What the partial layers show of themselves is drawn first, each layer on a core of its own.
        PerOgniParte(static_cast<int>(pose.size()), [this](int i) {
            const Posa& p = pose[static_cast<size_t>(i)];
            if (p.alfa > 0.0f) PreparaLayer(c.GraficaFrame, p.destinazione, *p.layer, p.sorgente);
        });
        pieno = enfatizza && std::any_of(pose.begin(), pose.end(), [](const Posa& p) { return p.alfa > 0.0f && p.alfa < 1.0f; }) &&
                PreparaPieno(c, toccato) != nullptr;
        // Scaled, or stronger than the layer (which tints a copy of it), a layer is drawn whole.
        const bool aBande = PittoreNeutro(c.GraficaFrame) && (!enfatizza || PittoreNeutro(c.GraficaComposizione)) &&
                            std::all_of(pose.begin(), pose.end(), [](const Posa& p) {
                                return p.destinazione.size() == p.sorgente.size() && p.alfa <= 1.0f;
                            });
        if (!aBande) {
            for (const Posa& p : pose) {
                Dipingi(c.GraficaFrame, p, false);
                if (enfatizza) Dipingi(c.GraficaComposizione, p, false);
            }
            if (!pieno) return;
            // Opened as the composition's own painter is: nothing changes that one's modes.
            QPainter g(&c.CanvasPieno);
            ImpostaModiGrafica(g);
            for (const Posa& p : pose) Dipingi(g, p, true);
            return;
        }
        const auto stendi = [this](bool forte) {
            return [this, forte](QPainter& g, const QRect& righe) {
                for (const Posa& p : pose)
                    if (p.destinazione.intersects(righe)) Dipingi(g, p, forte);
            };
        };
        PerOgniParte(NumeroBande, [&](int i) {
            const QRect banda = RigheBanda(c.CanvasFrame, i);
            DisegnaRighe(c.CanvasFrame, banda.top(), banda.bottom() + 1, stendi(false));
            if (!enfatizza) return;
            const QRect composta = RigheBanda(c.CanvasComposizione, i);
            DisegnaRighe(c.CanvasComposizione, composta.top(), composta.bottom() + 1, stendi(false));
            if (pieno) DisegnaRighe(c.CanvasPieno, composta.top(), composta.bottom() + 1, stendi(true));
        });
    }
};

void Composizione(ContestoRendering& c, const LayoutIntro1& l, bool mostra, DisegnoLayer& disegno) {
    const float t = c.FrameCorrente;
    if (t == 0.0f || t == 1.0f) {
        c.ChiudiGraficaComposizione();
        c.CanvasComposizione.fill(0);
        c.SottoComposizione = qRgba(255, 192, 192, 0);
        c.DipintoComposizione = QRegion();
        c.ApriGraficaComposizione();
        if (mostra) {
            for (int j = 0; j < NumeroRigheTesto; ++j) {
                const GeometriaRiga& g = c.GeometriaOggetti[j];
                if (g.Larghezza == 0 || c.LayerOggetto[j].Nullo()) continue;
                const QRect r(l.Righe[j].x, l.Righe[j].y, g.Larghezza, g.Altezza);
                DisegnaLayer(c.GraficaComposizione, r, c.LayerOggetto[j], c.LayerOggetto[j].Rettangolo(), MatriceColore::Identita());
                disegno.toccato |= r;
                c.DipintoComposizione += r;
            }
        }
        c.ChiudiGraficaComposizione();
        // Composed again from the same layers at the same places: the picture and its file stand.
        QByteArray chiave;
        QDataStream flusso(&chiave, QIODevice::WriteOnly);
        flusso << quint64(c.CacheLayer.Generazione) << mostra << PercorsoOutput;
        for (const PostoLayer& r : l.Righe) flusso << r.x << r.y;
        if (chiave != c.CacheLayer.ChiaveComposizione || c.ComposizioneCompleta.isNull()) {
            c.ScritturaFile.Accoda(PercorsoOutput + NomiRendering::Completo, c.CanvasComposizione, 80);
            c.ComposizioneCompleta = c.CanvasComposizione.copy();
            c.CacheLayer.ChiaveComposizione = chiave;
        }
        c.ApriGraficaComposizione();
    }
    if (c.ComposizioneCompleta.isNull()) return;
    DisegnaConMatrice(c.GraficaFrame, QRect(l.ZoomX, l.ZoomY, l.ZoomL, l.ZoomA), c.ComposizioneCompleta,
                      c.ComposizioneCompleta.rect(), MatriceColore::Alfa(std::max(0.0f, l.AlfaComposizione)));
}

void DisegnaTesto(ContestoRendering& c) {
    const ImpostazioniProgetto& imp = c.Imp();
    const DatiIntro1 dati = DatiDaContesto(c);
    LayoutIntro1 l = CalcolaLayoutIntro1(dati);
    const float t = c.FrameCorrente, N = ImpostazioniGlobali.TotaleFrame;
    // In the first frame of an animation only the fixed kind shows its text.
    const bool mostra = t > 0.0f || !c.Anima() || dati.Tipo == 1;
    DisegnoLayer disegno{c, imp.Enfatizzare, {}, {}};

    if (dati.Tipo == 9) {
        Composizione(c, l, mostra, disegno);
    } else if (mostra) {
        std::array<QRect, NumeroRigheTesto> rettangoli;
        for (int j = 0; j < NumeroRigheTesto; ++j) {
            PostoLayer& r = l.Righe[j];
            r.Alfa = std::max(0.0f, r.Alfa);
            const GeometriaRiga& g = c.GeometriaOggetti[j];
            QRect rett(r.x, r.y, g.Larghezza, g.Altezza);
            if (l.Scala) {
                const int w = static_cast<int>(g.Larghezza * r.Alfa), h = static_cast<int>(g.Altezza * r.Alfa);
                rett = QRect(r.x + (g.Larghezza - w) / 2, r.y + (g.Altezza - h) / 2, w, h);
            }
            rettangoli[j] = rett;
        }
        for (int j = 0; j < NumeroRigheTesto; ++j) {
            const PostoLayer& r = l.Righe[j];
            if (!r.Visibile || c.GeometriaOggetti[j].Larghezza == 0) continue;
            QRect rett = rettangoli[j];
            // The shadows drift with the lens flare; typed parts stay.
            if (imp.EffettiLensFlareCheck && r.Colonne < 0) {
                const double x = rett.x() + (N != 0.0f ? t * 100.0 / N : 0.0) - 50.0;
                rett.moveLeft(static_cast<int>(x));
            }
            disegno.Disegna(c.LayerOmbra[j], rett, r.Colonne, r.Alfa);
        }
        for (int j = 0; j < NumeroRigheTesto; ++j) {
            const PostoLayer& r = l.Righe[j];
            if (!r.Visibile || c.GeometriaOggetti[j].Larghezza == 0) continue;
            disegno.Disegna(c.LayerOggetto[j], rettangoli[j], r.Colonne, std::min(1.0f, r.Alfa));
        }
        disegno.Stendi();
    }
    // The zoom's composition is made at full strength; its sharpened copy takes the text's
    // own alpha, or it would show the text while the text itself is still hidden.
    const float opacita = dati.Tipo == 9 ? std::clamp(l.AlfaComposizione, 0.0f, 1.0f) : 1.0f;
    if (imp.Enfatizzare) EnfatizzaComposizione(c, disegno.toccato, opacita, disegno.pieno ? &c.CanvasPieno : nullptr);
}

}  // namespace

void DisegnaIntro1(ContestoRendering& c) {
    PassiInizialiFrame(c);
    // The layers are built once per animation, at frame 0, and in every preview.
    if (c.FrameCorrente == 0.0f || !c.Anima()) CreaOggettiTesto(c);
    DisegnaTesto(c);
    PassiFinaliFrame(c);
}
