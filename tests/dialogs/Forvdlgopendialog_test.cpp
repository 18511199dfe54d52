#include "dialogs/Forvdlgopendialog.h"

#include "AiutoModale.h"

#include "common/Attesa.h"
#include "common/BombeImmagini.h"
#include "common/CasaTemporanea.h"
#include "common/EventiFinestre.h"
#include "controls/Orvlistbox.h"
#include "controls/Orvlrbutton.h"
#include "controls/Orvvideobuttonsemplice.h"
#include "controls/TFlatEdit.h"
#include "dialogs/ListaPannello.h"
#include "project/TestiMessaggi.h"
#include "render/ImmaginiIllegibili.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

struct LettoreFinto : LettoreAudio {
    QStringList* chiamate;
    bool inCorso = false;
    explicit LettoreFinto(QStringList* c) : chiamate(c) {}
    void Suona(const QString& p) override {
        *chiamate << "Suona " + QFileInfo(p).fileName();
        inCorso = true;
    }
    void Pausa() override { *chiamate << "Pausa"; }
    void Riprendi() override { *chiamate << "Riprendi"; }
    void Ferma() override {
        *chiamate << "Ferma";
        inCorso = false;
    }
    void Chiudi() override {
        *chiamate << "Chiudi";
        inCorso = false;
    }
    bool InCorso() const override { return inCorso; }
    // The track reaches its end; with avvisa false the player says nothing of it.
    void Finisce(bool avvisa) {
        inCorso = false;
        if (avvisa && AllaFine) AllaFine();
    }
};

class SelettoreFile : public ::testing::Test {
protected:
    void SetUp() override {
        radice = casa.Sotto("Foto");
        QDir().mkpath(radice + "/sotto");
        QImage rossa(40, 10, QImage::Format_RGB32);
        rossa.fill(Qt::red);
        ASSERT_TRUE(rossa.save(radice + "/a.png"));
        for (const char* n : {"b.PNG.txt", "c.gif", "brano.WAV", "nota.mp3"}) Scrivi(radice + "/" + n, 1536);
        Scrivi(radice + "/D.JPG", 10);  // not really a picture
        corrente = QDir::currentPath();
        QDir::setCurrent(radice);
        d.Inizializza(1, true, "QV", "Intro", casa.Sotto("Quenvox.txt"), 1);
    }
    void TearDown() override { QDir::setCurrent(corrente); }

    static void Scrivi(const QString& percorso, int byte) {
        QFile f(percorso);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(byte, 'x'));
    }
    int Esegui(QString& uscita, const std::function<void()>& azione) {
        return EseguiModale(d, azione, [&] { return d.Esegui(uscita); });
    }
    void Scegli(const QString& nome) {
        const int riga = int(d.ListaFiles()->Voci().indexOf(nome));
        ASSERT_GE(riga, 0) << nome.toStdString();
        d.ListaFiles()->Lista()->setCurrentRow(riga);
    }
    void Premi(QWidget* b, QPoint punto = {50, 14}) {
        eventi::Entra(b, punto);
        eventi::Clicca(b, punto);
    }
    // A click of the mouse on a row of the file list, as the user makes it.
    void Clicca(const QString& nome) {
        ORVListBox* files = d.ListaFiles()->Lista();
        const int riga = int(d.ListaFiles()->Voci().indexOf(nome));
        ASSERT_GE(riga, 0) << nome.toStdString();
        eventi::Clicca(files->viewport(), files->visualItemRect(files->item(riga)).center());
    }

    CasaTemporanea casa;
    QString radice, corrente;
    TORVDLGOpenDialog d;
};

TEST_F(SelettoreFile, ImmaginiConAnteprimaEApriSoloConUnFile) {
    QString uscita = "prima";
    const int r = Esegui(uscita, [&] {
        EXPECT_EQ(d.ListaFiles()->Voci(), QStringList({"a.png", "D.JPG"}));
        EXPECT_TRUE(d.PannelloImmagini()->isVisible());
        EXPECT_FALSE(d.PannelloAudio()->isVisible());
        EXPECT_TRUE(d.NomeSelezionatoText()->isReadOnly());

        // Nothing chosen yet: neither the button nor Enter closes.
        EXPECT_FALSE(d.BTN_2()->isEnabled());
        Premi(d.BTN_2());
        QTest::keyClick(&d, Qt::Key_Return);
        EXPECT_TRUE(d.isVisible());

        Scegli("a.png");
        EXPECT_TRUE(d.BTN_2()->isEnabled());
        EXPECT_EQ(d.NomeSelezionatoText()->Text(), radice + "/a.png");
        EXPECT_FALSE(d.TestoDimensioni().isEmpty());
        EXPECT_EQ(d.TestoDataFile(), TestoData(QFileInfo(radice + "/a.png").lastModified()));
        // The small wide picture fills the whole preview.
        const QImage& a = d.Anteprima();
        EXPECT_EQ(a.size(), QSize(389, 253));
        for (QPoint p : {QPoint(0, 0), QPoint(388, 252), QPoint(194, 126)}) EXPECT_EQ(a.pixelColor(p), QColor(Qt::red));

        // A file that cannot be decoded leaves the grey background.
        Scegli("D.JPG");
        EXPECT_EQ(d.TestoDimensioni(), "10 Bytes");
        EXPECT_EQ(d.Anteprima().pixelColor(194, 126), QColor(80, 80, 80));
        QTest::keyClick(&d, Qt::Key_Enter);
    });
    EXPECT_EQ(r, 1);
    EXPECT_EQ(uscita, radice + "/D.JPG");
}

// The files that froze the preview: each clicked one shows the grey preview at once, with its
// reason under the pointer (in the dialog's language), and a good picture after it clears it.
TEST_F(SelettoreFile, BombsGiveTheGreyPreviewAndTheirReason) {
    const struct {
        const char* nome;
        QByteArray dati;
        QString motivo;  // in English, the dialog's language here
    } casi[] = {
        {"enorme.jpg", bombe::JpegVuoto(65500, 65500, 3, false, 1),
         "picture too large: 65500 x 65500 pixels (over 250 megapixels)"},
        {"scansioni_5600.jpg", bombe::JpegVuoto(5600, 5600, 3, true, 10000), "picture with over 48 scans"},
        {"scansioni_8000.jpg", bombe::JpegVuoto(8000, 8000, 1, true, 10000), "picture with over 24 scans"},
        {"app1_nullo.jpg", bombe::JpegApp1Nullo(8000, 8000, 10000), "picture with over 24 scans"},
        {"commenti.jpg", bombe::JpegCommentato(bombe::JpegSfumato(64, 64), MargineByteImmagine + 65536),
         "file far too large for a picture"},
        {"enorme.png", bombe::PngDichiarato(65500, 65500), "picture too large: 65500 x 65500 pixels (over 256 MB of memory)"},
        {"testo.png", QByteArray("not a picture at all"), "not a picture in a known format"},
    };
    for (const auto& c : casi) ASSERT_TRUE(bombe::Scrivi(radice + "/" + c.nome, c.dati));
    QString uscita;
    const QString grab = qEnvironmentVariable("QUENVOX_GRAB");
    Esegui(uscita, [&] {
        for (const auto& c : casi) {
            SCOPED_TRACE(c.nome);
            Clicca(c.nome);
            EXPECT_EQ(d.Anteprima().size(), QSize(389, 253));
            for (QPoint p : {QPoint(0, 0), QPoint(194, 126), QPoint(388, 252)})
                EXPECT_EQ(d.Anteprima().pixelColor(p), QColor(80, 80, 80));
            EXPECT_EQ(d.MotivoAnteprima(), c.motivo);
        }
        if (!grab.isEmpty()) d.grab().save(grab + "/selettore_bomba.png");
        Clicca("a.png");
        EXPECT_EQ(d.Anteprima().pixelColor(194, 126), QColor(Qt::red));
        EXPECT_TRUE(d.MotivoAnteprima().isEmpty());
        QTest::keyClick(&d, Qt::Key_Escape);
    });
}

// A PNG whose data inflates to gigabytes past its rows shows at once: its rows are read, no more.
TEST_F(SelettoreFile, AnInflatingPngShowsAtOnce) {
    ASSERT_TRUE(bombe::Scrivi(radice + "/gonfiato.png", bombe::PngGonfiato(64, 64, 20 << 20)));
    QString uscita;
    Esegui(uscita, [&] {
        const qint64 inizio = TempoProcessoreNs();
        Clicca("gonfiato.png");
        EXPECT_LT((TempoProcessoreNs() - inizio) / 1000000, 1000);
        EXPECT_NE(d.Anteprima().pixelColor(194, 126), QColor(80, 80, 80));
        EXPECT_TRUE(d.MotivoAnteprima().isEmpty());
        QTest::keyClick(&d, Qt::Key_Escape);
    });
}

// The chooser opens where the file being replaced lies; once that file is gone, in the folder
// the user chose from last.
TEST_F(SelettoreFile, SiApreNellaCartellaDelFileAttuale) {
    QString uscita = radice + "/sotto/vecchio.png";
    Scrivi(uscita, 10);
    int r = Esegui(uscita, [&] {
        EXPECT_EQ(d.Cartella(), radice + "/sotto");
        EXPECT_EQ(d.ListaFiles()->Voci(), QStringList({"vecchio.png"}));
        Scegli("vecchio.png");
        Premi(d.BTN_2());
    });
    ASSERT_EQ(r, 1);
    ASSERT_TRUE(QFile::remove(uscita));
    QDir::setCurrent(casa.Sotto(""));
    r = Esegui(uscita, [&] {
        EXPECT_EQ(d.Cartella(), radice + "/sotto");
        Premi(d.BTN_1());
    });
    EXPECT_EQ(r, 2);
}

TEST_F(SelettoreFile, FileSparitoECartellaCambiataNonDannoUnPercorso) {
    QString uscita = "prima";
    const int r = Esegui(uscita, [&] {
        Scegli("a.png");
        EXPECT_FALSE(d.TestoDimensioni().isEmpty());
        // Gone after it was clicked: "Apri" notices and does nothing.
        QFile::remove(radice + "/a.png");
        Premi(d.BTN_2());
        EXPECT_TRUE(d.isVisible());
        EXPECT_FALSE(d.BTN_2()->isEnabled());
        QFile::remove(radice + "/D.JPG");
        Scegli("D.JPG");
        EXPECT_EQ(d.NomeSelezionatoText()->Text(), radice + "/D.JPG");
        EXPECT_TRUE(d.TestoDimensioni().isEmpty());
        EXPECT_TRUE(d.TestoDataFile().isEmpty());
        EXPECT_FALSE(d.BTN_2()->isEnabled());
        Premi(d.BTN_2());
        EXPECT_TRUE(d.isVisible());

        Scegli("a.png");
        const int riga = int(d.ListaDirectory()->Voci().indexOf(radice + "/sotto"));
        d.ListaDirectory()->Lista()->setCurrentRow(riga);
        d.ListaDirectoryDblClick();
        EXPECT_TRUE(d.NomeSelezionatoText()->Text().isEmpty());
        EXPECT_FALSE(d.BTN_2()->isEnabled());
        Premi(d.BTN_2());
        EXPECT_TRUE(d.isVisible());
        Premi(d.BTN_1());
    });
    EXPECT_EQ(r, 2);
    EXPECT_EQ(uscita, "prima");
}

TEST_F(SelettoreFile, AudioAttraversoIlLettore) {
    QStringList chiamate;
    d.ImpostaLettore(std::make_unique<LettoreFinto>(&chiamate));
    d.Inizializza(0, true, "QV", "Intro", casa.Sotto("Quenvox.txt"), 11);
    QString uscita;
    const int r = Esegui(uscita, [&] {
        EXPECT_EQ(d.ListaFiles()->Voci(), QStringList({"brano.WAV", "nota.mp3"}));
        EXPECT_TRUE(d.PannelloAudio()->isVisible());
        EXPECT_FALSE(d.PannelloImmagini()->isVisible());
        EXPECT_FALSE(d.MediaPlay()->isVisible());
        Scegli("brano.WAV");
        EXPECT_TRUE(d.MediaPlay()->isVisible());
        EXPECT_EQ(d.MediaPlay()->SelezionatoTipo(), 1);
        Premi(d.MediaPause(), {14, 14});
        EXPECT_EQ(d.MediaPlay()->SelezionatoTipo(), 0);
        Premi(d.MediaPlay(), {14, 14});
        Premi(d.MediaStop(), {14, 14});
        Premi(d.MediaPlay(), {14, 14});
        // A file that cannot be opened hides the player.
        QFile::remove(radice + "/nota.mp3");
        Scegli("nota.mp3");
        EXPECT_FALSE(d.MediaPlay()->isVisible());
        Premi(d.BTN_1());
    });
    EXPECT_EQ(r, 2);
    EXPECT_EQ(chiamate, QStringList({"Suona brano.WAV", "Pausa", "Riprendi", "Ferma", "Suona brano.WAV", "Chiudi",
                                     "Chiudi", "Chiudi"}));
}

// The chooser's buttons come back without hover, and "Apri" drops it when it is disabled.
TEST_F(SelettoreFile, IPulsantiNonRestanoAttivi) {
    QString uscita;
    Esegui(uscita, [&] {
        Scegli("a.png");
        Premi(d.BTN_2());
    });
    EXPECT_EQ(d.BTN_2()->Stato(), StatoPulsante::Normale);
    StatoPulsante apri = StatoPulsante::Premuto, annulla = StatoPulsante::Premuto;
    Esegui(uscita, [&] {
        apri = d.BTN_2()->Stato();
        Scegli("a.png");
        eventi::Entra(d.BTN_2(), {50, 14});
        ASSERT_EQ(d.BTN_2()->Stato(), StatoPulsante::Attivo);
        // The folder changes under the pointer: "Apri" is disabled and plain.
        const int riga = int(d.ListaDirectory()->Voci().indexOf(radice + "/sotto"));
        d.ListaDirectory()->Lista()->setCurrentRow(riga);
        d.ListaDirectoryDblClick();
        EXPECT_FALSE(d.BTN_2()->isEnabled());
        EXPECT_EQ(d.BTN_2()->Stato(), StatoPulsante::Normale);
        eventi::Muovi(d.BTN_2(), {40, 14});
        EXPECT_EQ(d.BTN_2()->Stato(), StatoPulsante::Normale);
        Premi(d.BTN_1());
    });
    Esegui(uscita, [&] {
        annulla = d.BTN_1()->Stato();
        d.done(0);
    });
    EXPECT_EQ(apri, StatoPulsante::Normale);
    EXPECT_EQ(annulla, StatoPulsante::Normale);
}

// A click on the file already chosen shows it again: the picture is read anew (it may have
// changed on disk), the sound starts over.
TEST_F(SelettoreFile, UnClickSulFileGiaSceltoLoMostraDiNuovo) {
    QString uscita;
    Esegui(uscita, [&] {
        Clicca("a.png");
        ASSERT_EQ(d.NomeSelezionatoText()->Text(), radice + "/a.png");
        EXPECT_EQ(d.Anteprima().pixelColor(194, 126), QColor(Qt::red));
        QImage blu(40, 10, QImage::Format_RGB32);
        blu.fill(Qt::blue);
        ASSERT_TRUE(blu.save(radice + "/a.png"));
        Clicca("a.png");
        EXPECT_EQ(d.Anteprima().pixelColor(194, 126), QColor(Qt::blue));
        Premi(d.BTN_1());
    });

    QStringList chiamate;
    d.ImpostaLettore(std::make_unique<LettoreFinto>(&chiamate));
    d.Inizializza(0, true, "QV", "Intro", casa.Sotto("Quenvox.txt"), 11);
    Esegui(uscita, [&] {
        Clicca("brano.WAV");
        Clicca("brano.WAV");
        // Chosen by the keys, then clicked: the click still plays it again.
        Scegli("nota.mp3");
        Clicca("nota.mp3");
        Premi(d.BTN_1());
    });
    EXPECT_EQ(chiamate, QStringList({"Suona brano.WAV", "Suona brano.WAV", "Suona nota.mp3", "Suona nota.mp3",
                                     "Chiudi", "Chiudi"}));
}

// "Play" after a track ended by itself plays it from the start, whether or not the player
// told of the end; when it did, "Play" no longer shows lit meanwhile.
TEST_F(SelettoreFile, PlayDopoLaFineDelBranoRicomincia) {
    QStringList chiamate;
    auto proprio = std::make_unique<LettoreFinto>(&chiamate);
    LettoreFinto* lettore = proprio.get();
    d.ImpostaLettore(std::move(proprio));
    d.Inizializza(0, true, "QV", "Intro", casa.Sotto("Quenvox.txt"), 11);
    QString uscita;
    Esegui(uscita, [&] {
        Scegli("brano.WAV");
        lettore->Finisce(true);
        EXPECT_EQ(d.MediaPlay()->SelezionatoTipo(), 0);
        Premi(d.MediaPlay(), {14, 14});
        EXPECT_EQ(d.MediaPlay()->SelezionatoTipo(), 1);
        lettore->Finisce(false);
        Premi(d.MediaPlay(), {14, 14});
        Premi(d.BTN_1());
    });
    EXPECT_EQ(chiamate, QStringList({"Suona brano.WAV", "Suona brano.WAV", "Suona brano.WAV", "Chiudi", "Chiudi"}));
}

// A script in ffplay's place, so that the player is tried on a real process; empty when it
// cannot be written.
QString FfplayFinto(const CasaTemporanea& casa, const char* corpo) {
    const QString finto = casa.Sotto("ffplay");
    QFile f(finto);
    if (!f.open(QIODevice::WriteOnly)) return {};
    f.write(QByteArray("#!/bin/sh\n") + corpo + "\n");
    f.setPermissions(f.permissions() | QFile::ExeOwner);
    return finto;
}

TEST(LettoreFfplay, PausaRipresaEFineDelProcesso) {
    CasaTemporanea casa;
    const QString finto = FfplayFinto(casa, "exec sleep 30");
    ASSERT_FALSE(finto.isEmpty());
    auto stato = [](qint64 pid) {
        QFile f(QString("/proc/%1/stat").arg(pid));
        if (!f.open(QIODevice::ReadOnly)) return QByteArray("?");
        const QByteArray riga = f.readAll();
        return riga.mid(riga.lastIndexOf(')') + 2, 1);
    };
    LettoreFfplay lettore(finto);
    lettore.Suona("/tmp/brano.wav");
    ASSERT_TRUE(lettore.InCorso());
    const qint64 pid = lettore.Pid();
    ASSERT_GT(pid, 0);
    // A signal takes effect a moment after it is sent: the player's state is waited on.
    lettore.Pausa();
    EXPECT_TRUE(AttendiChe([&] { return stato(pid) == "T"; })) << stato(pid).toStdString();
    lettore.Riprendi();
    EXPECT_TRUE(AttendiChe([&] { return stato(pid) != "T"; }));
    lettore.Pausa();
    EXPECT_TRUE(AttendiChe([&] { return stato(pid) == "T"; }));
    lettore.Ferma();  // ends it even while stopped, and waits for its end
    EXPECT_FALSE(lettore.InCorso());
    EXPECT_EQ(stato(pid), "?") << "the process is still there";
}

// The player tells when a track ends by itself, and only then: not when it is stopped.
TEST(LettoreFfplay, AvvisaSoloLaFineDaSola) {
    CasaTemporanea casa;
    const QString finto = FfplayFinto(casa, "exec sleep 0.2");
    ASSERT_FALSE(finto.isEmpty());
    LettoreFfplay lettore(finto);
    int fini = 0;
    lettore.AllaFine = [&] { ++fini; };
    lettore.Suona("/tmp/brano.wav");
    lettore.Ferma();
    EXPECT_EQ(fini, 0);
    lettore.Suona("/tmp/brano.wav");
    ASSERT_TRUE(lettore.InCorso());
    EXPECT_TRUE(AttendiChe([&] { return fini > 0; }));
    EXPECT_EQ(fini, 1);
    EXPECT_FALSE(lettore.InCorso());
}

}  // namespace
