#include "dialogs/SelettoreComune.h"

#include "controls/Orvformclient.h"
#include "controls/Orvlistbox.h"
#include "controls/TFlatComboBox.h"
#include "dialogs/ArteDialoghi.h"
#include "dialogs/ElementiDialogo.h"
#include "dialogs/ListaPannello.h"
#include "dialogs/TestiDialogo.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>

#include <algorithm>

namespace {

const TestoDialogo TestoCartelle{"Cartelle:", "Folders:"};
const TestoDialogo TestoDrive{"Drives:", "Drives:"};
const TestoDialogo TestoStorico{"Storico:", "History:"};

constexpr int PassoProfondita = 15;
constexpr int LarghezzaIcona = 30;
const QColor TestoVoce(0xC0, 0xC0, 0xC0);

int IndiceIcona(ArteDialoghi::IconaLista i) {
    return int(i);
}

void TestoRiga(QPainter& p, const QRect& riga, int x, const QString& testo, const QColor& colore) {
    p.setPen(colore);
    const QRect area(riga.left() + x, riga.top(), std::max(0, riga.width() - x - 2), riga.height());
    p.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, p.fontMetrics().elidedText(testo, Qt::ElideMiddle, area.width()));
}

}  // namespace

SelettoreComune::SelettoreComune(QWidget* owner) : DialogoOrv(owner) {
    using ArteDialoghi::IconaLista;
    for (IconaLista i : {IconaLista::CartellaChiusa, IconaLista::CartellaAperta, IconaLista::Rimovibile,
                         IconaLista::Fisso, IconaLista::Rete, IconaLista::CdDvd, IconaLista::RamDisk})
        icone[IndiceIcona(i)] = ArteDialoghi::Lista(i);

    listaDirectory = new ListaPannello(Client());
    listaFiles = new ListaPannello(Client());
    listaDrive = new ListaPannello(Client());
    storicoCartelle = new TFlatComboBox(Client());
    label2 = CreaEtichetta(Client(), 0, 0);
    label4 = CreaEtichetta(Client(), 0, 0);
    label7 = CreaEtichetta(Client(), 0, 0);

    listaDirectory->Lista()->SetDisegnoVoce(
        [this](QPainter& p, const QRect& r, int i, bool) { DisegnaCartella(p, r, i); });
    listaDrive->Lista()->SetDisegnoVoce([this](QPainter& p, const QRect& r, int i, bool) { DisegnaDrive(p, r, i); });
    listaFiles->Lista()->SetDisegnoVoce([this](QPainter& p, const QRect& r, int i, bool) { DisegnaFile(p, r, i); });

    connect(listaDirectory->Lista(), &QListWidget::itemDoubleClicked, this, [this] { ListaDirectoryDblClick(); });
    connect(listaDrive->Lista(), &QListWidget::itemDoubleClicked, this, [this] { ListaDriveDblClick(); });
    connect(storicoCartelle, &TFlatComboBox::Modificato, this, [this] { StoricoCartelleChange(); });
}

void SelettoreComune::Inizializza(int lingua, bool logo, const QString& parola1, const QString& parola2,
                                  const QString& file) {
    fileStorico = file;
    DialogoOrv::Inizializza(lingua, logo, parola1, parola2);
}

void SelettoreComune::TestiComuni() {
    const int lingua = LinguaDialogo();
    TestoEtichetta(label2, TestoCartelle.Testo(lingua));
    TestoEtichetta(label4, TestoDrive.Testo(lingua));
    TestoEtichetta(label7, TestoStorico.Testo(lingua));
}

void SelettoreComune::Sfoglia(const QString& nuova) {
    cartella = NormalizzaCartella(nuova);
    const ContenutoCartella contenuto = ElencaCartella(cartella, filtro);
    QStringList percorsi;
    for (const VoceCartella& v : contenuto.cartelle) percorsi << v.percorso;
    listaDirectory->Riempi(percorsi);
    listaFiles->Riempi(contenuto.files);
    CartellaCambiata();
}

void SelettoreComune::ListaDirectoryDblClick() {
    const QString voce = listaDirectory->VoceSelezionata();
    if (!voce.isEmpty()) Sfoglia(voce);
}

void SelettoreComune::ListaDriveDblClick() {
    const int riga = listaDrive->Lista()->currentRow();
    if (riga < 0 || riga >= int(volumi.size()) || !listaDrive->Lista()->item(riga)->isSelected()) return;
    Sfoglia(volumi[riga].radice);
}

void SelettoreComune::StoricoCartelleChange() {
    const QString scelta = storicoCartelle->Testo();
    // A folder that has gone since it was chosen is not browsed.
    if (scelta.isEmpty() || !QFileInfo(scelta).isDir()) return;
    Sfoglia(scelta);
}

void SelettoreComune::ApriStorico() {
    storico.Carica(fileStorico);
    storicoCartelle->SetVoci(storico.Voci());
}

void SelettoreComune::ChiudiStorico(bool confermato) {
    if (confermato) {
        storico.Aggiungi(cartella);
        ultimaScelta = cartella;
    }
    storico.Salva();
}

void SelettoreComune::RiempiListaDrive() {
    volumi = VolumiMontati();
    QStringList testi;
    for (const Volume& v : volumi) testi << TestoVolume(v);
    listaDrive->Riempi(testi);
}

void SelettoreComune::DisegnaCartella(QPainter& p, const QRect& riga, int indice) {
    const QString voce = listaDirectory->Lista()->item(indice)->text();
    const int x = PassoProfondita * Profondita(voce);
    const auto icona = voce == cartella ? ArteDialoghi::IconaLista::CartellaAperta
                                        : ArteDialoghi::IconaLista::CartellaChiusa;
    p.drawImage(riga.left() + x, riga.top(), icone[IndiceIcona(icona)]);
    TestoRiga(p, riga, x + LarghezzaIcona, voce, TestoVoce);
}

void SelettoreComune::DisegnaDrive(QPainter& p, const QRect& riga, int indice) {
    if (indice < int(volumi.size())) {
        const int tipo = volumi[indice].tipo;
        if (tipo >= UnitaRimovibile && tipo <= UnitaRamDisk)
            p.drawImage(riga.left(), riga.top(), icone[IndiceIcona(ArteDialoghi::IconaLista::Rimovibile) + tipo - 2]);
    }
    TestoRiga(p, riga, 32, listaDrive->Lista()->item(indice)->text(), TestoVoce);
}

void SelettoreComune::DisegnaFile(QPainter& p, const QRect& riga, int indice) {
    TestoRiga(p, riga, 6, listaFiles->Lista()->item(indice)->text(), ColoreDaTColor(coloreFiles));
}
