#include "render/GeometriaIntro.h"

#include "platform/Grafica.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;

float Gradi(double gradi) {
    return static_cast<float>(gradi * Pi / 180.0);
}

}  // namespace

int TroncaIntero(double valore) {
    if (!std::isfinite(valore)) return 0;
    return static_cast<int>(std::clamp(valore, -1.0e9, 1.0e9));
}

float TempoCoreografia(float t, float N, bool anima) {
    if (t == 0.0f && !anima) return N - 1.0f;
    if (!(N > 0.0f)) return 0.0f;
    const float s = t * 150.0f / N;
    return std::isfinite(s) ? s : 0.0f;
}

float OscillazioneLogo(float s, int oscillazioni, int smorzamento) {
    const float k = static_cast<float>(oscillazioni);
    const float d = static_cast<float>(smorzamento) * 0.01f;
    const int gradi = TroncaIntero((s - 1.0f) * k) % 360;
    const float a = Gradi(gradi);
    float ampiezza = 126.0f - s * d;
    if (!(ampiezza > 0.0f)) ampiezza = 0.0f;
    return static_cast<float>(std::cos(a)) * ampiezza * 0.008f;
}

double CadutaLogo(double s, double c) {
    if (s <= 60.0) {
        const double lift = c - c * s * s / 3600.0;
        return lift > 0.0 ? lift : 0.0;
    }
    if (s <= 66.0) return c * std::sin(Gradi((s - 60.0) * 30.0)) / 15.0;
    if (s <= 70.0) return c * std::sin(Gradi((s - 66.0) * 45.0)) / 45.0;
    return 0.0;
}

namespace {

constexpr int AlfaInchiostro = 128;

// The source columns (or rows) under [da, a) of a side drawn at scalato pixels.
std::pair<int, int> SottoIntervallo(int da, int a, int sorgente, int scalato) {
    const long long lo = static_cast<long long>(std::max(da, 0)) * sorgente / scalato;
    const long long hi = (static_cast<long long>(std::min(a, scalato)) * sorgente + scalato - 1) / scalato;
    return {static_cast<int>(lo), static_cast<int>(std::min<long long>(hi, sorgente))};
}

QImage ConAlfa(const QImage& immagine) {
    return ConvertiFormato(immagine, QImage::Format_ARGB32);
}

}  // namespace

std::optional<int> PrimaRigaInchiostro(const QImage& immagine, QSize dimensione, int da, int a) {
    if (immagine.isNull() || dimensione.width() <= 0 || dimensione.height() <= 0 || a <= da) return std::nullopt;
    const auto [x0, x1] = SottoIntervallo(da, a, immagine.width(), dimensione.width());
    if (x1 <= x0) return std::nullopt;
    const QImage img = ConAlfa(immagine);
    for (int y = 0; y < img.height(); ++y) {
        const auto* riga = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = x0; x < x1; ++x)
            if (qAlpha(riga[x]) >= AlfaInchiostro)
                return static_cast<int>(static_cast<long long>(y) * dimensione.height() / img.height());
    }
    return std::nullopt;
}

std::optional<int> FineInchiostro(const QImage& immagine, QSize dimensione) {
    if (immagine.isNull() || dimensione.width() <= 0 || dimensione.height() <= 0) return std::nullopt;
    const QImage img = ConAlfa(immagine);
    for (int y = img.height() - 1; y >= 0; --y) {
        const auto* riga = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(riga[x]) >= AlfaInchiostro)
                return static_cast<int>((static_cast<long long>(y + 1) * dimensione.height() + img.height() - 1) /
                                        img.height());
    }
    return std::nullopt;
}

InchiostroLogo MisuraInchiostro(const QImage& immagine, int scala, QSize catena) {
    InchiostroLogo i;
    if (immagine.isNull()) return i;
    const QImage logo = ConAlfa(immagine);  // once, for the three scans below
    const QSize propria = DimensionePropria(immagine);
    const QSize d(propria.width() * scala / 100, propria.height() * scala / 100);
    i.Fondo = FineInchiostro(logo, d);
    if (catena.width() > 0) {
        // The chains' columns in the logo, as the layout puts them.
        i.SottoCatenaSinistra = PrimaRigaInchiostro(logo, d, 100, 100 + catena.width());
        i.SottoCatenaDestra = PrimaRigaInchiostro(logo, d, d.width() - 100 - catena.width(), d.width() - 100);
    }
    return i;
}

LayoutIntro2 CalcolaLayoutIntro2(float s, int oscillazioni, int smorzamento, QSize logo, int scala,
                                 QSize catena, int W, int H, const InchiostroLogo& inchiostro) {
    LayoutIntro2 l;
    const int lw = logo.width() * scala / 100, lh = logo.height() * scala / 100;
    const int x0 = (W - lw) / 2, y0 = (H - lh) / 2;
    const float v = OscillazioneLogo(s, oscillazioni, smorzamento);
    // The top edge stays; the height shrinks (and may cross zero) as the logo swings away.
    l.Logo.Rettangolo = QRect(x0, y0, lw, TroncaIntero((1.0f - std::fabs(v)) * lh));
    l.Logo.Traslazione = -v;
    int hs = TroncaIntero(-200.0f * v);
    int rialzo = 0;
    if (hs > -5 && hs < 5) {
        hs = 6;
        rialzo = -3;
    }
    // The shadow lies under the logo's ink at rest, the chains hang from the ink of the logo
    // as drawn; with no ink they keep the picture's edges.
    const int fondo = inchiostro.Fondo.value_or(lh);
    l.Ombra.Rettangolo = QRect(x0, y0 + fondo + 10 + rialzo, lw, hs);
    l.Ombra.Traslazione = -1.0f;
    const int altezzaDisegnata = std::max(0, l.Logo.Rettangolo.height());
    const auto aggancio = [&](const std::optional<int>& riga) {
        if (!riga || lh <= 0) return y0;
        return y0 + static_cast<int>(static_cast<long long>(*riga) * altezzaDisegnata / lh);
    };
    l.CatenaSinistra = QPoint(x0 + 100, aggancio(inchiostro.SottoCatenaSinistra) - catena.height() + 55);
    l.CatenaDestra = QPoint(x0 + lw - 100 - catena.width(), aggancio(inchiostro.SottoCatenaDestra) - catena.height() + 55);
    return l;
}

float TempoIntro3(float t, float N, bool anima) {
    if (t == 0.0f && !anima) return 70.0f;
    return TempoCoreografia(t, N, anima);
}

LayoutIntro3 CalcolaLayoutIntro3(float s, QSize logo, int scala, int altezzaOmbra, int W, int H,
                                 const InchiostroLogo& inchiostro) {
    LayoutIntro3 l;
    const int lw = logo.width() * scala / 100, lh = logo.height() * scala / 100;
    const int x0 = (W - lw) / 2, y0 = (H - lh) / 2;
    const int fondo = inchiostro.Fondo.value_or(lh);
    // The shadow lies under the bottom of the logo's ink; a logo flattened to d rows on its
    // bottom edge keeps that share of its transparent bottom margin.
    const auto lineaOmbra = [&](float d) {
        if (lh <= 0) return y0 + lh - 8;
        return TroncaIntero(y0 + lh - static_cast<double>(lh - fondo) * d / lh) - 8;
    };
    if (s < 70.0f) {
        const int xs = s < 61.0f ? TroncaIntero(x0 - (180.0f - 3.0f * s)) : x0;
        l.Ombra.Rettangolo = QRect(xs, y0 + fondo - 8, lw, 16);
        l.Logo.Rettangolo = QRect(x0, TroncaIntero(y0 - CadutaLogo(s, lh + y0)), lw, lh);
        return l;
    }
    if (s <= 114.0f) {
        float a = std::max(90.0f - (s - 70.0f) * 2.0f, 5.0f);
        float d = std::max(lh * static_cast<float>(std::sin(Gradi(a))), 4.0f);
        if (d == 4.0f) {
            a = 5.0f;
            d = altezzaOmbra * static_cast<float>(std::sin(Gradi(5.0)));
        }
        l.Logo.Rettangolo = QRect(x0, TroncaIntero(y0 + lh - d), lw, TroncaIntero(d));
        l.Ombra.Rettangolo = QRect(x0, lineaOmbra(d), lw, 16);
        l.Logo.Traslazione = 1.0f - static_cast<float>(std::sin(Gradi(a)));
        return l;
    }
    const float d = std::max(lh * static_cast<float>(std::sin(Gradi(5.0))), 4.0f);
    const int x = TroncaIntero((s - 115.0f) * (s - 115.0f) * 1.5f + x0);
    l.Logo.Rettangolo = QRect(x, TroncaIntero(y0 + lh - d), lw, TroncaIntero(d));
    l.Ombra.Rettangolo = QRect(x, lineaOmbra(d), lw, 16);
    l.Logo.Traslazione = 1.0f;
    return l;
}

bool ProiettaPunto(const Punto3& p, const Punto3& camera, double focale, QPointF& out) {
    const double d = camera.z + p.z + focale;
    if (!(d > 0.0)) return false;
    out = QPointF(p.x / d * focale + camera.x, p.y / d * focale + camera.y);
    return std::isfinite(out.x()) && std::isfinite(out.y());
}

float FaseOnde(int onde, float t, float N) {
    if (!(N > 0.0f)) return 0.0f;
    const float fase = static_cast<float>(onde) * 2.0f * static_cast<float>(Pi) * t / N;
    return std::isfinite(fase) ? fase : 0.0f;
}

float AltezzaOnda(int x, int z, float fase) {
    constexpr float divisoreX = static_cast<float>(5000.0 / Pi);
    constexpr float divisoreZ = static_cast<float>(3000.0 / Pi);
    return static_cast<float>(std::sin(x / divisoreX + z / divisoreZ + fase) * 200.0);
}

std::array<Punto3, 8> AngoliCella(int x, int z, float altezza, int posizione, int dimensione, int area) {
    const double alto = posizione - altezza, basso = posizione + dimensione - altezza;
    const double x1 = x + area, z1 = z + area;
    return {{{double(x), alto, double(z)},
             {x1, alto, double(z)},
             {x1, alto, z1},
             {double(x), alto, z1},
             {double(x), basso, double(z)},
             {x1, basso, double(z)},
             {double(x), basso, z1},
             {x1, basso, z1}}};
}

int XAngoliCella(int x, int area) {
    return x < 0 ? x + 100 - area : x;
}

std::optional<std::pair<int, int>> TesseraCella(int x, int z) {
    if (z < 300 || z > 1200 || x < -900 || x > 1000) return std::nullopt;
    return std::make_pair(9 - (z - 300) / 100, x / 100 + 9);
}

QRect RettangoloTessera(QSize immagine, int colonne, int righe, int riga, int colonna) {
    if (colonne <= 0 || righe <= 0) return {};
    const int tw = immagine.width() / colonne, th = immagine.height() / righe;
    return QRect(colonna * tw, riga * th, tw, th);
}

std::vector<QImage> TagliaTessere(const QImage& immagine, int colonne, int righe) {
    std::vector<QImage> tessere(static_cast<size_t>(std::max(0, colonne) * std::max(0, righe)));
    if (immagine.isNull()) return tessere;
    const QImage sorgente = ConvertiFormato(immagine, QImage::Format_ARGB32);
    for (int i = 0; i < righe; ++i)
        for (int j = 0; j < colonne; ++j) {
            const QRect r = RettangoloTessera(sorgente.size(), colonne, righe, i, j);
            if (r.isEmpty()) continue;
            tessere[static_cast<size_t>(i * colonne + j)] = sorgente.copy(r);
        }
    return tessere;
}

int AlfaRigaIntro5(int j, int rh) {
    if (rh <= 0) return 0;
    return (j * 255 / rh) / 2;
}

float FattoreRigaIntro9(int j, int rh) {
    if (rh <= 0) return 0.0f;
    return static_cast<float>((j * 255 / rh) / 2) / 255.0f;
}

Riflesso CreaRiflesso(const QImage& sorgente, int rw, int rh, ModoRiflesso modo) {
    Riflesso r;
    if (rw <= 0 || rh <= 0) return r;
    // Scaled premultiplied, then made straight (not premultiplied) exactly: the colour under a
    // replaced alpha must survive.
    QImage tela(rw, rh, QImage::Format_ARGB32_Premultiplied);
    if (tela.isNull()) return r;
    tela.fill(0);
    if (!sorgente.isNull()) {
        QPainter p(&tela);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(QRectF(0, 0, rw, rh), sorgente);
    }
    QImage img = ConvertiFormato(tela, QImage::Format_ARGB32);
    if (img.isNull()) return r;
    for (int j = 0; j < rh; ++j) {
        auto* riga = reinterpret_cast<QRgb*>(img.scanLine(j));
        bool visibile = false;
        std::array<int, 256> tabella;
        if (modo == ModoRiflesso::ScalaRigaIntro5) {
            const int alfaRiga = AlfaRigaIntro5(j, rh);
            for (int a = 0; a < 256; ++a) tabella[static_cast<size_t>(a)] = a * alfaRiga / 255;
        } else {
            const float f = FattoreRigaIntro9(j, rh);
            for (int a = 0; a < 256; ++a) tabella[static_cast<size_t>(a)] = static_cast<int>(a * f);
        }
        for (int x = 0; x < rw; ++x) {
            const int alfa = tabella[static_cast<size_t>(qAlpha(riga[x]))];
            riga[x] = qRgba(qRed(riga[x]), qGreen(riga[x]), qBlue(riga[x]), alfa);
            visibile = visibile || alfa != 0;
        }
        if (visibile && r.PrimaRigaVisibile == 99999) r.PrimaRigaVisibile = j;
    }
    r.Immagine = img;
    return r;
}

StatoIntro9 CalcolaStatoIntro9(float t) {
    if (t < 10.0f) return {0, 0.0f};
    if (t < 17.0f) return {1, (t - 10.0f) / 7.0f};
    if (t < 101.0f) return {1, 1.0f};
    if (t < 108.0f) return {2, (t - 101.0f) / 7.0f};
    if (t < 181.0f) return {2, 1.0f};
    if (t < 188.0f) return {2, 1.0f - (t - 181.0f) / 7.0f};
    return {0, 0.0f};
}

float ProgressoLaser(float t, float N, bool anima) {
    if (!anima) return 1.0f;
    float r;
    const float divisore = N - 30.0f;
    if (divisore > 0.0f) {
        r = (t - 10.0f) / divisore;
    } else if (N > 1.0f) {
        // Too short for the lead-in and the tail: the engraving spans the whole intro.
        r = t / (N - 1.0f);
    } else {
        r = 1.0f;
    }
    if (!std::isfinite(r)) r = 1.0f;
    return std::clamp(r, 0.0f, 1.0f);
}

namespace {

// From p toward c: the major axis moves 1 pixel a step, the minor one follows the line, so a
// diagonal stroke gets points on itself rather than an L beside it.
void PassiSegmento(std::vector<QPointF>& punti, QPointF p, QPointF c) {
    const QPointF d = c - p;
    const int nx = std::abs(static_cast<int>(d.x())), ny = std::abs(static_cast<int>(d.y()));
    const int passi = std::max(nx, ny);
    if (passi == 0) return;
    const QPointF passo = d / (nx >= ny ? std::fabs(d.x()) : std::fabs(d.y()));
    for (int j = 0; j < passi; ++j) punti.push_back(p + passo * j);
}

}  // namespace

std::vector<QPointF> ContornoDenso(const QPainterPath& percorso) {
    std::vector<QPointF> punti;
    for (const QPolygonF& figura : percorso.toSubpathPolygons()) {
        if (figura.isEmpty()) continue;
        QPointF corrente = figura.front();
        for (int i = 1; i < figura.size(); ++i) {
            PassiSegmento(punti, figura[i], corrente);
            corrente = figura[i];
        }
        PassiSegmento(punti, figura.front(), corrente);
    }
    return punti;
}

int StatoIntro7(float t, float N, bool anima) {
    if (!anima) return 3;
    int stato = 1;
    if (t <= 5.0f) stato = 1;
    if (t > 5.0f && t < 26.0f) stato = 2;
    if (t >= 26.0f && t < 45.0f) stato = 3;
    if (t >= 45.0f && t < 65.0f) stato = 4;
    if (t >= 65.0f && t < 75.0f) stato = 5;
    if (t >= 75.0f && t < N - 25.0f) stato = 6;
    if (t >= N - 25.0f && t < N - 5.0f) stato = 7;
    if (t >= N - 5.0f) stato = 1;
    return stato;
}

DisegnoIntro7 CalcolaDisegnoIntro7(int stato, float t) {
    DisegnoIntro7 d;
    switch (stato) {
    case 2:
        d.Testo = true;
        d.ColoreTesto = true;
        d.AlfaTesto = (t - 5.0f) * 0.05f;
        break;
    case 3:
        d.Testo = true;
        break;
    case 4:
        d.Testo = true;
        d.Scintille = true;
        d.AlfaScintille = (t - 45.0f) * 0.05f;
        break;
    case 5:
        d.Testo = true;
        d.ColoreTesto = true;
        d.AlfaTesto = 1.0f - (t - 65.0f) * 0.1f;
        d.Scintille = true;
        d.Passo = true;
        break;
    case 6:
        d.Scintille = true;
        d.AlfaPerScintilla = true;
        d.Passo = true;
        break;
    default:
        break;
    }
    return d;
}

LayoutIntro8 CalcolaLayoutIntro8(const std::array<int, 4>& larghezze, const std::array<int, 4>& altezze,
                                 int interlinea, int W, int H) {
    LayoutIntro8 l;
    int totale = 0;
    for (int k = 0; k < 4; ++k) {
        totale += altezze[static_cast<size_t>(k)];
        if (k < 3 && altezze[static_cast<size_t>(k + 1)] != 0) totale += interlinea;
    }
    l.y[0] = (H - totale - 100) / 2;
    for (int k = 0; k < 3; ++k)
        l.y[static_cast<size_t>(k + 1)] = l.y[static_cast<size_t>(k)] + altezze[static_cast<size_t>(k)] + interlinea;
    for (int k = 0; k < 4; ++k) l.x[static_cast<size_t>(k)] = (W - larghezze[static_cast<size_t>(k)]) / 2;
    l.Barra = l.y[2] - interlinea / 2;
    return l;
}

StatoIntro8 CalcolaStatoIntro8(float t, float N, bool anima) {
    StatoIntro8 s;
    if (t < 20.0f) s.Stato = 1;
    if (t >= 20.0f && t < 100.0f) s.Stato = 3;
    if (t > N - 20.0f) s.Stato = 4;
    switch (s.Stato) {
    case 1: s.Opacita = t * 0.05f; break;
    case 4: s.Opacita = 1.0f - (t - (N - 20.0f)) * 0.05f; break;
    default: s.Opacita = 1.0f; break;
    }
    if (t == N - 1.0f) s.Opacita = 0.0f;
    if (!anima) s.Opacita = 1.0f;
    if (!std::isfinite(s.Opacita)) s.Opacita = 0.0f;
    s.Opacita = std::clamp(s.Opacita, 0.0f, 1.0f);
    return s;
}

PartiOggetto8 CalcolaOggettoIntro8(int oggetto, int stato, bool anteprima, float t, const LayoutIntro8& l,
                                   int larghezza, int altezza) {
    PartiOggetto8 o;
    const size_t k = static_cast<size_t>(oggetto - 1);
    const int c = l.Barra;
    o.Sorgente = QRect(0, 0, larghezza, altezza);
    if (anteprima) {
        o.Visibile = true;
        o.Destinazione = QRect(l.x[k], l.y[k], larghezza, altezza);
        return o;
    }
    if (stato == 2 || stato == 4) {
        o.Visibile = true;
        o.Destinazione = oggetto == 2 ? QRect(l.x[k], c - altezza, larghezza, altezza)
                                      : QRect(l.x[k], c, larghezza, altezza);
        return o;
    }
    if (stato == 3) {
        const float g = (t - 20.0f) * 0.0125f;
        const float eh = altezza * g;
        const int h = TroncaIntero(eh);
        o.Visibile = h > 0;
        if (oggetto == 2) {
            o.Destinazione = QRect(l.x[k], TroncaIntero(c - eh), larghezza, h);
            o.Sorgente = QRect(0, 0, larghezza, h);
        } else {
            o.Destinazione = QRect(l.x[k], c, larghezza, h);
            o.Sorgente = QRect(0, TroncaIntero(altezza - eh), larghezza, h);
        }
    }
    return o;
}
