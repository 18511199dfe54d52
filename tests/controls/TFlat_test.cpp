// The flat boxes: what code sets fires nothing, what the user does fires Modificato.
#include "controls/StileFlat.h"
#include "controls/TFlatComboBox.h"
#include "controls/TFlatEdit.h"
#include "controls/TFlatMemo.h"

#include <gtest/gtest.h>

#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMimeData>

#include <functional>
#include <string>

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

// Un testo più lungo di quanto la casella tiene viene tagliato dalla casella: messo dal codice o
// incollato, il taglio si dice con la lunghezza che il testo avrebbe avuto; quel che ci sta, no.
TEST(TFlatEdit, UnTestoTagliatoDallaCasellaLoDice) {
    TFlatEdit edit;
    edit.setMaxLength(10);
    QSignalSpy tagli(&edit, &TFlatEdit::Tagliato);
    const struct {
        const char* testo;
        qsizetype tagliato;  // 0: nessun taglio
    } casi[] = {{"Drovaskent", 0}, {"Drovaskent presenta", 19}, {"", 0}};
    for (const auto& c : casi) {
        tagli.clear();
        edit.SetText(c.testo);
        EXPECT_EQ(edit.Text(), QString(c.testo).left(10));
        ASSERT_EQ(tagli.count(), c.tagliato ? 1 : 0) << c.testo;
        if (c.tagliato) {
            EXPECT_EQ(tagli[0][0].value<qsizetype>(), c.tagliato);
        }
    }

    edit.show();
    edit.setFocus();
    edit.SetText("Quen");
    QTest::keyClick(&edit, Qt::Key_End);
    QApplication::clipboard()->setText("vox");
    tagli.clear();
    QTest::keySequence(&edit, QKeySequence::Paste);
    EXPECT_EQ(edit.Text(), "Quenvox");
    EXPECT_EQ(tagli.count(), 0);
    // Over a selection the selection goes, and a pasted text is kept with its line break:
    // "Quen" + "vox intro 2026\nseconda riga" would be 31.
    QApplication::clipboard()->setText("vox intro 2026\nseconda riga");
    edit.setSelection(4, 3);
    QTest::keySequence(&edit, QKeySequence::Paste);
    EXPECT_EQ(edit.Text(), "Quenvox in");
    ASSERT_EQ(tagli.count(), 1);
    EXPECT_EQ(tagli[0][0].value<qsizetype>(), 31);
}

// Every way a text comes into the box tells the cut the same way: a paste, a drop, an input
// method's text; what fits is not told.
TEST(TFlatEdit, OgniIngressoCheTagliaLoDice) {
    const std::function<void(TFlatEdit&, const QString&)> ingressi[] = {
        [](TFlatEdit& e, const QString& t) {
            QApplication::clipboard()->setText(t);
            QTest::keySequence(&e, QKeySequence::Paste);
        },
        [](TFlatEdit& e, const QString& t) {
            QMimeData dati;
            dati.setText(t);
            const QPoint dove(e.width() - 1, e.height() / 2);
            QDragEnterEvent entra(dove, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&e, &entra);
            QDropEvent caduta(dove, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&e, &caduta);
        },
        [](TFlatEdit& e, const QString& t) {
            QInputMethodEvent metodo;
            metodo.setCommitString(t);
            QApplication::sendEvent(&e, &metodo);
        },
    };
    const struct {
        const char* entrante;
        const char* tenuto;
        qsizetype tagliato;  // 0: nessun taglio
    } casi[] = {{"vox", "Quenvox", 0}, {"vox intro 2026\nseconda riga", "Quenvox in", 31}};
    int modo = 0;
    for (const auto& ingresso : ingressi) {
        for (const auto& c : casi) {
            SCOPED_TRACE(std::to_string(modo) + ": " + c.entrante);
            TFlatEdit edit;
            edit.setMaxLength(10);
            edit.show();
            edit.setFocus();
            edit.SetText("Quen");
            QTest::keyClick(&edit, Qt::Key_End);
            QSignalSpy tagli(&edit, &TFlatEdit::Tagliato);
            ingresso(edit, c.entrante);
            EXPECT_EQ(edit.Text(), c.tenuto);
            ASSERT_EQ(tagli.count(), c.tagliato ? 1 : 0);
            if (c.tagliato) {
                EXPECT_EQ(tagli[0][0].value<qsizetype>(), c.tagliato);
            }
        }
        ++modo;
    }
}

// Keys typed into a full box are dropped, and told once: not at every key, and again once the
// box had room and is full anew. A key that takes a selection's place fits and is not told.
TEST(TFlatEdit, DigitareInUnaCasellaPienaLoDiceUnaVolta) {
    TFlatEdit edit;
    edit.setMaxLength(10);
    edit.show();
    edit.setFocus();
    edit.SetText("Drovaskent");
    QTest::keyClick(&edit, Qt::Key_End);
    QSignalSpy tagli(&edit, &TFlatEdit::Tagliato);
    QTest::keyClicks(&edit, "xyz");
    EXPECT_EQ(edit.Text(), "Drovaskent");
    ASSERT_EQ(tagli.count(), 1);
    EXPECT_EQ(tagli[0][0].value<qsizetype>(), 11);
    // Keys that type nothing are not a cut.
    QTest::keyClick(&edit, Qt::Key_Left);
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(tagli.count(), 1);
    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClicks(&edit, "T");
    EXPECT_EQ(edit.Text(), "DrovaskenT");
    EXPECT_EQ(tagli.count(), 1);
    QTest::keyClicks(&edit, "!");
    EXPECT_EQ(tagli.count(), 2);
    edit.setSelection(0, 1);
    QTest::keyClicks(&edit, "d");
    EXPECT_EQ(edit.Text(), "drovaskenT");
    EXPECT_EQ(tagli.count(), 2);
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
