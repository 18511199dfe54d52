// Draws every skinned control in each of its states onto one sheet and writes it as PNG,
// so the look can be judged at a glance: foglio_controlli [output.png]
#include "AiutoStrumenti.h"
#include "controls/ComuneControlli.h"
#include "controls/Orv_2016_button.h"
#include "controls/Orv_2016_check.h"
#include "controls/Orv_2016_label.h"
#include "controls/Orv_2016_lista.h"
#include "controls/Orv_2016_spinnumber.h"
#include "controls/Orv_2016_stile.h"
#include "controls/Orvvideoscrollbar.h"
#include "controls/Orvvideoscrollbarnolista.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {
enum class Stato { Normale, Sopra, Premuto, Selezionato, Disabilitato, SenzaSkin };

const char* const NomiColonne[] = {"idle", "hovered", "pressed", "checked / other value", "disabled", "no skins"};
constexpr int LarghezzaColonna = 318;
constexpr int AltezzaRiga = 44;
constexpr int MargineSinistro = 190;
constexpr int MargineAlto = 40;

struct Riga {
    const char* nome;
    // Builds the control for a state; the punto is where hover and press happen.
    std::function<QWidget*(Stato, const ORV_2016_Stile*)> crea;
    std::function<QPoint(QWidget*)> punto;
};

QPoint Centro(QWidget* w) { return QPoint(w->width() / 2, w->height() / 2); }
QPoint FrecciaDestra(QWidget* w) { return QPoint(w->width() - 8, w->height() / 2); }

const ORV_2016_Stile* SkinPer(Stato s, const ORV_2016_Stile* stile) { return s == Stato::SenzaSkin ? nullptr : stile; }
}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication applicazione(argc, argv);
    const QString uscita = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("foglio_controlli.png");
    ORV_2016_Stile stile;

    std::vector<Riga> righe;
    auto check = [](bool apri, bool vettoriale, bool miniatura) {
        return [=](Stato s, const ORV_2016_Stile* st) -> QWidget* {
            auto* c = new ORV_2016_Check;
            c->SetORV_Stile(SkinPer(s, st));
            c->SetCaption(vettoriale ? "Vector check box" : (apri ? "Background picture" : "Snow"));
            c->SetORV_BottoneApertura(apri);
            c->SetORV_Disegnato(vettoriale);
            if (vettoriale) {
                c->SetORV_DisegnatoColoreSfondo(0x404040);
                c->SetORV_DisegnatoColoreDisegno(0xC0C0C0);
            }
            if (miniatura) {
                QImage esempio(48, 28, QImage::Format_RGB32);
                QPainter p(&esempio);
                QLinearGradient g(0, 0, 48, 28);
                g.setColorAt(0, QColor(30, 80, 160));
                g.setColorAt(1, QColor(240, 150, 40));
                p.fillRect(esempio.rect(), g);
                (void)esempio;
            }
            c->SetChecked(s == Stato::Selezionato);
            return c;
        };
    };
    righe.push_back({"ORV_2016_Check", check(false, false, false), Centro});
    righe.push_back({"  with open button", check(true, false, false), Centro});
    righe.push_back({"  vector look", check(false, true, false), Centro});
    auto label = [](Qt::AlignmentFlag a, const char* testo, TColor colore) {
        return [=](Stato s, const ORV_2016_Stile* st) -> QWidget* {
            auto* l = new ORV_2016_Label;
            l->SetORV_Stile(SkinPer(s, st));
            l->SetAlignment(a);
            l->SetCaption(testo);
            l->SetColoreFont(colore);
            if (s == Stato::Selezionato) l->SetCaption("00:00:06 FR:00");
            return l;
        };
    };
    righe.push_back({"ORV_2016_Label left", label(Qt::AlignLeft, "Project duration", 0xC0C0C0), Centro});
    righe.push_back({"  right", label(Qt::AlignRight, "Frame rate:", 0xC0C0C0), Centro});
    righe.push_back({"  centre, accent", label(Qt::AlignHCenter, "Text style", 0x07BFFD), Centro});
    auto bottone = [](bool bordo) {
        return [=](Stato s, const ORV_2016_Stile* st) -> QWidget* {
            auto* b = new ORV_2016_Button;
            b->SetORV_Stile(SkinPer(s, st));
            b->SetCaption(bordo ? "Interrompi" : "Cerca");
            b->SetORV_Bordo(bordo);
            b->SetORV_BordoColore(bordo ? 0x0000FF : 0x00FF00);
            b->SetORV_OmbraDistanza(1);
            return b;
        };
    };
    righe.push_back({"ORV_2016_Button", bottone(false), Centro});
    righe.push_back({"  with frame", bottone(true), Centro});
    righe.push_back({"ORV_2016_Lista",
                     [](Stato s, const ORV_2016_Stile* st) -> QWidget* {
                         auto* l = new ORV_2016_Lista;
                         l->SetORV_Stile(SkinPer(s, st));
                         l->SetORV_Elenco({"Intro 1 Semplice", "Intro 2 Logo Oscillante", "Intro 3 Logo che cade"});
                         l->SetORV_Voce(s == Stato::Selezionato ? 3 : 2);
                         l->SetORV_Voce(1);
                         if (s == Stato::Selezionato) l->SetORV_Voce(3);
                         return l;
                     },
                     FrecciaDestra});
    auto spin = [](bool video) {
        return [=](Stato s, const ORV_2016_Stile* st) -> QWidget* {
            auto* n = new ORV_2016_SpinNumber;
            n->SetORV_Stile(SkinPer(s, st));
            n->SetORV_ValoreMax(video ? 100000 : 300);
            n->SetORV_FormatoVideo(video);
            n->SetORV_PrefissoCaption(video ? "" : "Zoom:  ");
            n->SetORV_Valore(video ? (s == Stato::Selezionato ? 1000 : 150) : (s == Stato::Selezionato ? 300 : 150));
            return n;
        };
    };
    righe.push_back({"ORV_2016_SpinNumber", spin(false), FrecciaDestra});
    righe.push_back({"  time code", spin(true), FrecciaDestra});
    auto slider = [](int modo) {
        return [=](Stato s, const ORV_2016_Stile*) -> QWidget* {
            auto* v = new ORVVideoScrollBarNoLista;
            v->resize(modo == 0 ? 120 : 217, 20);
            v->SetValoreSuffisso(modo == 0 ? "%" : "px");
            v->SetValore(s == Stato::Selezionato ? 75 : 40);
            if (modo >= 1) v->SetORV_Bottoni(true);
            if (modo == 1) {
                v->SetORV_ProgressBar(true);
                v->resize(217, 32);
            }
            if (modo == 2) {
                v->SetORV_ProgressBar(true);
                v->SetORV_ProgressUsaBitmap(true);
                // Track and cursor span the same range: 2 x 12 + 133 pixels.
                v->resize(157, 30);
                v->SetORV_ProgressBitmapColor1(0x07BFFD);
                v->SetORV_ProgressBitmapColor2(0x0000C8);
            }
            if (modo == 3) {
                v->SetORV_BottoniDisegnati(true);
                v->SetORV_Decimi(true);
                v->SetValoreSuffisso("");
            }
            if (s == Stato::SenzaSkin)
                for (int i = 0; i < ORVVideoScrollBarNoLista::NumeroSkin; ++i)
                    v->SetImmagine(ORVVideoScrollBarNoLista::Skin(i), QImage());
            return v;
        };
    };
    righe.push_back({"ORVVideoScrollBarNoLista", slider(0), Centro});
    righe.push_back({"  buttons, bar", slider(1), [](QWidget* w) { return QPoint(w->width() - 6, 10); }});
    righe.push_back({"  bitmap bar", slider(2), [](QWidget* w) { return QPoint(w->width() - 6, 10); }});
    righe.push_back({"  drawn buttons, tenths", slider(3), [](QWidget*) { return QPoint(5, 10); }});
    righe.push_back({"ORVVideoScrollBar",
                     [](Stato s, const ORV_2016_Stile*) -> QWidget* {
                         auto* v = new ORVVideoScrollBar;
                         v->resize(217, 20);
                         v->SetORV_Bottoni(true);
                         v->SetColoreFont(0x07BFFD);
                         v->setFont(FontPixel("Calibri", 11));
                         for (const char* f : {"Carlito", "DejaVu Sans", "Liberation Sans"}) v->AggiungiValore(f);
                         v->SetListaPossibiliValoriVoce(s == Stato::Selezionato ? 3 : 1);
                         return v;
                     },
                     [](QWidget* w) { return QPoint(w->width() - 8, 10); }});

    const int colonne = 6;
    QImage foglio(MargineSinistro + colonne * LarghezzaColonna + 10, MargineAlto + int(righe.size()) * AltezzaRiga + 10,
                  QImage::Format_ARGB32_Premultiplied);
    foglio.fill(QColor(0x2D, 0x2D, 0x2D));
    QPainter p(&foglio);
    p.setFont(FontPixel("DejaVu Sans", 12));
    p.setPen(QColor(0x90, 0x90, 0x90));
    for (int c = 0; c < colonne; ++c)
        p.drawText(MargineSinistro + c * LarghezzaColonna, 24, QString::fromLatin1(NomiColonne[c]));
    for (size_t r = 0; r < righe.size(); ++r) {
        const int y = MargineAlto + int(r) * AltezzaRiga;
        p.setPen(QColor(0x90, 0x90, 0x90));
        p.drawText(10, y + 18, QString::fromLatin1(righe[r].nome));
        for (int c = 0; c < colonne; ++c) {
            const Stato stato = Stato(c);
            std::unique_ptr<QWidget> w(righe[r].crea(stato, &stile));
            const QPoint punto = righe[r].punto(w.get());
            if (stato == Stato::Sopra) Entra(w.get(), punto);
            if (stato == Stato::Premuto) Premi(w.get(), punto);
            if (stato == Stato::Disabilitato) w->setEnabled(false);
            // Rendered straight onto the sheet, as on a dark panel: no window background.
            w->render(&p, QPoint(MargineSinistro + c * LarghezzaColonna, y), QRegion(), QWidget::DrawChildren);
            CursoreApplicazione::Imposta(Qt::ArrowCursor);
        }
    }
    p.end();
    if (!foglio.save(uscita)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(uscita));
        return 1;
    }
    std::printf("%s\n", qPrintable(uscita));
    return 0;
}
