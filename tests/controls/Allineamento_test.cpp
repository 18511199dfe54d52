#include "controls/Allineamento.h"

#include <QCoreApplication>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

TEST(Allineamento, OgniLatoPrendeIlSuoBordoDiQuelloCheResta) {
    using A = Allineamento;
    const std::vector<FiglioAllineato> figli = {
        {A::Client, QRect(0, 0, 10, 10)}, {A::Sinistra, QRect(50, 50, 5, 9)}, {A::Alto, QRect(7, 7, 80, 30)},
        {A::Destra, QRect(0, 0, 5, 5)},   {A::Basso, QRect(3, 3, 1, 5)},       {A::Nessuno, QRect(9, 9, 9, 9)},
        {A::Alto, QRect(0, 0, 1, 4)},
    };
    const std::vector<QRect> attese = {
        QRect(5, 34, 390, 261), QRect(0, 34, 5, 261), QRect(0, 0, 400, 30), QRect(395, 34, 5, 261),
        QRect(0, 295, 400, 5),  QRect(9, 9, 9, 9),    QRect(0, 30, 400, 4),
    };
    EXPECT_EQ(DisponiAllineati(QSize(400, 300), figli), attese);
    // Too small a parent: nothing gets a negative size.
    for (const QRect& r : DisponiAllineati(QSize(6, 6), figli)) {
        EXPECT_GE(r.width(), 0);
        EXPECT_GE(r.height(), 0);
    }
}

TEST(Allineamento, SegueIlGenitoreCheCambiaDimensione) {
    QWidget genitore;
    genitore.resize(300, 200);
    QWidget alto(&genitore), tutto(&genitore);
    alto.resize(10, 20);
    ImpostaAllineamento(&alto, Allineamento::Alto);
    ImpostaAllineamento(&tutto, Allineamento::Client);
    EXPECT_EQ(tutto.geometry(), QRect(0, 20, 300, 180));
    genitore.show();  // a hidden widget hears of its new size only when shown
    genitore.resize(500, 400);
    QCoreApplication::processEvents();
    EXPECT_EQ(alto.geometry(), QRect(0, 0, 500, 20));
    EXPECT_EQ(tutto.geometry(), QRect(0, 20, 500, 380));
}

}  // namespace
