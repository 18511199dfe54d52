// The flat boxes: what code sets fires nothing, what the user does fires Modificato.
#include "controls/StileFlat.h"
#include "controls/TFlatComboBox.h"
#include "controls/TFlatEdit.h"
#include "controls/TFlatMemo.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QAbstractItemView>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

TEST(TFlatEdit, SoloLeModificheDellUtenteFannoEvento) {
    TFlatEdit edit;
    QSignalSpy spia(&edit, &TFlatEdit::Modificato);
    edit.SetText("Drovaskent");
    EXPECT_EQ(edit.Text(), "Drovaskent");
    EXPECT_EQ(spia.count(), 0);

    edit.show();
    edit.setFocus();
    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClicks(&edit, "!");
    EXPECT_EQ(edit.Text(), "Drovaskent!");
    EXPECT_EQ(spia.count(), 1);

    QApplication::clipboard()->setText("xy");
    edit.paste();
    EXPECT_EQ(spia.count(), 2);

    QInputMethodEvent composizione;
    composizione.setCommitString("é");
    QApplication::sendEvent(&edit, &composizione);
    EXPECT_EQ(edit.Text(), "Drovaskent!xyé");
    EXPECT_EQ(spia.count(), 3);

    edit.SetText("altro");
    EXPECT_EQ(spia.count(), 3);
}

TEST(TFlatMemo, RigheDaCodiceSenzaEventoEDigitazioneConEvento) {
    TFlatMemo memo;
    QSignalSpy spia(&memo, &TFlatMemo::Modificato);
    EXPECT_TRUE(memo.Lines().isEmpty());
    memo.SetLines({"uno", "", "tre"});
    EXPECT_EQ(memo.Lines(), QStringList({"uno", "", "tre"}));
    EXPECT_EQ(spia.count(), 0);

    memo.show();
    memo.setFocus();
    QTest::keyClick(&memo, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(&memo, "x");
    EXPECT_EQ(memo.Lines().last(), "trex");
    EXPECT_EQ(spia.count(), 1);
    memo.SetText("");
    EXPECT_EQ(spia.count(), 1);
}

TEST(TFlatComboBox, SoloSceltaConVociDa19PixelEEventoSoloDallUtente) {
    TFlatComboBox box;
    QSignalSpy spia(&box, &TFlatComboBox::Modificato);
    box.SetVoci({"/home/a", "/tmp"});
    EXPECT_FALSE(box.isEditable());
    EXPECT_EQ(box.IndiceVoce(), -1);
    box.SetIndiceVoce(1);
    EXPECT_EQ(box.Testo(), "/tmp");
    box.SetIndiceVoce(5);  // no such item: nothing selected
    EXPECT_EQ(box.IndiceVoce(), -1);
    EXPECT_EQ(spia.count(), 0);

    emit box.activated(0);  // as the popup does when the user picks a row
    EXPECT_EQ(spia.count(), 1);
    EXPECT_EQ(box.view()->sizeHintForRow(0), StileFlat::AltezzaVoce);
}

}  // namespace
