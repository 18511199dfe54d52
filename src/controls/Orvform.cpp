#include "controls/Orvform.h"

#include "controls/SkinFinestre.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

ORVForm::ORVForm(QWidget* owner) : QWidget(owner) {
    resize(800, 600);
    setFont(FontControllo("Calibri", 12));
    fontAlternativo = FontControllo("Calibri", 16);
    setMouseTracking(true);
    if (owner) {
        if (owner->isWindow() && !owner->isVisible()) owner->setWindowFlag(Qt::FramelessWindowHint, true);
        setGeometry(owner->rect());
        owner->installEventFilter(this);
    } else {
        setWindowFlag(Qt::FramelessWindowHint, true);
    }
    CreaBitmap();
}

void ORVForm::CreaBitmap() {
    using namespace SkinFinestre;
    for (int n = 1; n <= 9; ++n) skins[Lato1 + n - 1] = LatoForm(n);
    const PulsanteFinestra tipi[] = {PulsanteFinestra::Minimizza, PulsanteFinestra::SchermoIntero,
                                     PulsanteFinestra::Chiudi};
    for (int i = 0; i < 3; ++i) {
        skins[Btn_Min_Normale + 3 * i] = PulsanteForm(tipi[i], AspettoSkin::Normale);
        skins[Btn_Min_Sopra + 3 * i] = PulsanteForm(tipi[i], AspettoSkin::Attivo);
        skins[Btn_Min_Premuto + 3 * i] = PulsanteForm(tipi[i], AspettoSkin::Premuto);
    }
    skins[Lato1AltroAngolo] = AltroAngolo();
    skins[Lato1AltroLogo] = AltroLogo();
    update();
}

void ORVForm::SetImmagine(Skin skin, const QImage& immagine) {
    skins[skin] = immagine;
    update();
}
void ORVForm::SetCaption(const QString& testo) {
    if (CambiaValore(caption, testo)) update();
}
void ORVForm::SetColoreFont(TColor v) {
    if (CambiaValore(coloreFont, v)) update();
}
void ORVForm::SetBtnVisibleMinimize(bool v) {
    if (CambiaValore(visibileMin, v)) update();
}
void ORVForm::SetBtnVisibleMaximize(bool v) {
    if (CambiaValore(visibileMax, v)) update();
}
void ORVForm::SetBtnVisibleClose(bool v) {
    if (CambiaValore(visibileChiudi, v)) update();
}
void ORVForm::SetLato1Alternativo(bool v) {
    if (CambiaValore(alternativo, v)) update();
}
void ORVForm::SetLato1AlternativoCaption1(const QString& v) {
    if (CambiaValore(parola1, v)) update();
}
void ORVForm::SetLato1AlternativoCaption2(const QString& v) {
    if (CambiaValore(parola2, v)) update();
}
void ORVForm::SetLato1AlternativoFont(const QFont& v) {
    fontAlternativo = v;
    update();
}
void ORVForm::SetLato1AlternativoCaptionColor1(TColor v) {
    if (CambiaValore(colore1, v)) update();
}
void ORVForm::SetLato1AlternativoCaptionColor2(TColor v) {
    if (CambiaValore(colore2, v)) update();
}

PulsantiForm ORVForm::Pulsanti() const {
    auto larghezza = [&](Skin s) { return BitmapPresente(skins[s]) ? skins[s].width() : 0; };
    PulsantiForm p;
    p.visibileMin = visibileMin;
    p.visibileMax = visibileMax;
    p.visibileChiudi = visibileChiudi;
    p.larghezzaMin = larghezza(Btn_Min_Normale);
    p.larghezzaMax = larghezza(Btn_Max_Normale);
    p.larghezzaChiudi = larghezza(Btn_Chiudi_Normale);
    p.altezzaBanda = BitmapPresente(skins[Btn_Chiudi_Normale]) ? skins[Btn_Chiudi_Normale].height() : 0;
    p.top = topPulsanti;
    return p;
}

bool ORVForm::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == parentWidget() && evento->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return false;
}

void ORVForm::resizeEvent(QResizeEvent*) {
    if (size() != dimensioneRegione) RifaiRegione();
}

void ORVForm::RifaiRegione() {
    dimensioneRegione = size();
    // The outline belongs to the window; a frame inside a larger widget cuts nothing.
    QWidget* finestra = window();
    if (finestra == this || finestra->size() == size()) finestra->setMask(RegioneArrotondata(size()));
}

void ORVForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
}

void ORVForm::Disegna(QPainter& p) {
    const int W = width(), H = height();
    auto l = [&](Skin s) { return BitmapPresente(skins[s]) ? skins[s].width() : 0; };
    auto a = [&](Skin s) { return BitmapPresente(skins[s]) ? skins[s].height() : 0; };

    StiraImmagine(p, 0, 0, W, H, skins[Lato5]);
    int piastra;
    if (alternativo) {
        DisegnaImmagine(p, 0, 0, skins[Lato1AltroAngolo]);
        DisegnaImmagine(p, l(Lato1AltroAngolo), 0, skins[Lato1AltroLogo]);
        piastra = l(Lato1AltroAngolo) + l(Lato1AltroLogo);
    } else {
        DisegnaImmagine(p, 0, 0, skins[Lato1]);
        piastra = l(Lato1);
    }
    StiraImmagine(p, piastra, 0, W - l(Lato3), a(Lato2), skins[Lato2]);

    int x = l(Lato1) + 6;
    if (alternativo) {
        p.setFont(fontAlternativo);
        const QFontMetrics m(fontAlternativo);
        const int y = (a(Lato1AltroLogo) - (m.ascent() + m.descent())) / 2 + m.ascent();
        x = piastra + 4;
        p.setPen(ColoreDaTColor(colore1));
        p.drawText(x, y, parola1);
        x += m.horizontalAdvance(parola1);
        p.setPen(ColoreDaTColor(colore2));
        p.drawText(x, y, parola2);
        x += m.horizontalAdvance(parola2) + 12;
    }
    if (!caption.isEmpty()) {
        p.setFont(font());
        const QFontMetrics m(font());
        const int y = (a(Lato1) - (m.ascent() + m.descent())) / 2 + m.ascent();
        p.setPen(ColoreDaTColor(0x333333));
        p.drawText(x, y, caption);
        p.setPen(ColoreDaTColor(coloreFont));
        p.drawText(x, y + 1, caption);
    }

    DisegnaImmagine(p, W - l(Lato3), 0, skins[Lato3]);
    StiraImmagine(p, 0, a(Lato1), l(Lato4), H - a(Lato7), skins[Lato4]);
    StiraImmagine(p, W - l(Lato6), a(Lato3), W, H - a(Lato9), skins[Lato6]);
    DisegnaImmagine(p, 0, H - a(Lato7), skins[Lato7]);
    StiraImmagine(p, l(Lato7), H - a(Lato8), W - l(Lato9), H, skins[Lato8]);
    DisegnaImmagine(p, W - l(Lato9), H - a(Lato9), skins[Lato9]);

    const PulsantiForm pulsanti = Pulsanti();
    const PosizioniPulsanti pos = PosizionaPulsanti(pulsanti, W);
    auto pulsante = [&](bool visibile, int x0, int zona, Skin normale) {
        if (!visibile) return;
        Skin s = normale;
        if (zonaAttiva == zona && MouseDentro) s = Skin(normale + (TastoPremuto ? 2 : 1));
        DisegnaImmagine(p, x0, topPulsanti, skins[s]);
    };
    pulsante(visibileChiudi, pos.xChiudi, ZonaChiudi, Btn_Chiudi_Normale);
    pulsante(visibileMax, pos.xMax, ZonaSchermoIntero, Btn_Max_Normale);
    pulsante(visibileMin, pos.xMin, ZonaMinimizza, Btn_Min_Normale);
}

QRect ORVForm::Schermo() const {
    const QScreen* s = window()->screen();
    return s ? s->availableGeometry() : QRect(0, 0, 1920, 1080);
}

void ORVForm::ImpostaCursore(Qt::CursorShape forma) { CursoreApplicazione::Imposta(forma); }

void ORVForm::QualeCursore(int x, int y) {
    if (TastoPremuto) {
        if (zonaAttiva == ZonaTitolo) {
            ImpostaCursore(Qt::CrossCursor);
            cursoreImpostato = true;
        } else if (zonaAttiva < ZonaBordoSinistro || zonaAttiva > ZonaBordoBasso) {
            ImpostaCursore(Qt::ArrowCursor);
            cursoreImpostato = false;
        }
        return;
    }
    if (!dimensionabile) return;
    const int W = width(), H = height();
    Qt::CursorShape chiesto = Qt::ArrowCursor;
    bool inBanda = true;
    if (x < BordoSensibile || x > W - BordoSensibile)
        chiesto = Qt::SizeHorCursor;
    else if (0 <= y && y < BordoSensibile)
        chiesto = Qt::SizeVerCursor;
    else if (H - BordoSensibile <= y && y < H)
        chiesto = Qt::SizeVerCursor;
    else
        inBanda = false;
    if (!inBanda) {
        ImpostaCursore(Qt::ArrowCursor);
        cursoreImpostato = false;
    } else if (!cursoreImpostato) {
        ImpostaCursore(chiesto);
        cursoreImpostato = true;
    }
}

void ORVForm::AlternaSchermoIntero() {
    QWidget* finestra = window();
    if (massimizzato) {
        finestra->setGeometry(limitiSalvati);
        massimizzato = false;
    } else {
        massimizzato = true;
        limitiSalvati = finestra->geometry();
        const QScreen* s = finestra->screen();
        finestra->setGeometry(s ? s->geometry() : QRect(0, 0, 1920, 1080));
    }
    RifaiRegione();
}

void ORVForm::mousePressEvent(QMouseEvent* e) { Premi(e); }
void ORVForm::mouseDoubleClickEvent(QMouseEvent* e) { Premi(e); }

void ORVForm::Premi(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    const int X = pos.x(), Y = pos.y();
    if (e->button() != Qt::LeftButton) {
        TastoPremuto = false;
        zonaAttiva = ZonaNessuna;
    } else {
        const std::uint64_t t = e->timestamp();
        const bool doppia = DoppiaPressione(tempoUltimaPressione, t, Y);
        tempoUltimaPressione = t;
        if (doppia) AlternaSchermoIntero();
        if (!TastoPremuto) {
            ancora = pos;
            geometriaAllaPressione = window()->geometry();
            globaleAllaPressione = e->globalPosition().toPoint();
            spostamentoManuale = false;
            TastoPremuto = true;
            zonaAttiva = ZonaPressione(X, Y, width(), height());
        }
    }
    switch (PulsanteColpito(Pulsanti(), width(), X, Y)) {
    case ZonaChiudi:
        zonaAttiva = ZonaChiudi;
        update();
        break;
    case ZonaSchermoIntero:
        zonaAttiva = ZonaSchermoIntero;
        update();
        AlternaSchermoIntero();
        break;
    case ZonaMinimizza:
        zonaAttiva = ZonaMinimizza;
        update();
        window()->showMinimized();
        break;
    default:
        break;
    }
}

void ORVForm::Ridimensiona(QPoint globale) {
    // Where a window cannot place itself (Wayland) the compositor resizes it.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        QWindow* w = window()->windowHandle();
        static const Qt::Edges lati[] = {{}, Qt::LeftEdge, Qt::RightEdge, Qt::TopEdge, Qt::BottomEdge};
        window()->setMinimumSize(larghezzaMinima, altezzaMinima);
        if (w && w->startSystemResize(lati[zonaAttiva])) {
            TastoPremuto = false;
            zonaAttiva = ZonaNessuna;
            return;
        }
    }
    // Measured from the bounds at the press, so a window that lags behind the pointer
    // does not feed its lag back into the next step.
    const QPoint puntatore = globale - geometriaAllaPressione.topLeft();
    const QRect nuova = PassoRidimensiona(zonaAttiva, geometriaAllaPressione, puntatore, ancora,
                                          QSize(larghezzaMinima, altezzaMinima), Schermo());
    if (nuova != window()->geometry()) window()->setGeometry(nuova);
}

void ORVForm::SpostaATitolo(QPoint globale) {
    if (!spostamentoManuale) {
        QWindow* w = window()->windowHandle();
        if (w && w->startSystemMove()) {
            // The system's move loop swallows the release: nothing stays pressed.
            TastoPremuto = false;
            zonaAttiva = ZonaNessuna;
            ImpostaCursore(Qt::ArrowCursor);
            cursoreImpostato = false;
            return;
        }
        spostamentoManuale = true;
    }
    window()->move(geometriaAllaPressione.topLeft() + (globale - globaleAllaPressione));
}

void ORVForm::mouseMoveEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    const int X = pos.x(), Y = pos.y();
    QualeCursore(X, Y);
    if (TastoPremuto) {
        if (zonaAttiva >= ZonaBordoSinistro && zonaAttiva <= ZonaBordoBasso && dimensionabile)
            Ridimensiona(e->globalPosition().toPoint());
        else if (zonaAttiva == ZonaTitolo)
            SpostaATitolo(e->globalPosition().toPoint());
    }
    if (!(visibileMin || visibileMax || visibileChiudi)) return;
    const PulsantiForm pulsanti = Pulsanti();
    if (InBandaPulsanti(pulsanti, Y)) {
        const int colpito = PulsanteColpito(pulsanti, width(), X, Y);
        if (colpito != ZonaNessuna) {
            if (CambiaValore(zonaAttiva, colpito)) update();
        } else if (zonaAttiva != ZonaNessuna && !spostamentoManuale) {
            zonaAttiva = ZonaNessuna;
            update();
        }
    } else if (zonaAttiva >= ZonaMinimizza) {
        zonaAttiva = ZonaNessuna;
        update();
    }
}

bool ORVForm::SuPulsanteChiudi(QPoint punto) const {
    return visibileChiudi && PulsanteColpito(Pulsanti(), width(), punto.x(), punto.y()) == ZonaChiudi;
}

void ORVForm::mouseReleaseEvent(QMouseEvent* e) {
    const bool chiudi = TastoPremuto && zonaAttiva == ZonaChiudi && SuPulsanteChiudi(e->position().toPoint());
    TastoPremuto = false;
    zonaAttiva = ZonaNessuna;
    spostamentoManuale = false;
    update();
    if (chiudi) window()->close();
}

void ORVForm::enterEvent(QEnterEvent*) { MouseDentro = true; }

void ORVForm::leaveEvent(QEvent*) {
    MouseDentro = false;
    if (zonaAttiva == ZonaNessuna) {
        TastoPremuto = false;
        ImpostaCursore(Qt::ArrowCursor);
        cursoreImpostato = false;
    }
    update();
}
