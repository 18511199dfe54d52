#include "controls/Orvheader.h"

#include "controls/SkinFinestre.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <QStackedWidget>

ORVHeader::ORVHeader(QWidget* owner) : QWidget(owner), pagine(new QStackedWidget(this)) {
    resize(800, 600);
    setFont(FontControllo("Calibri", 10));
    new TracciaMouse(this, this);
    CreaBitmap();
}

void ORVHeader::CreaBitmap(int altezzaSchede) {
    const SkinFinestre::SkinHeader s = SkinFinestre::Header(altezzaSchede);
    for (int i = 0; i < 9; ++i) skins[ORV_Cornice1 + i] = s.cornice[i];
    skins[ORV_Sx_Sin_Off] = s.sxSinOff;
    skins[ORV_Sx_Sin_On] = s.sxSinOn;
    skins[ORV_Dx_Doppio_Off] = s.dxDoppioOff;
    skins[ORV_Dx_Doppio_On] = s.dxDoppioOn;
    skins[ORV_Sx_Doppio_On] = s.sxDoppioOn;
    skins[ORV_Dx_Sin_Off] = s.dxSinOff;
    skins[ORV_Dx_Sin_On] = s.dxSinOn;
    skins[ORV_Centro_Off] = s.centroOff;
    skins[ORV_Centro_On] = s.centroOn;
    update();
}

void ORVHeader::SetImmagine(Skin skin, const QImage& immagine) {
    skins[skin] = immagine;
    update();
}

void ORVHeader::SetORV_Pannelli(const QStringList& lista) {
    pannelli = lista;
    update();
}

void ORVHeader::SetORV_PannelloAttivo(int n) {
    if (CambiaValore(attivo, LimitaSchedaAttiva(n, int(pannelli.size())))) update();
}

void ORVHeader::SetCaption(const QString& testo) {
    if (CambiaValore(caption, testo)) update();
}
void ORVHeader::SetColoreFont(TColor v) {
    if (CambiaValore(coloreFont, v)) update();
}

void ORVHeader::SetBorderWidth(int v) {
    if (!CambiaValore(bordo, v)) return;
    resizeEvent(nullptr);
    update();
}

void ORVHeader::resizeEvent(QResizeEvent*) {
    pagine->setGeometry(rect().adjusted(bordo, bordo, -bordo, -bordo));
}

const QImage& ORVHeader::ImmaginePezzo(PezzoScheda p) const {
    static const Skin indice[] = {ORV_Sx_Sin_Off,   ORV_Sx_Sin_On,  ORV_Dx_Doppio_Off, ORV_Dx_Doppio_On,
                                  ORV_Sx_Doppio_On, ORV_Dx_Sin_Off, ORV_Dx_Sin_On};
    return skins[indice[int(p)]];
}

RigaSchede ORVHeader::Riga() const {
    LarghezzePezzi pezzi;
    for (int i = 0; i < 7; ++i) {
        const QImage& im = ImmaginePezzo(PezzoScheda(i));
        pezzi.larghezza[i] = BitmapPresente(im) ? im.width() : 0;
    }
    QVector<int> testi;
    for (const QString& c : pannelli) testi.push_back(LarghezzaTesto(font(), c));
    const RigaSchede intera = DisponiSchede(pezzi, testi, attivo);
    return DisponiSchede(pezzi, AdattaLarghezzeTesto(intera, testi, width() - InizioSchede), attivo);
}

QString ORVHeader::CaptionMostrata(int i) const {
    const RigaSchede riga = Riga();
    if (i < 0 || i >= riga.schede.size()) return {};
    const QString& intera = pannelli[i];
    if (LarghezzaTesto(font(), intera) <= riga.schede[i].larghezzaTesto) return intera;
    return QFontMetrics(font()).elidedText(intera, Qt::ElideRight, riga.schede[i].larghezzaTesto);
}

bool ORVHeader::event(QEvent* e) {
    if (e->type() != QEvent::ToolTip) return QWidget::event(e);
    const QPoint pos = static_cast<QHelpEvent*>(e)->pos();
    const int n = SchedaColpita(Riga(), pos.x(), pos.y());
    if (n > 0 && CaptionMostrata(n - 1) != pannelli[n - 1])
        QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), pannelli[n - 1], this);
    else
        QToolTip::hideText();
    return true;
}

void ORVHeader::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
}

void ORVHeader::Disegna(QPainter& p) {
    const int W = width(), H = height();
    auto l = [&](Skin s) { return BitmapPresente(skins[s]) ? skins[s].width() : 0; };
    auto a = [&](Skin s) { return BitmapPresente(skins[s]) ? skins[s].height() : 0; };
    StiraImmagine(p, 0, 0, W, H, skins[ORV_Cornice5]);
    const int T = a(ORV_Cornice1), B = H - a(ORV_Cornice7);
    StiraImmagine(p, 0, 0, l(ORV_Cornice1), T, skins[ORV_Cornice1]);
    StiraImmagine(p, l(ORV_Cornice1), 0, W - l(ORV_Cornice3), T, skins[ORV_Cornice2]);
    StiraImmagine(p, W - l(ORV_Cornice3), 0, W, T, skins[ORV_Cornice3]);
    StiraImmagine(p, 0, T, l(ORV_Cornice4), B, skins[ORV_Cornice4]);
    StiraImmagine(p, W - l(ORV_Cornice6), T, W, B, skins[ORV_Cornice6]);
    StiraImmagine(p, 0, B, l(ORV_Cornice7), H, skins[ORV_Cornice7]);
    StiraImmagine(p, l(ORV_Cornice7), B, W - l(ORV_Cornice9), H, skins[ORV_Cornice8]);
    StiraImmagine(p, W - l(ORV_Cornice9), B, W, H, skins[ORV_Cornice9]);

    const RigaSchede riga = Riga();
    if (riga.schede.isEmpty()) return;
    const QImage& primo = ImmaginePezzo(riga.schede[0].pezzo);
    const int yTesto = BitmapPresente(primo) ? YTestoSchede(primo.height()) : 16;
    p.setFont(font());
    const int ascesa = QFontMetrics(font()).ascent();
    for (int i = 0; i < riga.schede.size(); ++i) {
        const SchedaDisposta& s = riga.schede[i];
        DisegnaImmagine(p, s.xPezzo, 0, ImmaginePezzo(s.pezzo));
        const QImage& corpo = skins[s.attiva ? ORV_Centro_On : ORV_Centro_Off];
        StiraImmagine(p, s.xTesto, 0, s.xTesto + s.larghezzaTesto, corpo.height(), corpo);
        p.setPen(ColoreDaTColor(coloreFont));
        p.drawText(s.xTesto, yTesto + ascesa, CaptionMostrata(i));
    }
    DisegnaImmagine(p, riga.xFinale, 0, ImmaginePezzo(riga.pezzoFinale));
}

void ORVHeader::MouseEntra() {
    MouseDentro = true;
    update();
    if (OnMouseEnter) OnMouseEnter(this);
}

void ORVHeader::MouseEsce() {
    MouseDentro = false;
    update();
    if (OnMouseLeave) OnMouseLeave(this);
}

void ORVHeader::MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) {
    if (tasto != Qt::LeftButton) return;
    TastoPremuto = true;
    update();
}

void ORVHeader::MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int x, int y) {
    if (tasto != Qt::LeftButton) return;
    TastoPremuto = false;
    const int n = SchedaColpita(Riga(), x, y);
    if (n != 0) {
        attivo = n;
        if (OnCambioPagina) OnCambioPagina(this);
    }
    update();
}
