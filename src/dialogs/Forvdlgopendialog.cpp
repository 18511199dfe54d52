#include "dialogs/Forvdlgopendialog.h"

#include "controls/Orvform.h"
#include "controls/Orvformclient.h"
#include "controls/Orvlistbox.h"
#include "controls/Orvlrbutton.h"
#include "controls/Orvpannellobordo.h"
#include "controls/Orvvideobuttonsemplice.h"
#include "controls/Posizionamento.h"
#include "controls/SkinFinestre.h"
#include "controls/TFlatComboBox.h"
#include "controls/TFlatEdit.h"
#include "dialogs/ElementiDialogo.h"
#include "dialogs/ListaPannello.h"
#include "dialogs/TestiDialogo.h"
#include "platform/LetturaImmagini.h"
#include "project/MotivoImmagine.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

namespace {

const TestoDialogo TitoloImmagine{"Seleziona di un'immagine:", "Selecting an image:"};
const TestoDialogo TitoloAudio{"Seleziona un file Audio", "Selecting an Audio:"};
const TestoDialogo Label1Immagine{"Nome dell'immagine:", "Image File Name:"};
const TestoDialogo Label1Audio{"Nome del file Audio", "Audio File Name:"};
const TestoDialogo Label3Immagine{"Files: (*.bmp;*.jpg;*.png)", "Files: (*.bmp;*.jpg;*.png)"};
const TestoDialogo Label3Audio{"Files: (*.mp3;*.wav;*.ogg)", "Files: (*.mp3;*.wav;*.ogg)"};
const TestoDialogo TestoLabel5{"Anteprima:", "Preview:"};
const TestoDialogo TestoLabel6{"Informazioni:", "Information:"};
const TestoDialogo CaptionDimensioni{"Dimensioni:", "Dimensions:"};
const TestoDialogo CaptionData{"Data:", "Date:"};
const TestoDialogo TestoAnnulla{"Annulla", "Cancel"};
const TestoDialogo TestoApri{"Apri", "Open"};

constexpr int Larghezza = 1280;
constexpr int Altezza = 492;
constexpr QRect PostoAnteprima(848, 32, 393, 257);
const QColor FondoAnteprima(80, 80, 80);

ORVVideoButtonSemplice* BottoneMedia(QWidget* genitore, SkinFinestre::Icona icona, int x, int y) {
    auto* b = new ORVVideoButtonSemplice(genitore);
    b->setGeometry(x, y, 28, 28);
    b->SetImmagine(ORVVideoButtonSemplice::Normale, SkinFinestre::IconaBottone(icona, StatoPulsante::Normale));
    b->SetImmagine(ORVVideoButtonSemplice::Attivo, SkinFinestre::IconaBottone(icona, StatoPulsante::Attivo));
    b->SetImmagine(ORVVideoButtonSemplice::Selezionato, SkinFinestre::IconaBottone(icona, StatoPulsante::Selezionato));
    b->hide();
    return b;
}

ORVPannelloBordo* Pannello(QWidget* genitore, const QRect& posto, TColor colore) {
    auto* p = new ORVPannelloBordo(genitore);
    p->setGeometry(posto);
    p->SetColor(colore);
    p->SetBorderColor(ListaPannello::ColoreBordo);
    return p;
}

}  // namespace

TORVDLGOpenDialog::TORVDLGOpenDialog(QWidget* owner)
    : SelettoreComune(owner), lettore(std::make_unique<LettoreFfplay>()) {
    Dimensiona(Larghezza, Altezza, true);
    ORVFormClient* c = Client();
    label1 = CreaEtichetta(c, 8, 8);
    nomeSelezionato = new TFlatEdit(c);
    nomeSelezionato->setGeometry(8, 32, 833, 24);
    nomeSelezionato->setReadOnly(true);
    label3 = CreaEtichetta(c, 8, 68);
    ListaFiles()->setGeometry(8, 88, 425, 297);
    label2->move(440, 68);
    ListaDirectory()->setGeometry(440, 88, 401, 137);
    // The drive caption sits in the narrow gap between the two lists.
    label4->setGeometry(440, 225, label4->width(), 15);
    ListaDrive()->setGeometry(440, 240, 401, 145);
    label7->move(15, 394);
    StoricoCartelleBox()->setGeometry(64, 392, 777, 24);
    CreaPannelli();
    btn1 = CreaPulsanteRisposta(c, 1032, 392);
    btn2 = CreaPulsanteRisposta(c, 1136, 392);
    btn1->OnClick = [this](QObject*) {
        ChiudiLettore();
        ChiudiCon(RisultatoAnnulla);
    };
    btn2->OnClick = [this](QObject*) { Apri(); };

    // A new row (by click or keys) shows its file; a click on the row already chosen shows it
    // again: the preview is read anew, the sound starts over.
    ORVListBox* files = ListaFiles()->Lista();
    connect(files, &QListWidget::currentRowChanged, this, [this](int riga) {
        mostrataAllaPressione = true;
        if (riga >= 0) ListaFilesClick();
    });
    files->viewport()->installEventFilter(this);
    connect(files, &QListWidget::clicked, this, [this](const QModelIndex& indice) {
        if (!mostrataAllaPressione && indice.row() == ListaFiles()->Lista()->currentRow()) ListaFilesClick();
    });
    CollegaLettore();
}

bool TORVDLGOpenDialog::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == ListaFiles()->Lista()->viewport() && evento->type() == QEvent::MouseButtonPress)
        mostrataAllaPressione = false;
    return SelettoreComune::eventFilter(oggetto, evento);
}

void TORVDLGOpenDialog::CollegaLettore() {
    if (!lettore) return;
    // A track that ended by itself: "Play" is no longer lit and starts it again.
    lettore->AllaFine = [this] {
        statoLettore = StatoLettore::Fermo;
        mediaPlay->SetSelezionatoTipo(0);
    };
}

TORVDLGOpenDialog::~TORVDLGOpenDialog() = default;

void TORVDLGOpenDialog::CreaPannelli() {
    ORVFormClient* c = Client();
    label5 = CreaEtichetta(c, 848, 8);
    pannelloImmagini = Pannello(c, PostoAnteprima, 0x505050);
    immagineAnteprima = new QLabel(pannelloImmagini);
    immagineAnteprima->setGeometry(2, 2, LarghezzaAnteprima, AltezzaAnteprima);

    pannelloAudio = Pannello(c, PostoAnteprima, 0x505050);
    const int y = (PostoAnteprima.height() - 28) / 2, x = (PostoAnteprima.width() - 3 * 28 - 2 * 12) / 2;
    mediaPlay = BottoneMedia(pannelloAudio, SkinFinestre::Icona::Play, x, y);
    mediaPause = BottoneMedia(pannelloAudio, SkinFinestre::Icona::Pausa, x + 40, y);
    mediaStop = BottoneMedia(pannelloAudio, SkinFinestre::Icona::Stop, x + 80, y);
    mediaPlay->OnClick = [this](QObject*) { MediaPlayClick(); };
    mediaPause->OnClick = [this](QObject*) { MediaPauseClick(); };
    mediaStop->OnClick = [this](QObject*) { MediaStopClick(); };

    label6 = CreaEtichetta(c, 848, 289);
    label6->resize(label6->width(), 15);
    pannelloInformazioni = Pannello(c, QRect(848, 304, 393, 81), 0x2D2D2D);
    labelDimensioni = CreaEtichetta(pannelloInformazioni, 12, 14);
    dimensioni = CreaEtichetta(pannelloInformazioni, 120, 14);
    labelData = CreaEtichetta(pannelloInformazioni, 12, 46);
    data = CreaEtichetta(pannelloInformazioni, 120, 46);
    for (QLabel* l : {dimensioni, data}) l->resize(260, l->height());
}

QWidget* TORVDLGOpenDialog::Dimensioni() const {
    return dimensioni;
}
QWidget* TORVDLGOpenDialog::Data() const {
    return data;
}
QString TORVDLGOpenDialog::TestoDimensioni() const {
    return dimensioni->text();
}
QString TORVDLGOpenDialog::TestoDataFile() const {
    return data->text();
}
QWidget* TORVDLGOpenDialog::PannelloImmagini() const {
    return pannelloImmagini;
}
QWidget* TORVDLGOpenDialog::PannelloAudio() const {
    return pannelloAudio;
}

void TORVDLGOpenDialog::Inizializza(int lingua, bool logo, const QString& parola1, const QString& parola2,
                                    const QString& fileStorico, int tipo) {
    tipoFile = tipo;
    SetFiltro(FiltroDaTipoFile(tipo));
    SelettoreComune::Inizializza(lingua, logo, parola1, parola2, fileStorico);
}

void TORVDLGOpenDialog::ImpostaLettore(std::unique_ptr<LettoreAudio> nuovo) {
    if (lettore) lettore->Chiudi();
    lettore = std::move(nuovo);
    statoLettore = StatoLettore::Fermo;
    CollegaLettore();
}

void TORVDLGOpenDialog::ImpostaTestiLingua() {
    const int lingua = LinguaDialogo();
    const bool audio = tipoFile == 11;
    Cornice()->SetCaption((audio ? TitoloAudio : TitoloImmagine).Testo(lingua));
    TestoEtichetta(label1, (audio ? Label1Audio : Label1Immagine).Testo(lingua));
    TestoEtichetta(label3, (audio ? Label3Audio : Label3Immagine).Testo(lingua));
    TestoEtichetta(label5, TestoLabel5.Testo(lingua));
    TestoEtichetta(label6, TestoLabel6.Testo(lingua));
    TestoEtichetta(labelDimensioni, CaptionDimensioni.Testo(lingua));
    TestoEtichetta(labelData, CaptionData.Testo(lingua));
    TestiComuni();
    btn1->SetCaption(TestoAnnulla.Testo(lingua));
    btn2->SetCaption(TestoApri.Testo(lingua));
}

int TORVDLGOpenDialog::Esegui(QString& percorso) {
    ApriStorico();
    ImpostaTestiLingua();
    const bool audio = tipoFile == 11;
    pannelloImmagini->setVisible(!audio);
    pannelloAudio->setVisible(audio);
    for (QWidget* w : std::initializer_list<QWidget*>{mediaPlay, mediaPause, mediaStop}) w->hide();
    anteprima = QImage();
    motivoAnteprima.clear();
    immagineAnteprima->setToolTip(QString());
    immagineAnteprima->clear();
    dimensioni->clear();
    data->clear();
    Sfoglia(CartellaIniziale(percorso, UltimaScelta(), VociStorico(), QDir::currentPath()));
    RiempiListaDrive();
    const int risultato = EseguiModale();
    if (risultato == RisultatoOk) percorso = nomeSelezionato->Text();
    ChiudiStorico(risultato == RisultatoOk);
    return risultato;
}

void TORVDLGOpenDialog::CartellaCambiata() {
    nomeSelezionato->SetText(QString());
    AggiornaApri();
}

void TORVDLGOpenDialog::AggiornaApri() {
    btn2->setEnabled(QFileInfo(nomeSelezionato->Text()).isFile());
}

void TORVDLGOpenDialog::ListaFilesClick() {
    const QListWidgetItem* voce = ListaFiles()->Lista()->currentItem();
    if (!voce) return;
    const QString percorso = UnisciPercorso(Cartella(), voce->text());
    nomeSelezionato->SetText(percorso);
    AggiornaApri();
    MostraInformazioni(percorso);
    if (tipoFile == 1)
        MostraAnteprima(percorso);
    else if (tipoFile == 11)
        PreparaLettore(percorso);
}

void TORVDLGOpenDialog::MostraInformazioni(const QString& percorso) {
    const QFileInfo info(percorso);
    if (!info.isFile()) {
        // Nothing is shown rather than the figures of the file clicked before.
        dimensioni->clear();
        data->clear();
        return;
    }
    dimensioni->setText(TestoDimensione(info.size()));
    data->setText(TestoData(info.lastModified()));
}

void TORVDLGOpenDialog::MostraAnteprima(const QString& percorso) {
    // Stretched to the whole preview: the proportions are not kept.
    anteprima = QImage(LarghezzaAnteprima, AltezzaAnteprima, QImage::Format_RGB32);
    anteprima.fill(FondoAnteprima);
    // A JPEG is decoded at the smallest scale that covers the preview, so a photo of many
    // megapixels is never decoded whole for it; what the bounded reader refuses stays grey.
    OpzioniLettura opzioni;
    opzioni.Copertura = QSize(LarghezzaAnteprima, AltezzaAnteprima);
    const ImmagineLetta letta = LeggiImmagine(percorso, opzioni);
    if (letta.Letta()) {
        QPainter p(&anteprima);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(anteprima.rect(), letta.Immagine);
    }
    // Why it stays grey, under the pointer.
    motivoAnteprima = MotivoImmagine(letta, LinguaDialogo());
    immagineAnteprima->setToolTip(motivoAnteprima);
    immagineAnteprima->setPixmap(QPixmap::fromImage(anteprima));
}

void TORVDLGOpenDialog::PreparaLettore(const QString& percorso) {
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) {
        for (QWidget* w : std::initializer_list<QWidget*>{mediaPlay, mediaPause, mediaStop}) w->hide();
        ChiudiLettore();
        return;
    }
    fileAudio = percorso;
    if (lettore) lettore->Suona(percorso);
    statoLettore = StatoLettore::InCorso;
    mediaPlay->SetSelezionatoTipo(1);
    for (QWidget* w : std::initializer_list<QWidget*>{mediaPlay, mediaPause, mediaStop}) w->show();
}

void TORVDLGOpenDialog::MediaPlayClick() {
    mediaPlay->SetSelezionatoTipo(1);
    if (!lettore || fileAudio.isEmpty()) return;
    // The track may have ended without a word from the player.
    if (!lettore->InCorso()) statoLettore = StatoLettore::Fermo;
    if (statoLettore == StatoLettore::InPausa)
        lettore->Riprendi();
    else if (statoLettore == StatoLettore::Fermo)
        lettore->Suona(fileAudio);
    statoLettore = StatoLettore::InCorso;
}

void TORVDLGOpenDialog::MediaPauseClick() {
    mediaPlay->SetSelezionatoTipo(0);
    if (!lettore || statoLettore != StatoLettore::InCorso) return;
    lettore->Pausa();
    statoLettore = StatoLettore::InPausa;
}

void TORVDLGOpenDialog::MediaStopClick() {
    mediaPlay->SetSelezionatoTipo(0);
    if (!lettore || statoLettore == StatoLettore::Fermo) return;
    lettore->Ferma();
    statoLettore = StatoLettore::Fermo;
}

void TORVDLGOpenDialog::ChiudiLettore() {
    if (tipoFile != 11 || !lettore) return;
    lettore->Chiudi();
    statoLettore = StatoLettore::Fermo;
}

void TORVDLGOpenDialog::Apri() {
    // The file may have gone since it was clicked.
    AggiornaApri();
    if (!btn2->isEnabled()) return;
    ChiudiLettore();
    ChiudiCon(RisultatoOk);
}

void TORVDLGOpenDialog::done(int r) {
    ChiudiLettore();
    SelettoreComune::done(r);
}

void TORVDLGOpenDialog::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        Apri();
        return;
    }
    SelettoreComune::keyPressEvent(e);
}

void TORVDLGOpenDialog::showEvent(QShowEvent* e) {
    CentraRidimensionaForm(this, Larghezza, height());
    SelettoreComune::showEvent(e);
}
