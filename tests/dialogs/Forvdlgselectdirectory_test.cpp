#include "dialogs/Forvdlgselectdirectory.h"

#include "AiutoModale.h"

#include "common/CasaTemporanea.h"
#include "common/EventiFinestre.h"
#include "controls/Orvlistbox.h"
#include "controls/Orvscrollbarvert.h"
#include "controls/Orvlrbutton.h"
#include "controls/TFlatComboBox.h"
#include "controls/TFlatEdit.h"
#include "dialogs/ArteDialoghi.h"
#include "dialogs/ListaPannello.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QTimer>

#include <functional>

namespace {

class SelettoreCartelle : public ::testing::Test {
protected:
    void SetUp() override {
        radice = casa.Sotto("B");
        for (const char* d : {"uno", "Due", "tre/quattro"}) QDir().mkpath(radice + "/" + d);
        QFile f(radice + "/leggimi.txt");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        corrente = QDir::currentPath();
        QDir::setCurrent(radice);
        storico = casa.Sotto("Quenvox1.txt");
        d.Inizializza(0, true, "QV", "Intro", storico);
    }
    void TearDown() override { QDir::setCurrent(corrente); }

    int Esegui(QString& uscita, const std::function<void()>& azione) {
        return EseguiModale(d, azione, [&] { return d.Esegui(uscita); });
    }
    void Premi(ORVLRButton* b) {
        eventi::Entra(b, {50, 14});
        eventi::Clicca(b, {50, 14});
    }
    // Selects the row with this path and double-clicks it.
    void DoppioSu(const QString& percorso) {
        const int riga = int(d.ListaDirectory()->Voci().indexOf(percorso));
        ASSERT_GE(riga, 0) << percorso.toStdString();
        d.ListaDirectory()->Lista()->setCurrentRow(riga);
        d.ListaDirectoryDblClick();
    }
    QByteArray Storico() {
        QFile f(storico);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<assente>");
    }

    CasaTemporanea casa;
    QString radice, corrente, storico;
    TORVDLGSelectDirectory d;
};

TEST_F(SelettoreCartelle, PartenzaDallaCartellaCorrenteESceltaConOk) {
    QStringList voci;
    QString campo;
    QString uscita = "prima";
    const int r = Esegui(uscita, [&] {
        voci = d.ListaDirectory()->Voci();
        campo = d.DirectoryAttivaText()->Text();
        EXPECT_EQ(d.ListaFiles()->Voci(), QStringList({"leggimi.txt"}));
        EXPECT_FALSE(d.ListaDrive()->Voci().isEmpty());
        DoppioSu(radice + "/tre");
        EXPECT_EQ(d.DirectoryAttivaText()->Text(), radice + "/tre");
        EXPECT_EQ(d.ListaDirectory()->Voci().last(), radice + "/tre/quattro");
        Premi(d.BTN_2());
    });
    EXPECT_EQ(r, 1);
    EXPECT_EQ(campo, radice);
    EXPECT_EQ(voci.mid(voci.size() - 4), QStringList({radice, radice + "/Due", radice + "/tre", radice + "/uno"}));
    EXPECT_EQ(voci.first(), "/");
    EXPECT_EQ(uscita, radice + "/tre");
    EXPECT_EQ(Storico(), (radice + "/tre\r\n").toUtf8());

    // The next run starts at the current folder again, and confirming the same folder twice
    // keeps one entry.
    EXPECT_EQ(Esegui(uscita,
                     [&] {
                         EXPECT_EQ(d.Cartella(), radice);
                         EXPECT_EQ(d.StoricoCartelleBox()->Voci(), QStringList({radice + "/tre"}));
                         DoppioSu(radice + "/tre");
                         Premi(d.BTN_2());
                     }),
              1);
    EXPECT_EQ(Storico(), (radice + "/tre\r\n").toUtf8());
}

TEST_F(SelettoreCartelle, AnnullaEChiusuraLascianoTuttoComEra) {
    QString uscita = "prima";
    EXPECT_EQ(Esegui(uscita, [&] { Premi(d.BTN_2()); }), 1);
    const QByteArray dopoPrimo = Storico();
    EXPECT_EQ(Esegui(uscita,
                     [&] {
                         DoppioSu(radice + "/uno");
                         Premi(d.BTN_1());
                     }),
              2);
    EXPECT_EQ(uscita, radice);
    EXPECT_EQ(Storico(), dopoPrimo);
    EXPECT_EQ(Esegui(uscita, [&] { d.reject(); }), 0);
    EXPECT_EQ(Storico(), dopoPrimo);
}

TEST_F(SelettoreCartelle, DoppioClickSenzaSelezioneEStoricoSparitoNonSfogliano) {
    {
        QFile f(storico);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write((radice + "/sparita\r\n" + radice + "/uno\r\n").toUtf8());
    }
    QString uscita;
    const int r = Esegui(uscita, [&] {
        d.ListaDirectory()->Lista()->clearSelection();
        d.ListaDirectoryDblClick();
        d.ListaDriveDblClick();
        EXPECT_EQ(d.Cartella(), radice);

        TFlatComboBox* box = d.StoricoCartelleBox();
        ASSERT_EQ(box->Voci(), QStringList({radice + "/sparita", radice + "/uno"}));
        EXPECT_FALSE(box->isEditable());
        box->SetIndiceVoce(0);
        d.StoricoCartelleChange();
        EXPECT_EQ(d.Cartella(), radice);
        box->SetIndiceVoce(1);
        d.StoricoCartelleChange();
        EXPECT_EQ(d.Cartella(), radice + "/uno");

        // A drive row browses its root.
        d.ListaDrive()->Lista()->setCurrentRow(0);
        d.ListaDriveDblClick();
        EXPECT_EQ(d.Cartella(), "/");
        EXPECT_EQ(d.ListaDirectory()->Voci().first(), "/");
        Premi(d.BTN_1());
    });
    EXPECT_EQ(r, 2);
}

// The icon a row shows at x, as the list draws it over its colour.
QImage Ritaglio(const QImage& riga, int x) {
    return riga.copy(x, 0, ArteDialoghi::LarghezzaIconaLista, ArteDialoghi::AltezzaIconaLista);
}
QImage IconaSuFondo(ArteDialoghi::IconaLista icona) {
    QImage attesa(ArteDialoghi::LarghezzaIconaLista, ArteDialoghi::AltezzaIconaLista, QImage::Format_RGB32);
    attesa.fill(ColoreDaTColor(ListaPannello::Colore));
    QPainter p(&attesa);
    p.drawImage(0, 0, ArteDialoghi::Lista(icona));
    return attesa;
}

TEST_F(SelettoreCartelle, RigheRientrateDiQuindiciPixelPerLivello) {
    QString uscita;
    Esegui(uscita, [&] {
        const QStringList voci = d.ListaDirectory()->Voci();
        ORVListBox* lista = d.ListaDirectory()->Lista();
        for (int i = 0; i < voci.size(); ++i) {
            QImage riga(400, 19, QImage::Format_RGB32);
            QPainter p(&riga);
            lista->DisegnaRiga(p, riga.rect(), i, false);
            p.end();
            const int x = 15 * Profondita(voci[i]);
            const auto icona = voci[i] == radice ? ArteDialoghi::IconaLista::CartellaAperta
                                                 : ArteDialoghi::IconaLista::CartellaChiusa;
            EXPECT_EQ(Ritaglio(riga, x), IconaSuFondo(icona)) << voci[i].toStdString();
            // Nothing is drawn left of the indent.
            for (int xx = 0; xx < x; ++xx) ASSERT_EQ(riga.pixelColor(xx, 9), ColoreDaTColor(ListaPannello::Colore));
        }
        // Each drive row shows the icon of its kind at the left.
        const auto& volumi = d.Volumi();
        for (int i = 0; i < int(volumi.size()); ++i) {
            if (volumi[i].tipo < UnitaRimovibile) continue;
            QImage riga(400, 19, QImage::Format_RGB32);
            QPainter p(&riga);
            d.ListaDrive()->Lista()->DisegnaRiga(p, riga.rect(), i, false);
            p.end();
            const auto icona = ArteDialoghi::IconaLista(int(ArteDialoghi::IconaLista::Rimovibile) + volumi[i].tipo - 2);
            EXPECT_EQ(Ritaglio(riga, 0), IconaSuFondo(icona)) << i;
        }
        d.reject();
    });
}

TEST_F(SelettoreCartelle, NessunaDidascaliaCopreUnControllo) {
    QString uscita;
    Esegui(uscita, [&] {
        QWidget* client = d.StoricoCartelleBox()->parentWidget();
        const QWidget* controlli[] = {d.StoricoCartelleBox(), d.DirectoryAttivaText(), d.ListaDirectory(),
                                      d.ListaFiles(), d.ListaDrive(), d.BTN_1(), d.BTN_2()};
        for (const QWidget* c : controlli) {
            const QRect r = c->geometry();
            for (QPoint p : {r.topLeft() + QPoint(3, 3), r.center(), r.bottomRight() - QPoint(3, 3)}) {
                const QWidget* colpito = client->childAt(p);
                EXPECT_TRUE(colpito == c || c->isAncestorOf(colpito)) << c->metaObject()->className();
            }
        }
        d.reject();
    });
}

TEST_F(SelettoreCartelle, OgniListaSegueLaSuaRotella) {
    for (int i = 0; i < 30; ++i) QDir().mkdir(radice + QString("/c%1").arg(i, 2, 10, QChar('0')));
    QString uscita;
    Esegui(uscita, [&] {
        ORVListBox* cartelle = d.ListaDirectory()->Lista();
        ORVListBox* drive = d.ListaDrive()->Lista();
        const int driveInCima = drive->TopIndex();
        eventi::Rotella(cartelle->viewport(), {20, 20}, -2);
        EXPECT_EQ(cartelle->TopIndex(), 6);
        EXPECT_EQ(drive->TopIndex(), driveInCima);
        // The bar followed the list: a drag back to the top scrolls it back.
        EXPECT_GT(d.ListaDirectory()->Barra()->ORV_Posizione(), d.ListaDirectory()->Barra()->height());
        d.reject();
    });
}

}  // namespace
