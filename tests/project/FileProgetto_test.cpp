#include "project/FileProgetto.h"

#include "common/CasaTemporanea.h"
#include "common/LimiteFile.h"
#include "common/PermessiOrdinari.h"
#include "common/VariabiliAmbiente.h"
#include "platform/CartelleUtente.h"
#include "platform/FileTesto.h"
#include "project/ImpostazioniGlobali.h"
#include "project/PresetIntro.h"
#include "project/TabellaImmagini.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <functional>
#include <thread>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray LeggiFile(const QString& percorso) {
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ScriviFile(const QString& percorso, const QByteArray& contenuto) {
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenuto);
}

QString Dati(const QString& nome) { return QFileInfo(__FILE__).absolutePath() + "/dati/" + nome; }
QString Corpus(const QString& nome) {
    return QFileInfo(__FILE__).absolutePath() + "/../fuzz/corpus/FileProgetto/" + nome;
}

QStringList Righe(const QByteArray& contenuto) {
    QStringList righe = QString::fromUtf8(contenuto).split("\r\n");
    if (!righe.isEmpty() && righe.last().isEmpty()) righe.removeLast();
    return righe;
}

bool ContieneDimensione(const QString& percorso, int dimensione) {
    return LeggiFile(percorso).contains("Font Size       : " + QByteArray::number(dimensione) + "\r\n");
}

// The rescue copies in a folder, whatever they are.
QStringList CopieIn(const QString& cartella) {
    return QDir(cartella).entryList({"ProgettoQuenvox.txt.nuovo*"}, QDir::AllEntries | QDir::System | QDir::Hidden);
}

QByteArray Unisci(const QStringList& righe) { return (righe.join("\r\n") + "\r\n").toUtf8(); }

int Indice(const QStringList& righe, const QString& inizio) {
    for (int i = 0; i < righe.size(); ++i)
        if (righe[i].startsWith(inizio)) return i;
    ADD_FAILURE() << "no line " << inizio.toStdString();
    return 0;
}

// An older file: its version, and the single "Codec" line replaced by the old block of keys.
QByteArray VecchioBloccoCodec(QStringList r, const char* versione, std::initializer_list<const char*> chiavi) {
    r[1] = QStringLiteral("Versione        : ") + versione;
    const int i = Indice(r, "Codec");
    QStringList vecchio{"Codec           : 3"};
    for (const char* k : chiavi) vecchio << QString(k).leftJustified(16) + ": 1";
    r.removeAt(i);
    for (int k = 0; k < vecchio.size(); ++k) r.insert(i + k, vecchio[k]);
    return Unisci(r);
}

// A project with every kind of value moved off its default.
ImpostazioniProgetto Cambiato() {
    ImpostazioniProgetto p;
    p.Impostazioni_Lingua0 = false;
    p.Impostazioni_Lingua3 = true;
    p.UsaJpg = true;
    p.ProgettoRisoluzione = 2;
    p.ProgettoFrameRate = 3;
    p.ProgettoDurata = 1000;
    p.IntroLista = 10;
    p.ImpostazioniCodec = "4|x264 -crf 18|Qualità";
    p.SfondoCheckSfondoColorato = false;
    p.SfondoCheckSfondoBitmap = true;
    p.SfondoColori = {0x010203, 0xFFFEFD};
    p.SfondoBitmap = "/immagini/sfondo città.jpg";
    p.Testo1 = "Città già pronta";
    p.Testo2 = "perché";
    p.Testo3 = "  con spazi  ";
    p.Testo = {"prima riga", "  rientrata", "", "finisce con è"};
    p.AlignT1Centro = 0, p.AlignT1SX = 1, p.AlignT2DX = 1, p.AlignT3Centro = 0, p.Logo3 = 1;
    p.LogoStyle3 = 1, p.AlignT4SX = 1, p.Logo4 = 1;
    p.Interlinea = -38;
    p.AlignVCentro = 0, p.AlignVBasso = 1;
    p.Logo = "/loghi/mio.png";
    p.FontSize = 200;
    p.FontColore = {0x00FF00, 0x0000FF};
    p.FontTrasparente = true, p.FontBold = false, p.FontItalic = true, p.FontUnderline = true;
    p.FontOpacita = 25;
    p.TestoFlat = true, p.Enfatizzare = false;
    p.FontOutline1Check = false, p.FontOutline1Colore = 0x102030, p.FontOutline1Size = 30;
    p.FontOutline1Opacita = 0;
    p.FontOutline2Check = true, p.FontOutline2Colore = 0x405060, p.FontOutline2Size = 0;
    p.FontOutline2Opacita = 75;
    p.FontGlowCheck = true, p.FontGlowColore = 0x708090, p.FontGlowSize = 30;
    p.FontGlowColoreInterno = 0xA0B0C0;
    p.FontShadowCheck = false, p.FontShadowColore = 0xD0E0F0, p.FontShadowSize = 1;
    p.FontShadowOffsetX = -100, p.FontShadowOffsetY = -1;
    p.EffettiNeveCheck = true, p.EffettiLensFlareCheck = true, p.EffettoLensFlareLista = 3;
    p.EffettiParticelleCheck = true, p.EffettiParticelleLista = 5;
    p.EffettiParticelleQuantita = 1000, p.EffettiParticelleVita = 0;
    p.EffettiParticelleColore = {0x112233, 0x445566};
    p.TabellaImmagini[0] = "/a/zero.png";
    p.TabellaImmagini[4] = "/logo/mio logo.png";
    p.TabellaImmagini[50] = "/dati/ünico.png";
    p.TabellaImmagini[99] = "/ultimo.png";
    p.Intro1Lista = 11, p.Intro1ZoomIn = true, p.TestoFlat1 = true;
    p.Intro2LogoDaUtilizzare = "/l2.png", p.Intro2LogoScala = 1, p.Intro2_Oscillazioni = 300;
    p.Intro2_Smorzamento = 1000, p.Intro2Sfondo = false, p.Intro2SfondoFile = "/s2.jpg";
    p.Intro3LogoDaUtilizzare = "/l3.png", p.Intro3LogoScala = 300, p.Intro3Sfondo = false;
    p.Intro3SfondoFile = "/s3.jpg";
    p.Intro4LogoDaUtilizzare = "/l4.png", p.Intro4LogoScala = 2, p.Intro4AsseX = -1000;
    p.Intro4AsseY = -999, p.Intro4AsseZ = 1000, p.Intro4Focale = 1, p.Intro4Posizione = 2000;
    p.Intro4Colore = 0xABCDEF, p.Intro4Dimensione = 240, p.Intro4Onde = 10, p.Intro4Area = 10;
    p.Intro4Opacita = 0;
    p.Intro5LogoDaUtilizzare = "/l5.png", p.Intro5LogoScala = 299;
    p.Intro6Sfondo = false, p.Intro6SfondoFile = "/s6.jpg", p.Intro6Laser = false, p.Intro6Fumo = false;
    p.Intro6Messaggio = "Messaggio inciso", p.Logo16 = 1, p.Logo6 = "/l6.png";
    p.Intro7Messaggio = "Scritto a mano";
    p.Intro10Colori = 4, p.Intro10Rotazione = false, p.Intro10Zoom = false, p.Intro10DimMini = false;
    return p;
}

// What a project read into a fresh model must equal: the saved model less what is not saved.
ImpostazioniProgetto SenzaNonSalvati(ImpostazioniProgetto p) {
    const ImpostazioniProgetto fresco;
    p.FontShadowOpacita = fresco.FontShadowOpacita;
    p.Intro6LogoScala = fresco.Intro6LogoScala;
    p.FontElenco = fresco.FontElenco;
    p.CartellaOutput = fresco.CartellaOutput;
    return p;
}

// Stands in for the main window: a language applier that writes its own default texts, and
// the preset callbacks, all counted.
class FileProgetto : public ::testing::Test {
protected:
    void SetUp() override {
        InstallaApplicaLingua([this](ImpostazioniProgetto& p) {
            lingueApplicate.push_back(ImpostazioniGlobali.LinguaCorrente);
            p.Testo1 = p.Testo2 = p.Testo3 = p.Intro6Messaggio = p.Intro7Messaggio = "predefinito";
        });
        InstallaRichiamiPreset({[](int) {}, [this](const ImpostazioniProgetto&) { ++rese; }});
        percorsoPrima = PercorsoOutput;
        PercorsoOutput = "/casa/utente/Documenti/Drovaskent/Quenvox";
        ImpostazioniGlobali.LinguaCorrente = 1;
        // The home folder and the system's temporary folder, where the last rescues go, are the test's own.
        QDir().mkpath(Casa());
        QDir().mkpath(Temporanea());
        ambiente.Imposta("HOME", QFile::encodeName(Casa()));
        ambiente.Imposta("TMPDIR", QFile::encodeName(Temporanea()));
    }
    void TearDown() override {
        InstallaApplicaLingua({});
        InstallaRichiamiPreset({});
        ImpostazioniGlobali.TotaleFrame = 200.0f;
        ImpostazioniGlobali.LinguaCorrente = 0;
        PercorsoOutput = percorsoPrima;
    }
    QString File() const { return casa.Sotto("ProgettoQuenvox.txt"); }
    QString Casa() const { return casa.Sotto("casa"); }
    QString Temporanea() const { return casa.Sotto("tmp"); }
    // The user's own folder in the temporary folder.
    QString Privata() const { return Temporanea() + "/quenvox-" + QString::number(::geteuid()); }

    CasaTemporanea casa;
    VariabiliAmbiente ambiente;
    QString percorsoPrima;
    std::vector<int> lingueApplicate;
    int rese = 0;
};

TEST_F(FileProgetto, DefaultsGiveTheGoldenFile) {
    ImpostazioniProgetto p;
    CaricaElencoImmagini(p.TabellaImmagini, casa.Percorso(), "/opt/quenvox");
    ASSERT_TRUE(SalvaProgetto(p, nullptr, File()));
    EXPECT_EQ(LeggiFile(File()).toStdString(), LeggiFile(Dati("ProgettoPredefinito.txt")).toStdString());
}

TEST_F(FileProgetto, GoldenFileReadsBackAsTheDefaults) {
    ImpostazioniProgetto p = Cambiato();
    const EsitoCaricamento esito = CaricaProgetto(p, Dati("ProgettoPredefinito.txt"));
    EXPECT_TRUE(esito.FileAperto);
    EXPECT_TRUE(esito.Completo);
    EXPECT_EQ(esito.NomeFontCorrente, "Arial");
    ImpostazioniProgetto atteso;
    CaricaElencoImmagini(atteso.TabellaImmagini, casa.Percorso(), "/opt/quenvox");
    atteso.Intro6LogoScala = p.Intro6LogoScala;
    EXPECT_TRUE(p == atteso);
    EXPECT_EQ(ImpostazioniGlobali.LinguaCorrente, 0);
}

TEST_F(FileProgetto, RoundTripKeepsEverySavedSetting) {
    ImpostazioniProgetto salvato = Cambiato();
    salvato.FontShadowOpacita = 90;
    salvato.Intro6LogoScala = 12;
    QStringList font{"Calibri", "DejaVu Sans"};
    salvato.FontElenco.ImpostaElenco(font);
    salvato.FontElenco = 2;
    ASSERT_TRUE(SalvaProgetto(salvato, nullptr, File()));

    PercorsoOutput = "/altrove";
    ImpostazioniProgetto letto;
    const EsitoCaricamento esito = CaricaProgetto(letto, File());
    EXPECT_TRUE(esito.Completo);
    EXPECT_EQ(esito.NomeFontCorrente, "DejaVu Sans");
    EXPECT_TRUE(letto == SenzaNonSalvati(salvato));
    EXPECT_EQ(letto.Testo, salvato.Testo);
    EXPECT_EQ(letto.Testo1, "Città già pronta");
    EXPECT_EQ(letto.FontShadowOpacita, 7);
    EXPECT_EQ(letto.Intro6LogoScala, 150);
    EXPECT_EQ(ImpostazioniGlobali.TotaleFrame, 1000.0f);
    EXPECT_EQ(ImpostazioniGlobali.LinguaCorrente, 3);
    EXPECT_EQ(lingueApplicate, (std::vector<int>{3, 3}));
    EXPECT_EQ(rese, 1);  // the intro presets after the "Intro" key
    EXPECT_EQ(PercorsoOutput, "/altrove");  // the saved folder is not applied

    // Saving what was read gives the same file again.
    PercorsoOutput = "/casa/utente/Documenti/Drovaskent/Quenvox";
    const QString secondo = casa.Sotto("secondo.txt");
    letto.FontElenco = salvato.FontElenco;
    ASSERT_TRUE(SalvaProgetto(letto, nullptr, secondo));
    EXPECT_EQ(LeggiFile(secondo), LeggiFile(File()));
}

TEST_F(FileProgetto, FontNameFallsBackToArial) {
    for (int voce : {0, 3}) {
        ImpostazioniProgetto p;
        p.FontElenco = voce;
        ASSERT_TRUE(SalvaProgetto(p, nullptr, File()));
        EXPECT_TRUE(Righe(LeggiFile(File())).contains("Nome Font       : Arial")) << voce;
    }
}

TEST_F(FileProgetto, LineBreakInTextCannotBreakTheFile) {
    ImpostazioniProgetto p;
    p.Testo1 = "prima\r\nseconda";
    p.Testo = {"a\nb"};
    p.TabellaImmagini[7] = "/x\ny.png";
    ASSERT_TRUE(SalvaProgetto(p, nullptr, File()));
    EXPECT_EQ(Righe(LeggiFile(File())).size(), Righe(LeggiFile(Dati("ProgettoPredefinito.txt"))).size() + 1);
    ImpostazioniProgetto letto;
    EXPECT_TRUE(CaricaProgetto(letto, File()).Completo);
    EXPECT_EQ(letto.Testo1, "prima  seconda");
    EXPECT_EQ(letto.Testo, QStringList{"a b"});
    EXPECT_EQ(letto.TabellaImmagini[7], "/x y.png");
}

TEST_F(FileProgetto, DamagedFiles) {
    const ImpostazioniProgetto salvato = Cambiato();
    ASSERT_TRUE(SalvaProgetto(salvato, nullptr, File()));
    const QStringList base = Righe(LeggiFile(File()));
    const ImpostazioniProgetto fresco;
    // Intro 10's look with scheme 1, which the presets leave where the file stops.
    const DueColori fontIntro10{0xFF8700, 0x621F00};

    struct Caso {
        const char* nome;
        std::function<QByteArray(QStringList)> prepara;
        std::function<void(const ImpostazioniProgetto&, const EsitoCaricamento&)> verifica;
    };
    const std::vector<Caso> casi = {
        {"ends after the background section",
         [](QStringList r) { return Unisci(r.mid(0, Indice(r, "Testo1") - 7)); },
         [&](const ImpostazioniProgetto& p, const EsitoCaricamento& e) {
             EXPECT_FALSE(e.Completo);
             EXPECT_TRUE(p.UsaJpg);
             EXPECT_EQ(p.ImpostazioniCodec, salvato.ImpostazioniCodec);
             EXPECT_EQ(p.SfondoColori, salvato.SfondoColori);
             EXPECT_EQ(p.SfondoBitmap, salvato.SfondoBitmap);
             EXPECT_EQ(p.Testo1, "predefinito");
             EXPECT_EQ(p.FontColore, fontIntro10);
             EXPECT_EQ(p.Intro4AsseX, fresco.Intro4AsseX);
         }},
        {"cut in the middle of the font section",
         [](QStringList r) { return Unisci(r.mid(0, Indice(r, "Font Size") + 1)); },
         [&](const ImpostazioniProgetto& p, const EsitoCaricamento& e) {
             EXPECT_FALSE(e.Completo);
             EXPECT_EQ(p.Testo, salvato.Testo);
             EXPECT_EQ(p.FontSize, salvato.FontSize);
             EXPECT_EQ(p.FontColore, fontIntro10);
         }},
        {"a colour with only two of its lines",
         [](QStringList r) { return Unisci(r.mid(0, Indice(r, "FontColore1B"))); },
         [&](const ImpostazioniProgetto& p, const EsitoCaricamento&) {
             EXPECT_EQ(p.FontSize, salvato.FontSize);
             EXPECT_EQ(p.FontColore, fontIntro10);
         }},
        {"wrong key",
         [](QStringList r) {
             r[Indice(r, "FontBold")].replace("FontBold", "FontBald");
             return Unisci(r);
         },
         [&](const ImpostazioniProgetto& p, const EsitoCaricamento& e) {
             EXPECT_FALSE(e.Completo);
             EXPECT_TRUE(p.FontTrasparente);   // before the bad key
             EXPECT_TRUE(p.FontBold);          // the presets' value stays
             EXPECT_FALSE(p.FontItalic);       // nothing after it is read
             EXPECT_EQ(p.Intro7Messaggio, "predefinito");
         }},
        {"unknown version",
         [](QStringList r) {
             r[1] = "Versione        : 2.1";
             return Unisci(r);
         },
         [&](const ImpostazioniProgetto& p, const EsitoCaricamento& e) {
             EXPECT_TRUE(e.FileAperto);
             EXPECT_FALSE(e.Completo);
             EXPECT_FALSE(p.UsaJpg);
             EXPECT_EQ(p.IntroLista.Voce(), 1);
             EXPECT_EQ(ImpostazioniGlobali.LinguaCorrente, 0);
         }},
        {"no title line",
         [](QStringList r) { return Unisci(r.mid(1)); },
         [&](const ImpostazioniProgetto& p, const EsitoCaricamento& e) {
             EXPECT_FALSE(e.Completo);
             EXPECT_FALSE(p.UsaJpg);
         }},
        {"version with a suffix",
         [](QStringList r) {
             r[1] += "beta 7";
             return Unisci(r);
         },
         [&](const ImpostazioniProgetto& p, const EsitoCaricamento& e) {
             EXPECT_TRUE(e.Completo);
             EXPECT_EQ(p.Intro10Colori.Voce(), 4);
         }},
        {"version 2.0 codec block",
         [](QStringList r) {
             return VecchioBloccoCodec(r, "2.0",
                                       {"ProresCB1", "ProresCB2", "ProresCB3", "ProresCB4", "ProresQualita", "MP4CB1",
                                        "MP4CB2", "MP4CB3", "MP4CB4", "MP4Qualita", "H264Velocita", "H264Qualita"});
         },
         [&](const ImpostazioniProgetto& p, const EsitoCaricamento& e) {
             EXPECT_TRUE(e.Completo);
             EXPECT_EQ(p.ImpostazioniCodec, fresco.ImpostazioniCodec);
             EXPECT_EQ(p.Intro10Colori.Voce(), 4);
         }},
        {"version 2.2 codec block",
         [](QStringList r) {
             return VecchioBloccoCodec(r, "2.2",
                                       {"ProresCB1", "ProresCB2", "ProresCB3", "ProresCB4", "ProresQualita", "MP4CB1",
                                        "MP4CB2", "MP4CB3", "MP4CB4", "MP4Qualita", "H264Velocita", "H264Qualita",
                                        "X264Velocita", "X264Qualita", "X264LossLess", "X264ImpTune", "X264Tune",
                                        "X265Velocita", "X265Qualita", "X265LossLess"});
         },
         [&](const ImpostazioniProgetto& p, const EsitoCaricamento& e) {
             EXPECT_TRUE(e.Completo);
             EXPECT_EQ(p.ImpostazioniCodec, fresco.ImpostazioniCodec);
             EXPECT_EQ(p.Intro10Colori.Voce(), 4);
         }},
        {"a 2.3 codec line in a 2.2 file",
         [](QStringList r) {
             r[1] = "Versione        : 2.2";
             return Unisci(r);
         },
         [&](const ImpostazioniProgetto& p, const EsitoCaricamento& e) {
             EXPECT_FALSE(e.Completo);
             EXPECT_EQ(p.ImpostazioniCodec, fresco.ImpostazioniCodec);
             EXPECT_EQ(p.SfondoBitmap, fresco.SfondoBitmap);
             EXPECT_FALSE(p.SfondoCheckSfondoBitmap);
         }},
        {"two language boxes on",
         [](QStringList r) {
             r[Indice(r, "Lingua1")] = "Lingua1         : 1";
             return Unisci(r);
         },
         [&](const ImpostazioniProgetto& p, const EsitoCaricamento&) {
             EXPECT_EQ(ImpostazioniGlobali.LinguaCorrente, 3);
             EXPECT_FALSE(p.Impostazioni_Lingua1);
             EXPECT_TRUE(p.Impostazioni_Lingua3);
         }},
        {"no language box on",
         [](QStringList r) {
             r[Indice(r, "Lingua3")] = "Lingua3         : 0";
             return Unisci(r);
         },
         [&](const ImpostazioniProgetto& p, const EsitoCaricamento&) {
             EXPECT_EQ(ImpostazioniGlobali.LinguaCorrente, 0);
             EXPECT_TRUE(p.Impostazioni_Lingua0);
         }},
        {"over-long line",
         [](QStringList r) {
             r[Indice(r, "Testo1")] = "Testo1          : " + QString(100000, 'x');
             return Unisci(r);
         },
         [&](const ImpostazioniProgetto& p, const EsitoCaricamento& e) {
             EXPECT_TRUE(e.Completo);
             EXPECT_EQ(p.Testo1.size(), 100000);
             EXPECT_EQ(p.Testo2, salvato.Testo2);
         }},
        {"numbers out of range or with letters",
         [](QStringList r) {
             r[Indice(r, "Font Size")] = "Font Size       :  99999999999 ";
             r[Indice(r, "Interlinea")] = "Interlinea      : -99999999999";
             r[Indice(r, "Durata")] = "Durata          : 75 frame";
             r[Indice(r, "Intro4AsseX")] = "Intro4AsseX     : +12";
             return Unisci(r);
         },
         [&](const ImpostazioniProgetto& p, const EsitoCaricamento& e) {
             EXPECT_TRUE(e.Completo);
             EXPECT_EQ(p.FontSize, 200);  // into the controls' ranges
             EXPECT_EQ(p.Interlinea, -200);
             EXPECT_EQ(p.ProgettoDurata, 75);
             EXPECT_EQ(ImpostazioniGlobali.TotaleFrame, 75.0f);
             EXPECT_EQ(p.Intro4AsseX, 12);
         }},
        {"a number with no digits stops the read there",
         [](QStringList r) {
             r[Indice(r, "Outline1Size")] = "Outline1Size    : abc";
             return Unisci(r);
         },
         [&](const ImpostazioniProgetto& p, const EsitoCaricamento& e) {
             EXPECT_FALSE(e.Completo);
             EXPECT_EQ(p.FontOutline1Check, salvato.FontOutline1Check);
             EXPECT_NE(p.FontOutline1Size, 0);
             EXPECT_EQ(p.Intro4AsseX, fresco.Intro4AsseX);
         }},
        {"cut inside its last line",
         [](QStringList r) {
             r.last() = r.last().left(18);
             return r.join("\r\n").toUtf8();
         },
         [&](const ImpostazioniProgetto& p, const EsitoCaricamento& e) {
             EXPECT_FALSE(e.Completo);
             EXPECT_EQ(p.Intro10Zoom, salvato.Intro10Zoom);
             EXPECT_EQ(p.Intro10DimMini, fresco.Intro10DimMini);
         }},
        {"list numbers outside their items",
         [](QStringList r) {
             r[Indice(r, "Intro1Lista")] = "Intro1Lista     : 12";
             r[Indice(r, "Frame Rate")] = "Frame Rate      : -4";
             return Unisci(r);
         },
         [&](const ImpostazioniProgetto& p, const EsitoCaricamento&) {
             EXPECT_EQ(p.Intro1Lista.Voce(), 1);
             EXPECT_EQ(p.ProgettoFrameRate.Voce(), 1);
         }},
        {"colour bytes above 255 keep their low byte",
         [](QStringList r) {
             r[Indice(r, "Intro4ColoreR")] = "Intro4ColoreR   : 257";
             r[Indice(r, "Intro4ColoreB")] = "Intro4ColoreB   : -1";
             return Unisci(r);
         },
         [&](const ImpostazioniProgetto& p, const EsitoCaricamento&) {
             EXPECT_EQ(p.Intro4Colore, 0xFFCD01u);
         }},
        {"trailing blanks of image paths and memo lines",
         [](QStringList r) {
             r[Indice(r, "File 0005")] += "  \t";
             r[Indice(r, "                : prima riga")] += "   ";
             r[Indice(r, "Testo2")] += "  ";
             return Unisci(r);
         },
         [&](const ImpostazioniProgetto& p, const EsitoCaricamento& e) {
             EXPECT_TRUE(e.Completo);
             EXPECT_EQ(p.TabellaImmagini[4], "/logo/mio logo.png");
             EXPECT_EQ(p.Testo[0], "prima riga");
             EXPECT_EQ(p.Testo2, "perché  ");  // text values are taken whole
         }},
        {"memo shorter than its count",
         [](QStringList r) {
             r.removeAt(Indice(r, "                : finisce"));
             return Unisci(r);
         },
         [&](const ImpostazioniProgetto& p, const EsitoCaricamento& e) {
             EXPECT_FALSE(e.Completo);
             EXPECT_EQ(p.Testo.size(), 3);
             EXPECT_EQ(p.AlignT1SX, fresco.AlignT1SX);
         }},
        {"binary file",
         [](QStringList) {
             QByteArray b;
             for (int i = 0; i < 4096; ++i) b.append(static_cast<char>((i * 7919) % 256));
             return b;
         },
         [&](const ImpostazioniProgetto& p, const EsitoCaricamento& e) {
             EXPECT_TRUE(e.FileAperto);
             EXPECT_FALSE(e.Completo);
             EXPECT_EQ(p.FontSize, fresco.FontSize);
         }},
    };

    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const QString percorso = casa.Sotto("danneggiato.txt");
        ScriviFile(percorso, c.prepara(base));
        lingueApplicate.clear();
        ImpostazioniProgetto p;
        const EsitoCaricamento e = CaricaProgetto(p, percorso);
        c.verifica(p, e);
        EXPECT_FALSE(lingueApplicate.empty());
        EXPECT_EQ(lingueApplicate.back(), ImpostazioniGlobali.LinguaCorrente);
        ImpostazioniGlobali.TotaleFrame = 200.0f;
    }
}

TEST_F(FileProgetto, MissingFileAppliesTheLanguageOnly) {
    ImpostazioniProgetto p;
    const EsitoCaricamento e = CaricaProgetto(p, casa.Sotto("nessuno.txt"));
    EXPECT_FALSE(e.FileAperto);
    EXPECT_EQ(ImpostazioniGlobali.LinguaCorrente, 0);
    EXPECT_EQ(lingueApplicate, std::vector<int>{0});
    EXPECT_EQ(rese, 0);
    EXPECT_EQ(p.FontSize, 160);
}

TEST_F(FileProgetto, NumberReader) {
    struct Caso {
        const char* riga;
        bool letto;
        int valore;
        bool cifre;
    } casi[] = {
        {"Chiave          : 42", true, 42, true},
        {"Chiave          :   -7  ", true, -7, true},
        {"Chiave          : 12abc", true, 12, true},
        {"Chiave          : ", true, 0, false},
        {"Chiave          : -", true, 0, false},
        {"Chiave          : abc", true, 0, false},
        {"Chiave          : 2147483648", true, INT_MAX, true},
        {"Chiave          : -2147483649", true, INT_MIN, true},
        {"Chiave          : -2147483648", true, INT_MIN, true},
        {"Chiave          : 99999999999999999999999", true, INT_MAX, true},
        {"chiave          : 1", false, -1, false},
        {"Chiave         : 1", false, -1, false},
    };
    for (const Caso& c : casi) {
        int v = -1;
        bool cifre = false;
        EXPECT_EQ(LeggiCampoNumero(c.riga, "Chiave          : ", v, &cifre), c.letto) << c.riga;
        EXPECT_EQ(v, c.valore) << c.riga;
        EXPECT_EQ(cifre, c.cifre) << c.riga;
    }
}

// The reader stops at the garbage and the rest goes back to defaults, so the next save would
// lose the user's work: the file as it was is kept beside itself first.
TEST_F(FileProgetto, DamagedFileIsKeptAsABackupBeforeASaveReplacesIt) {
    ASSERT_TRUE(SalvaProgetto(Cambiato(), nullptr, File()));
    QStringList r = Righe(LeggiFile(File()));
    r[Indice(r, "GlowSize")] = QString::fromLatin1("\x01\x7f\xff garbage \x02");
    const QByteArray danneggiato = Unisci(r);
    ScriviFile(File(), danneggiato);
    const QString backup = File() + ".bak";
    ScriviFile(backup, "an older backup");

    ImpostazioniProgetto p;
    const EsitoCaricamento e = CaricaProgetto(p, File());
    EXPECT_TRUE(e.FileAperto);
    EXPECT_FALSE(e.Completo);
    EXPECT_EQ(e.PercorsoBackup, backup);
    EXPECT_TRUE(e.ErroreBackup.isEmpty());
    EXPECT_EQ(LeggiFile(backup), danneggiato);

    // Closing saves over the damaged file; the backup stays, and a complete read leaves it alone.
    ASSERT_TRUE(SalvaProgetto(p, nullptr, File()));
    ImpostazioniProgetto riletto;
    const EsitoCaricamento dopo = CaricaProgetto(riletto, File());
    EXPECT_TRUE(dopo.Completo);
    EXPECT_TRUE(dopo.PercorsoBackup.isEmpty());
    EXPECT_EQ(LeggiFile(backup), danneggiato);
}

TEST_F(FileProgetto, CompleteOrMissingFileMakesNoBackup) {
    ImpostazioniProgetto p;
    EXPECT_TRUE(CaricaProgetto(p, casa.Sotto("nessuno.txt")).PercorsoBackup.isEmpty());
    ASSERT_TRUE(SalvaProgetto(p, nullptr, File()));
    EXPECT_TRUE(CaricaProgetto(p, File()).PercorsoBackup.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(File() + ".bak"));
}

TEST_F(FileProgetto, SaveFailureIsReported) {
    ImpostazioniProgetto p;
    QString errore;
    EXPECT_FALSE(SalvaProgetto(p, &errore, casa.Sotto("manca/ProgettoQuenvox.txt")));
    EXPECT_FALSE(errore.isEmpty());
}

TEST_F(FileProgetto, FileStaysInTheDefaultOutputFolder) {
    const QString predefinito = PercorsoOutputPredefinito;
    PercorsoOutputPredefinito = "/doc/Drovaskent/Quenvox";
    PercorsoOutput = "/scelta/dall/utente";
    EXPECT_EQ(PercorsoFileProgetto(), "/doc/Drovaskent/Quenvox/ProgettoQuenvox.txt");
    PercorsoOutputPredefinito = predefinito;
}

}  // namespace

// What the start-up tells about each kind of file, and which ones are kept beside themselves.
TEST_F(FileProgetto, EachKindOfFileIsToldOnceAndKeptWhenNotReadCleanly) {
    ImpostazioniGlobali.LinguaCorrente = LinguaInglese;
    const QString copia = File() + ".bak";
    struct Caso {
        const char* nome;
        QByteArray contenuto;
        const char* avviso;  // the start of the notice; empty: none
        bool copiato;
    };
    const Caso casi[] = {
        {"empty", QByteArray(), "", false},
        {"complete", LeggiFile(Corpus("predefinito.txt")), "", false},
        {"Windows version, all Windows-1252", LeggiFile(Corpus("predefinito.txt")).replace("Drovaskent", "Citt\xe0"), "",
         false},
        {"a stray byte in a UTF-8 line", LeggiFile(Corpus("byte_spaiato.txt")),
         "Some lines of the project file held characters", true},
        {"newer version", LeggiFile(Corpus("versione_nuova.txt")),
         "The project file was written by a newer version of Quenvox (2.4)", true},
        {"no version", "Titolo          : Quenvox progetto\r\nVersione        : ?\r\n",
         "The project file is not a project this version can read", true},
        {"not a project", QByteArray("\x89PNG\r\n\x1a\n", 8), "The project file is not a project", true},
        {"cut short", LeggiFile(Corpus("tagliato_ultima_riga.txt")), "The project file was damaged", true},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        QFile::remove(copia);
        ScriviFile(File(), c.contenuto);
        ImpostazioniProgetto p;
        const EsitoCaricamento e = CaricaProgetto(p, File());
        ImpostazioniGlobali.LinguaCorrente = LinguaInglese;
        const QString avviso = AvvisoCaricamento(e, File());
        if (*c.avviso == 0)
            EXPECT_TRUE(avviso.isEmpty()) << avviso.toStdString();
        else
            EXPECT_TRUE(avviso.startsWith(QLatin1String(c.avviso))) << avviso.toStdString();
        EXPECT_EQ(QFileInfo::exists(copia), c.copiato);
        if (c.copiato) {
            EXPECT_EQ(LeggiFile(copia), c.contenuto);
            EXPECT_TRUE(avviso.endsWith(copia)) << avviso.toStdString();
        }
        EXPECT_FALSE(e.Illeggibile);
        ImpostazioniGlobali.TotaleFrame = 200.0f;
    }
}

// One stray byte after UTF-8 text: the UTF-8 stays UTF-8, only the byte is read the old way.
TEST_F(FileProgetto, AStrayByteGarblesNothingElse) {
    ImpostazioniProgetto p;
    // A copy: the read keeps a backup beside the file it reads.
    ScriviFile(File(), LeggiFile(Corpus("byte_spaiato.txt")));
    const EsitoCaricamento e = CaricaProgetto(p, File());
    EXPECT_TRUE(e.Completo);
    EXPECT_EQ(e.RigheMiste, 1);
    EXPECT_EQ(p.Testo1, QString::fromUtf8("Città già pronta ÿ"));
}

TEST_F(FileProgetto, ANewerVersionLeavesTheDefaults) {
    ImpostazioniProgetto p;
    ScriviFile(File(), LeggiFile(Corpus("versione_nuova.txt")));
    const EsitoCaricamento e = CaricaProgetto(p, File());
    EXPECT_EQ(e.VersioneNuova, "2.4");
    EXPECT_FALSE(e.Completo);
    EXPECT_EQ(rese, 0);  // nothing read: the intro presets never ran
    EXPECT_EQ(lingueApplicate, std::vector<int>{0});
    for (const char* versione : {"2.10", "3", "10.0 beta"}) {
        QByteArray c = LeggiFile(Corpus("versione_nuova.txt"));
        c.replace("Versione        : 2.4", QByteArray("Versione        : ") + versione);
        ScriviFile(File(), c);
        EXPECT_FALSE(CaricaProgetto(p, File()).VersioneNuova.isEmpty()) << versione;
    }
    for (const char* versione : {"2.1", "1.9", "abc", ""}) {
        QByteArray c = LeggiFile(Corpus("versione_nuova.txt"));
        c.replace("Versione        : 2.4", QByteArray("Versione        : ") + versione);
        ScriviFile(File(), c);
        EXPECT_TRUE(CaricaProgetto(p, File()).VersioneNuova.isEmpty()) << versione;
    }
}

// A file that is there but gives a read error (a symbolic link to /proc/self/mem reads with
// EIO, for root too) is told with the system's reason, and no copy is attempted.
TEST_F(FileProgetto, AFileThatCannotBeReadIsToldWithTheReason) {
    // Each is refused at once, before a byte is read: none may block the start or fill memory.
    const struct {
        const char* nome;
        std::function<void(const QString&)> crea;
        const char* motivo;  // in Italian, the language of a project not read; empty: the system's words
    } casi[] = {
        {"a pipe", [](const QString& f) { ASSERT_EQ(::mkfifo(QFile::encodeName(f).constData(), 0600), 0); }, "non è un file"},
        {"a link to /dev/zero", [](const QString& f) { ASSERT_TRUE(QFile::link("/dev/zero", f)); }, "non è un file"},
        {"a folder", [](const QString& f) { ASSERT_TRUE(QDir().mkpath(f)); }, "non è un file"},
        {"far too large", [](const QString& f) {
             QFile file(f);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             ASSERT_TRUE(file.resize(LimiteFileTesto + 1));  // sparse: no disk used
         }, "file troppo grande (17 MB)"},
        {"without permission", [](const QString& f) {
             ScriviFile(f, "Titolo          : Quenvox progetto\r\n");
             ASSERT_TRUE(QFile::setPermissions(f, QFile::WriteOwner));
         }, ""},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.nome);
        CasaTemporanea qui;
        const QString file = qui.Sotto("ProgettoQuenvox.txt");
        caso.crea(file);
        lingueApplicate.clear();
        ImpostazioniProgetto p;
        EsitoCaricamento e;
        {
            PermessiOrdinari ordinari;
            ASSERT_TRUE(ordinari.Motivo().isEmpty()) << ordinari.Motivo().toStdString();
            e = CaricaProgetto(p, file);
        }
        EXPECT_TRUE(e.Illeggibile);
        EXPECT_FALSE(e.FileAperto);
        if (*caso.motivo) EXPECT_EQ(e.ErroreLettura, QString::fromUtf8(caso.motivo));
        else EXPECT_EQ(e.ErroreLettura, qt_error_string(EACCES));
        EXPECT_FALSE(QFileInfo::exists(file + ".bak"));
        ImpostazioniGlobali.LinguaCorrente = LinguaInglese;
        const QString avviso = AvvisoCaricamento(e, file);
        EXPECT_TRUE(avviso.startsWith("The project file cannot be read:\n" + file + "\n" + e.ErroreLettura))
            << avviso.toStdString();
        EXPECT_EQ(lingueApplicate, std::vector<int>{0});
    }
    ImpostazioniProgetto p;
    EXPECT_FALSE(CaricaProgetto(p, File()).Illeggibile);  // a missing file is no error
}

// Every number is brought into its control's range: a glow of 100000 would take minutes.
TEST_F(FileProgetto, NumbersAreClampedToTheirControls) {
    ImpostazioniProgetto p;
    ScriviFile(File(), LeggiFile(Corpus("bagliore_enorme.txt")));
    EXPECT_TRUE(CaricaProgetto(p, File()).Completo);
    EXPECT_TRUE(p.FontGlowCheck);
    EXPECT_EQ(p.FontGlowSize, 30);

    QStringList r = Righe(LeggiFile(Corpus("predefinito.txt")));
    const struct {
        const char* chiave;
        const char* valore;
        int ImpostazioniProgetto::*membro;
        int atteso;
    } casi[] = {
        {"Durata", "5000", &ImpostazioniProgetto::ProgettoDurata, 1000},
        {"Font Size", "-3", &ImpostazioniProgetto::FontSize, 0},
        {"Font Size", "99999999999", &ImpostazioniProgetto::FontSize, 200},
        {"ShadowSize", "31", &ImpostazioniProgetto::FontShadowSize, 30},
        {"ShadowOffsetX", "-101", &ImpostazioniProgetto::FontShadowOffsetX, -100},
        {"Outline1Opacita", "250", &ImpostazioniProgetto::FontOutline1Opacita, 100},
        {"AlignT1SX", "7", &ImpostazioniProgetto::AlignT1SX, 1},
        {"ParticelleQuanti", "1000000", &ImpostazioniProgetto::EffettiParticelleQuantita, 1000},
        {"Intro2LogoScala", "0", &ImpostazioniProgetto::Intro2LogoScala, 1},
        {"Intro4Dimensione", "10", &ImpostazioniProgetto::Intro4Dimensione, 240},
        {"Intro4Onde", "500", &ImpostazioniProgetto::Intro4Onde, 10},
        {"Interlinea", "-38", &ImpostazioniProgetto::Interlinea, -38},
    };
    for (const auto& c : casi) {
        QStringList righe = r;
        const int i = Indice(righe, c.chiave);
        righe[i] = QString(c.chiave).leftJustified(16) + ": " + c.valore;
        ScriviFile(File(), Unisci(righe));
        ImpostazioniProgetto letto;
        EXPECT_TRUE(CaricaProgetto(letto, File()).Completo) << c.chiave;
        EXPECT_EQ(letto.*c.membro, c.atteso) << c.chiave << " " << c.valore;
    }
    EXPECT_EQ(ImpostazioniGlobali.TotaleFrame, 200.0f);
}

// The end of the session never saves over a project that could not be read, nor over an
// earlier session's copy: each copy gets the next free name, beside the project or, when its
// folder cannot be written, in the reserve folder; the same session writes its own copy again.
// Each copy apart is noted until a start has told it.
TEST_F(FileProgetto, SessionCopiesAreNumberedNeverOverwrittenAndNoted) {
    const QString progetto = casa.Sotto("progetto/ProgettoQuenvox.txt");
    const QString riserva = casa.Sotto("lavoro");
    QDir().mkpath(progetto + "/dentro");  // a folder in the project's place: it cannot be read
    QDir().mkpath(riserva);
    ImpostazioniProgetto imp;
    const auto Salva = [&](int dimensione, bool illeggibile, const QString& giaUsato = QString()) {
        imp.FontSize = dimensione;
        return SalvaProgettoFineSessione(imp, illeggibile, giaUsato, progetto, riserva);
    };
    const auto Contiene = [](const QString& percorso, int dimensione) {
        return LeggiFile(percorso).contains("Font Size       : " + QByteArray::number(dimensione) + "\r\n");
    };

    const EsitoSalvataggioSessione primo = Salva(101, true);
    EXPECT_EQ(primo.Percorso, progetto + ".nuovo");
    EXPECT_TRUE(primo.DaParte);
    const EsitoSalvataggioSessione secondo = Salva(102, true);
    EXPECT_EQ(secondo.Percorso, progetto + ".nuovo2");
    // The second session ends twice (the session manager, then the signal): its own copy again.
    EXPECT_EQ(Salva(103, true, secondo.Percorso).Percorso, progetto + ".nuovo2");
    EXPECT_TRUE(Contiene(progetto + ".nuovo", 101));
    EXPECT_TRUE(Contiene(progetto + ".nuovo2", 103));
    EXPECT_TRUE(QFileInfo(progetto).isDir());

    // A folder that cannot be written: a file in its place (so also for root).
    const QString altro = casa.Sotto("bloccato/ProgettoQuenvox.txt");
    ScriviFile(casa.Sotto("bloccato"), "x");
    imp.FontSize = 104;
    const EsitoSalvataggioSessione fuori = SalvaProgettoFineSessione(imp, false, QString(), altro, riserva);
    EXPECT_EQ(fuori.Percorso, riserva + "/ProgettoQuenvox.txt.nuovo");
    EXPECT_TRUE(fuori.DaParte);
    EXPECT_EQ(fuori.Errori.size(), 2) << fuori.Errori.join("\n").toStdString();
    EXPECT_TRUE(Contiene(fuori.Percorso, 104));

    // A project that can be written is saved in place, and nothing is noted.
    const QString buono = casa.Sotto("buono/ProgettoQuenvox.txt");
    QDir().mkpath(casa.Sotto("buono"));
    imp.FontSize = 105;
    const EsitoSalvataggioSessione inPosto = SalvaProgettoFineSessione(imp, false, QString(), buono, riserva);
    EXPECT_EQ(inPosto.Percorso, buono);
    EXPECT_FALSE(inPosto.DaParte);

    const QStringList note = {progetto + ".nuovo", progetto + ".nuovo2", riserva + "/ProgettoQuenvox.txt.nuovo"};
    EXPECT_EQ(SessioniSalvateDaParte(riserva, progetto), note);
    // A copy the user took away is not told; one told is not told again.
    QFile::remove(progetto + ".nuovo");
    EXPECT_EQ(SessioniSalvateDaParte(riserva, progetto), note.mid(1));
    SessioniSegnalate({note[1]}, riserva, progetto);
    EXPECT_EQ(SessioniSalvateDaParte(riserva, progetto), note.mid(2));
    SessioniSegnalate(note.mid(2), riserva, progetto);
    EXPECT_TRUE(SessioniSalvateDaParte(riserva, progetto).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(riserva + "/SessioniSalvate.txt"));
}

// Rescues that end together each take a name of their own and keep their whole session, and
// every one of them is noted: the name is taken by creating the file, never after a look.
TEST_F(FileProgetto, RescuesAtOnceNeverShareANameNorLoseANote) {
    const QString progetto = casa.Sotto("progetto/ProgettoQuenvox.txt");
    const QString riserva = casa.Sotto("lavoro");
    QDir().mkpath(casa.Sotto("progetto"));
    QDir().mkpath(riserva);
    constexpr int Quanti = 12;
    std::vector<EsitoSalvataggioSessione> esiti(Quanti);
    std::atomic<bool> via{false};
    std::vector<std::thread> fili;
    for (int i = 0; i < Quanti; ++i)
        fili.emplace_back([&, i] {
            ImpostazioniProgetto imp;
            imp.FontSize = 100 + i;
            while (!via) std::this_thread::yield();
            esiti[size_t(i)] = SalvaProgettoFineSessione(imp, true, QString(), progetto, riserva);
        });
    via = true;
    for (std::thread& f : fili) f.join();
    QStringList nomi;
    for (int i = 0; i < Quanti; ++i) {
        SCOPED_TRACE(i);
        const EsitoSalvataggioSessione& e = esiti[size_t(i)];
        EXPECT_TRUE(e.DaParte);
        EXPECT_TRUE(e.Errori.isEmpty()) << e.Errori.join("\n").toStdString();
        EXPECT_FALSE(nomi.contains(e.Percorso)) << e.Percorso.toStdString();
        nomi << e.Percorso;
        const QByteArray dentro = LeggiFile(e.Percorso);
        EXPECT_TRUE(dentro.contains("Font Size       : " + QByteArray::number(100 + i) + "\r\n"));
        EXPECT_TRUE(dentro.endsWith("Intro10DimMini  : 1\r\n"));  // whole, not cut by another's write
    }
    QStringList noti = SessioniSalvateDaParte(riserva, progetto);
    noti.sort();
    nomi.sort();
    EXPECT_EQ(noti, nomi);
}

// The list of rescued sessions names only the program's own copies that are still there, and a
// list that cannot be used (a pipe, a device, a folder, far too large) neither hangs nor hides a
// rescue: it is written anew, or the copies on disk are named.
TEST_F(FileProgetto, TheListOfRescuesIsNotTrusted) {
    const QString progetto = casa.Sotto("progetto/ProgettoQuenvox.txt");
    const QString riserva = casa.Sotto("lavoro");
    const QString lista = riserva + "/SessioniSalvate.txt";
    QDir().mkpath(casa.Sotto("progetto"));
    QDir().mkpath(riserva);
    ScriviFile(progetto + ".nuovo7", "una copia");
    ScriviFile(casa.Sotto("progetto/altro.txt"), "non nostro");
    ScriviFile(lista, ("/etc/passwd\r\nProgettoQuenvox.txt.nuovo7\r\n" + progetto + ".nuovo7\r\n" + progetto +
                       ".nuovo9\r\n" + casa.Sotto("progetto/altro.txt") + "\r\n" + casa.Sotto("progetto/../progetto/") +
                       "ProgettoQuenvox.txt.nuovo7\r\n" + casa.Sotto("altrove/ProgettoQuenvox.txt.nuovo") + "\r\n")
                          .toUtf8());
    EXPECT_EQ(SessioniSalvateDaParte(riserva, progetto), QStringList{progetto + ".nuovo7"});
    QFile::remove(progetto + ".nuovo7");
    QFile::remove(lista);

    const struct {
        const char* nome;
        std::function<void()> crea;
    } casi[] = {
        {"a pipe", [&] { ASSERT_EQ(::mkfifo(QFile::encodeName(lista).constData(), 0600), 0); }},
        // Never a link to a device here: a writer that followed it would replace the device.
        {"a link to a pipe", [&] {
             ASSERT_EQ(::mkfifo(QFile::encodeName(casa.Sotto("tubo")).constData(), 0600), 0);
             ASSERT_TRUE(QFile::link(casa.Sotto("tubo"), lista));
         }},
        {"a link to a file elsewhere", [&] {
             ScriviFile(casa.Sotto("fuori.txt"), "fuori");
             ASSERT_TRUE(QFile::link(casa.Sotto("fuori.txt"), lista));
         }},
        {"far too large", [&] {
             QFile file(lista);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             ASSERT_TRUE(file.resize(100 * 1024 * 1024));  // sparse: no disk used
         }},
        {"a folder", [&] { ASSERT_TRUE(QDir().mkpath(lista)); }},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.nome);
        caso.crea();
        EXPECT_TRUE(SessioniSalvateDaParte(riserva, progetto).isEmpty());
        ImpostazioniProgetto imp;
        const EsitoSalvataggioSessione e = SalvaProgettoFineSessione(imp, true, QString(), progetto, riserva);
        ASSERT_EQ(e.Percorso, progetto + ".nuovo");
        EXPECT_EQ(SessioniSalvateDaParte(riserva, progetto), QStringList{e.Percorso});
        SessioniSegnalate({e.Percorso}, riserva, progetto);
        const bool cartella = QFileInfo(lista).isDir();
        // Told once; only a folder in the list's place leaves the copies to be named again.
        EXPECT_EQ(SessioniSalvateDaParte(riserva, progetto).isEmpty(), !cartella);
        if (!cartella) {
            EXPECT_FALSE(QFileInfo::exists(lista) || QFileInfo(lista).isSymLink());
        }
        EXPECT_EQ(LeggiFile(casa.Sotto("fuori.txt")), QFileInfo::exists(casa.Sotto("fuori.txt")) ? "fuori" : "");
        QFile::remove(e.Percorso);
        QDir(lista).removeRecursively();
        QFile::remove(lista);
    }
}

// The project's folder and the work folder cannot be written (a file in each one's place, so
// also for root): with the home folder blocked too, the session goes to a folder of the user's
// alone in the temporary folder, made for it; with the home folder free, to the home folder.
// The list, which the work folder cannot hold, is kept in the private folder, and a start names
// both copies until it has told them.
TEST_F(FileProgetto, ASessionIsKeptWhenNoFolderOfTheUsersOwnCanBeWritten) {
    const QString progetto = casa.Sotto("progetto/ProgettoQuenvox.txt");
    const QString riserva = casa.Sotto("lavoro");
    ScriviFile(casa.Sotto("progetto"), "un file");
    ScriviFile(riserva, "un file");
    ImpostazioniProgetto imp;
    imp.FontSize = 131;
    qputenv("HOME", QFile::encodeName(casa.Sotto("progetto")));
    const EsitoSalvataggioSessione inTemporanea = SalvaProgettoFineSessione(imp, false, QString(), progetto, riserva);
    qputenv("HOME", QFile::encodeName(Casa()));
    EXPECT_EQ(inTemporanea.Percorso, Privata() + "/ProgettoQuenvox.txt.nuovo");
    EXPECT_TRUE(inTemporanea.DaParte);
    EXPECT_TRUE(ContieneDimensione(inTemporanea.Percorso, 131));
    struct stat info {};
    ASSERT_EQ(::lstat(QFile::encodeName(Privata()).constData(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 07777, 0700u);
    EXPECT_EQ(info.st_uid, ::geteuid());
    EXPECT_TRUE(QFileInfo(Privata() + "/SessioniSalvate.txt").isFile());
    EXPECT_EQ(SessioniSalvateDaParte(riserva, progetto), QStringList{inTemporanea.Percorso});

    imp.FontSize = 132;
    const EsitoSalvataggioSessione inCasa = SalvaProgettoFineSessione(imp, false, QString(), progetto, riserva);
    EXPECT_EQ(inCasa.Percorso, Casa() + "/ProgettoQuenvox.txt.nuovo");
    EXPECT_TRUE(inCasa.DaParte);
    EXPECT_TRUE(ContieneDimensione(inCasa.Percorso, 132));

    const QStringList entrambe = {inTemporanea.Percorso, inCasa.Percorso};
    EXPECT_EQ(SessioniSalvateDaParte(riserva, progetto), entrambe);
    SessioniSegnalate(entrambe, riserva, progetto);
    EXPECT_TRUE(SessioniSalvateDaParte(riserva, progetto).isEmpty());
    EXPECT_TRUE(QFileInfo::exists(inCasa.Percorso));
    EXPECT_TRUE(QFileInfo::exists(inTemporanea.Percorso));
}

// Under the private folder's name a folder others may enter, a link or a file is never used: the
// session then fails with the reason rather than go where another user could read or swap it.
TEST_F(FileProgetto, APrivateFolderThatIsNotTheUsersAloneIsNeverUsed) {
    const struct {
        const char* nome;
        std::function<void()> crea;
    } casi[] = {
        {"a folder others may enter", [&] {
             ASSERT_TRUE(QDir().mkpath(Privata()));
             ASSERT_EQ(::chmod(QFile::encodeName(Privata()).constData(), 0755), 0);
         }},
        {"a link to a folder of the user's", [&] {
             ASSERT_EQ(::mkdir(QFile::encodeName(casa.Sotto("altra")).constData(), 0700), 0);
             ASSERT_TRUE(QFile::link(casa.Sotto("altra"), Privata()));
         }},
        {"a file", [&] { ScriviFile(Privata(), "x"); }},
    };
    const QString progetto = casa.Sotto("progetto/ProgettoQuenvox.txt");
    const QString riserva = casa.Sotto("lavoro");
    ScriviFile(casa.Sotto("progetto"), "un file");
    ScriviFile(riserva, "un file");
    qputenv("HOME", QFile::encodeName(riserva));
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        c.crea();
        ImpostazioniProgetto imp;
        const EsitoSalvataggioSessione e = SalvaProgettoFineSessione(imp, false, QString(), progetto, riserva);
        EXPECT_TRUE(e.Percorso.isEmpty()) << e.Percorso.toStdString();
        ASSERT_FALSE(e.Errori.isEmpty());
        EXPECT_TRUE(e.Errori.last().startsWith(Privata() + ": ")) << e.Errori.join("\n").toStdString();
        EXPECT_TRUE(CopieIn(Privata()).isEmpty());
        EXPECT_TRUE(CopieIn(casa.Sotto("altra")).isEmpty());
        EXPECT_TRUE(SessioniSalvateDaParte(riserva, progetto).isEmpty());
        QFile::remove(Privata());
        QDir(Privata()).removeRecursively();
    }
}

// A disk that fills while a rescue is written leaves no half copy in any folder to pass for a
// session: nothing is named, and once there is room the next rescue takes the first name.
TEST_F(FileProgetto, ARescueWhoseWriteFailsLeavesNoHalfCopyAnywhere) {
    const QString progetto = casa.Sotto("progetto/ProgettoQuenvox.txt");
    const QString riserva = casa.Sotto("lavoro");
    QDir().mkpath(casa.Sotto("progetto"));
    QDir().mkpath(riserva);
    ImpostazioniProgetto imp;
    EsitoSalvataggioSessione pieno;
    {
        LimiteFile limite(4096);
        ASSERT_TRUE(limite.Attivo());
        pieno = SalvaProgettoFineSessione(imp, true, QString(), progetto, riserva);
    }
    EXPECT_TRUE(pieno.Percorso.isEmpty());
    ASSERT_EQ(pieno.Errori.size(), 4) << pieno.Errori.join("\n").toStdString();
    for (const QString& errore : pieno.Errori) EXPECT_TRUE(errore.endsWith(qt_error_string(EFBIG))) << errore.toStdString();
    for (const QString& cartella : {casa.Sotto("progetto"), riserva, Casa(), Privata()})
        EXPECT_TRUE(CopieIn(cartella).isEmpty()) << cartella.toStdString();
    EXPECT_TRUE(SessioniSalvateDaParte(riserva, progetto).isEmpty());
    EXPECT_EQ(SalvaProgettoFineSessione(imp, true, QString(), progetto, riserva).Percorso, progetto + ".nuovo");
}

// The list names only copies of ours: a file of a copy's name in another folder, and a folder, a
// pipe or a link under a copy's name in the program's own folders are not named; a copy listed
// twice, or spelled two ways, is named once.
TEST_F(FileProgetto, TheListNamesOnlyTheProgramsOwnCopiesEachOnce) {
    const QString progetto = casa.Sotto("progetto/ProgettoQuenvox.txt");
    const QString riserva = casa.Sotto("lavoro");
    QDir().mkpath(casa.Sotto("progetto"));
    QDir().mkpath(casa.Sotto("altrove"));
    QDir().mkpath(riserva);
    ScriviFile(progetto + ".nuovo", "nostra");
    ScriviFile(casa.Sotto("altrove/ProgettoQuenvox.txt.nuovo"), "non nostra");
    ASSERT_TRUE(QDir().mkpath(progetto + ".nuovo2"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(progetto + ".nuovo3").constData(), 0600), 0);
    ScriviFile(casa.Sotto("altrove/vero.txt"), "altrove");
    ASSERT_TRUE(QFile::link(casa.Sotto("altrove/vero.txt"), progetto + ".nuovo4"));
    const QStringList righe = {
        progetto + ".nuovo",
        casa.Sotto("altrove/ProgettoQuenvox.txt.nuovo"),
        progetto + ".nuovo2",
        progetto + ".nuovo3",
        progetto + ".nuovo4",
        progetto + ".nuovo",
        casa.Percorso() + "//progetto/./ProgettoQuenvox.txt.nuovo",
    };
    ScriviFile(riserva + "/SessioniSalvate.txt", Unisci(righe));
    EXPECT_EQ(SessioniSalvateDaParte(riserva, progetto), QStringList{progetto + ".nuovo"});

    // The same copy noted in the temporary folder's list as well is still named once.
    ASSERT_EQ(::mkdir(QFile::encodeName(Privata()).constData(), 0700), 0);
    ScriviFile(Privata() + "/SessioniSalvate.txt", Unisci({progetto + ".nuovo"}));
    EXPECT_EQ(SessioniSalvateDaParte(riserva, progetto), QStringList{progetto + ".nuovo"});

    // A list written anew holds each copy once, so repeats never pile up in it.
    ImpostazioniProgetto imp;
    const EsitoSalvataggioSessione e = SalvaProgettoFineSessione(imp, true, QString(), progetto, riserva);
    ASSERT_EQ(e.Percorso, progetto + ".nuovo5");
    const QStringList scritte = Righe(LeggiFile(riserva + "/SessioniSalvate.txt"));
    EXPECT_EQ(scritte.count(progetto + ".nuovo"), 1) << scritte.join("\n").toStdString();
    EXPECT_EQ(scritte.count(e.Percorso), 1);
}

// A list that cannot be used hides no copy on disk, not even past one the user deleted: a start
// names every copy still there, and the next rescue writes the list anew with all of them.
TEST_F(FileProgetto, AListThatCannotBeUsedHidesNoCopyOnDisk) {
    const struct {
        const char* nome;
        std::function<void(const QString& lista)> guasta;
    } casi[] = {
        {"far too large", [](const QString& lista) {
             QFile file(lista);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             ASSERT_TRUE(file.resize(100 * 1024 * 1024));  // sparse: no disk used
         }},
        {"a pipe", [](const QString& lista) {
             QFile::remove(lista);
             ASSERT_EQ(::mkfifo(QFile::encodeName(lista).constData(), 0600), 0);
         }},
        {"a folder", [](const QString& lista) {
             QFile::remove(lista);
             ASSERT_TRUE(QDir().mkpath(lista));
         }},
    };
    int n = 0;
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        const QString cartella = casa.Sotto(QString("caso%1").arg(++n));
        const QString progetto = cartella + "/progetto/ProgettoQuenvox.txt";
        const QString riserva = cartella + "/lavoro";
        QDir().mkpath(cartella + "/progetto");
        QDir().mkpath(riserva);
        ImpostazioniProgetto imp;
        for (int i = 1; i <= 3; ++i) SalvaProgettoFineSessione(imp, true, QString(), progetto, riserva);
        const QStringList tre = {progetto + ".nuovo", progetto + ".nuovo2", progetto + ".nuovo3"};
        ASSERT_EQ(SessioniSalvateDaParte(riserva, progetto), tre);
        QFile::remove(progetto + ".nuovo");
        c.guasta(riserva + "/SessioniSalvate.txt");
        EXPECT_EQ(SessioniSalvateDaParte(riserva, progetto), tre.mid(1));

        const EsitoSalvataggioSessione nuova = SalvaProgettoFineSessione(imp, true, QString(), progetto, riserva);
        ASSERT_EQ(nuova.Percorso, progetto + ".nuovo");
        QStringList nominate = SessioniSalvateDaParte(riserva, progetto);
        nominate.sort();
        EXPECT_EQ(nominate, tre);
        QDir(Privata()).removeRecursively();
    }
}

// Folders spelled with a trailing or a double slash (an XDG_DATA_HOME that ends in "/") name
// the same copies, also in a list an older start wrote that way: paths are compared clean on
// both sides.
TEST_F(FileProgetto, RescuesAreNamedHoweverTheirFoldersAreSpelled) {
    const QString progetto = casa.Sotto("progetto/ProgettoQuenvox.txt");
    QDir().mkpath(casa.Sotto("progetto"));
    QDir().mkpath(casa.Sotto("lavoro"));
    const QString progetti[] = {progetto, casa.Percorso() + "//progetto///ProgettoQuenvox.txt"};
    const QString riserve[] = {casa.Sotto("lavoro"), casa.Sotto("lavoro/"), casa.Sotto("lavoro//"),
                               casa.Percorso() + "//lavoro", casa.Sotto("./lavoro/.")};
    ImpostazioniProgetto imp;
    for (const QString& salvataggio : riserve) {
        SCOPED_TRACE(salvataggio.toStdString());
        const EsitoSalvataggioSessione e =
            SalvaProgettoFineSessione(imp, true, QString(), progetti[1], salvataggio);
        ASSERT_EQ(e.Percorso, progetto + ".nuovo");
        for (const QString& lettura : riserve)
            for (const QString& p : progetti)
                EXPECT_EQ(SessioniSalvateDaParte(lettura, p), QStringList{e.Percorso})
                    << lettura.toStdString() << " " << p.toStdString();
        SessioniSegnalate({e.Percorso}, riserve[2], progetti[1]);
        EXPECT_TRUE(SessioniSalvateDaParte(salvataggio, progetto).isEmpty());
        QFile::remove(e.Percorso);
    }
    // A work folder's copy, in a list an older start wrote with the slashes as they came.
    ScriviFile(casa.Sotto("lavoro/ProgettoQuenvox.txt.nuovo"), "copia");
    ScriviFile(casa.Sotto("lavoro/SessioniSalvate.txt"),
               (casa.Percorso() + "//lavoro//ProgettoQuenvox.txt.nuovo\r\n").toUtf8());
    EXPECT_EQ(SessioniSalvateDaParte(casa.Sotto("lavoro/"), progetto),
              QStringList{casa.Sotto("lavoro/ProgettoQuenvox.txt.nuovo")});
}

// A file cut anywhere in the language block (at a line's end or inside a line), read over
// boxes that disagree: the language stays Italian unless the block was read whole, and exactly
// one box is on afterwards, the language applied last.
TEST_F(FileProgetto, AFileCutInTheLanguageBlockLeavesOneBoxOnAndItIsTheLanguage) {
    ImpostazioniProgetto tedesco;
    tedesco.Impostazioni_Lingua0 = false;
    tedesco.Impostazioni_Lingua3 = true;
    ASSERT_TRUE(SalvaProgetto(tedesco, nullptr, File()));
    const QStringList righe = Righe(LeggiFile(File()));
    const qsizetype jpg = Indice(righe, "JPG");
    ASSERT_EQ(jpg, 2 + 7 + 5);  // title, version, banner, five boxes
    struct Caso {
        QByteArray contenuto;
        int lingua;  // German once the whole block was read, else Italian
    };
    std::vector<Caso> casi;
    for (qsizetype n = 2; n <= jpg + 1; ++n) {
        const QByteArray intere = (righe.mid(0, n).join("\r\n") + "\r\n").toUtf8();
        // A block cut anywhere, even after Lingua3's line, leaves Italian; it counts as whole
        // once the line after it is there.
        const int lingua = n > jpg ? 3 : 0;
        casi.push_back({intere, lingua});
        if (n <= jpg) casi.push_back({intere + righe[n].left(18).toUtf8(), lingua});  // the next key without its value
    }
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.contenuto.right(40).toStdString());
        ScriviFile(File(), c.contenuto);
        ImpostazioniProgetto p;
        p.Impostazioni_Lingua0 = false;
        p.Impostazioni_Lingua1 = true;  // two boxes on before the read
        p.Impostazioni_Lingua4 = true;
        lingueApplicate.clear();
        CaricaProgetto(p, File());
        const bool caselle[] = {p.Impostazioni_Lingua0, p.Impostazioni_Lingua1, p.Impostazioni_Lingua2,
                                p.Impostazioni_Lingua3, p.Impostazioni_Lingua4};
        EXPECT_EQ(std::count(std::begin(caselle), std::end(caselle), true), 1);
        const int lingua = ImpostazioniGlobali.LinguaCorrente;
        EXPECT_EQ(lingua, c.lingua);
        ASSERT_GE(lingua, 0);
        ASSERT_LE(lingua, 4);
        EXPECT_TRUE(caselle[lingua]) << lingua;
        ASSERT_FALSE(lingueApplicate.empty());
        EXPECT_EQ(lingueApplicate.back(), lingua);
    }
}
