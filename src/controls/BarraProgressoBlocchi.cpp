#include "controls/BarraProgressoBlocchi.h"

#include <QPainter>

#include <algorithm>

int PercentualeProgresso(int posizione, int massimo) {
    if (massimo <= 0) return 0;
    const qint64 p = std::clamp(posizione, 0, massimo);
    return static_cast<int>(p * 100 / massimo);
}

int BlocchiPieni(int posizione, int massimo, int blocchi) {
    if (massimo <= 0 || blocchi <= 0) return 0;
    const qint64 p = std::clamp(posizione, 0, massimo);
    return static_cast<int>(p * blocchi / massimo);
}

int NumeroBlocchi(int larghezza, int larghezzaBlocco, int spazio) {
    if (larghezzaBlocco <= 0 || larghezza < larghezzaBlocco) return 0;
    return (larghezza + spazio) / (larghezzaBlocco + spazio);
}

TColor ColoreBlocco(int indice, int blocchi, TColor inizio, TColor fine) {
    if (blocchi <= 1) return inizio;
    const int i = std::clamp(indice, 0, blocchi - 1);
    TColor colore = 0;
    for (int canale = 0; canale < 3; ++canale) {
        const int a = (inizio >> (8 * canale)) & 0xFF;
        const int b = (fine >> (8 * canale)) & 0xFF;
        const int c = a + (b - a) * i / (blocchi - 1);
        colore |= static_cast<TColor>(c) << (8 * canale);
    }
    return colore;
}

BarraProgressoBlocchi::BarraProgressoBlocchi(QWidget* owner) : QWidget(owner) {
    resize(1049, 25);
    setFont(FontControllo("Calibri", 11, true));
}

void BarraProgressoBlocchi::SetMax(int v) {
    if (CambiaValore(massimo, v)) update();
}
void BarraProgressoBlocchi::SetPosition(int v) {
    if (CambiaValore(posizione, v)) update();
}
void BarraProgressoBlocchi::SetColoreInizio(TColor v) {
    if (CambiaValore(coloreInizio, v)) update();
}
void BarraProgressoBlocchi::SetColoreFine(TColor v) {
    if (CambiaValore(coloreFine, v)) update();
}
void BarraProgressoBlocchi::SetColoreSfondo(TColor v) {
    if (CambiaValore(coloreSfondo, v)) update();
}
void BarraProgressoBlocchi::SetColoreBordo(TColor v) {
    if (CambiaValore(coloreBordo, v)) update();
}
void BarraProgressoBlocchi::SetColoreFont(TColor v) {
    if (CambiaValore(coloreFont, v)) update();
}

QRect BarraProgressoBlocchi::AreaBlocchi() const {
    return rect().adjusted(3, 3, -3, -3);
}

int BarraProgressoBlocchi::Blocchi() const {
    return NumeroBlocchi(AreaBlocchi().width(), LarghezzaBlocco, SpazioBlocchi);
}

void BarraProgressoBlocchi::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Disegna(p);
}

void BarraProgressoBlocchi::Disegna(QPainter& p) {
    p.fillRect(rect(), ColoreDaTColor(coloreSfondo));
    p.setPen(ColoreDaTColor(coloreBordo));
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    const QRect area = AreaBlocchi();
    const int blocchi = Blocchi();
    const int pieni = BlocchiPieni(posizione, massimo, blocchi);
    // The row is centred, so the spare pixels split evenly at both ends.
    const int usata = blocchi * (LarghezzaBlocco + SpazioBlocchi) - SpazioBlocchi;
    const int x0 = area.left() + std::max(0, (area.width() - usata) / 2);
    for (int i = 0; i < pieni; ++i) {
        const QRect blocco(x0 + i * (LarghezzaBlocco + SpazioBlocchi), area.top(), LarghezzaBlocco, area.height());
        const QColor colore = ColoreDaTColor(ColoreBlocco(i, blocchi, coloreInizio, coloreFine));
        p.fillRect(blocco, colore);
        // A one-pixel light top and dark foot give each block its relief.
        p.fillRect(QRect(blocco.left(), blocco.top(), blocco.width(), 1), colore.lighter(135));
        p.fillRect(QRect(blocco.left(), blocco.bottom(), blocco.width(), 1), colore.darker(140));
    }

    const QString testo = QStringLiteral("%1%").arg(Percentuale());
    const int tw = LarghezzaTesto(font(), testo);
    const int th = AltezzaTesto(font());
    const int x = (width() - tw) / 2;
    const int y = YTestoCentrato(height(), th);
    DisegnaTestoOmbra(p, font(), rect(), x, y, testo, ColoreDaTColor(coloreFont), 0x000000, 1);
}
