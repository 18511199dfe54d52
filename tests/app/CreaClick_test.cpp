#include "app/BancoFinestra.h"
#include "app/CreaClick.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

TEST(CreaClick, DefaultsGiveEightyFiveLines) {
    const QStringList righe = TestoCreaClick(ImpostazioniProgetto());
    ASSERT_EQ(righe.size(), 85);
    struct Caso {
        int riga;  // 0-based
        const char* testo;
    };
    const Caso casi[] = {
        {0, "SfondoCheckSfondoColorato->Checked=true;"},
        {1, "SfondoColori->Colore1=(TColor) RGB(0,199,214);"},
        {6, "Testo1->Text=\"Drovaskent\";"},
        {9, "Testo->Lines->Clear();"},
        {11, "AlignT1Centro->SelezionatoTipo=1;"},
        {30, "Interlinea->ORV_Valore=1;"},
        {39, "\tstrcpy(sfont,FontElenco->ListaPossibiliValori->Strings[ciclofont].c_str());"},
        {42, "\t\tif (strncmp(sfont,sfont1,strlen(sfont))==0)//è lui"},
        {44, "\t\t\tFontElenco->ListaPossibiliValoriVoce=ciclofont;"},
        {48, "}"},
        {49, "FontSize->Valore=160;"},
        {50, "FontColore->Colore1=(TColor) RGB(179,121,0);"},
        {58, "FontGlowColore->Brush->Color=(TColor) RGB(128,0,255);"},
        {78, "EffettoLensFlareLista->ORV_Voce=1;"},
        {84, "EffettiParticelleColore->Colore2=(TColor) RGB(60,60,160);"},
    };
    for (const Caso& c : casi) EXPECT_EQ(righe[c.riga].toStdString(), c.testo) << c.riga;
}

TEST(CreaClick, APictureBackgroundAddsItsPathAfterItsBox) {
    ImpostazioniProgetto m;
    m.SfondoCheckSfondoColorato = false;
    m.SfondoCheckSfondoBitmap = true;
    m.SfondoBitmap = QStringLiteral("/foto/mare.jpg");
    const QStringList righe = TestoCreaClick(m);
    EXPECT_EQ(righe.size(), 84);
    EXPECT_EQ(righe[0], QStringLiteral("SfondoCheckSfondoColorato->Checked=false;"));
    EXPECT_EQ(righe[2], QStringLiteral("SfondoCheckSfondoBitmap->Checked=true;"));
    EXPECT_EQ(righe[3], QStringLiteral("SfondoBitmap->Caption=\"/foto/mare.jpg\";"));
}

TEST(CreaClick, HiddenDeveloperControls) {
    BancoFinestra b;
    for (const char* nome : {"Button1", "Button2", "Crea", "Memo1", "Copia", "Button3", "M0", "M9"})
        EXPECT_TRUE(b.W(nome)->isHidden()) << nome;
    b.W<QLineEdit>("M0")->setText(QStringLiteral("7"));
    EXPECT_EQ(b.W<QLineEdit>("M9")->text(), QStringLiteral("7"));
    b.W<QPushButton>("Crea")->click();
    const QString testo = b.W<QPlainTextEdit>("Memo1")->toPlainText();
    EXPECT_EQ(testo.split('\n').size(), 85);
    EXPECT_EQ(QApplication::clipboard()->text(), testo);
    const int prima = b.Richiesti();
    b.W<QPushButton>("Button2")->click();
    EXPECT_EQ(b.Richiesti(), prima + 1);
}
