#pragma once
// Runs the whole program in this process until it ends: azione runs once, as soon as pronta
// says the main window is where the test wants it; a run that hangs is ended, its open
// dialogs closed unanswered, and reported with what they showed.
#include "app/Avvio.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTimer>

#include <functional>

inline bool EseguiProgramma(Programma& programma, const std::function<bool()>& pronta,
                            const std::function<void()>& azione) {
    bool aperta = false;
    QTimer sonda;
    sonda.setInterval(5);
    QObject::connect(&sonda, &QTimer::timeout, [&] {
        if (aperta || !pronta()) return;
        aperta = true;
        azione();
    });
    bool scaduto = false;
    QString bloccata;
    QTimer guardia;
    guardia.setSingleShot(true);
    QObject::connect(&guardia, &QTimer::timeout, [&] {
        scaduto = true;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) {
                bloccata += QString::fromLatin1(d->metaObject()->className()) + QLatin1Char(' ');
                for (QLabel* l : d->findChildren<QLabel*>()) bloccata += l->text() + QLatin1Char(' ');
                d->done(0);
            }
        QCoreApplication::exit(1);
    });
    sonda.start();
    guardia.start(30000);
    programma.Avvia();
    QApplication::exec();
    EXPECT_FALSE(scaduto) << "the program did not end; main window open: " << aperta
                          << "; open: " << bloccata.toStdString();
    return aperta && !scaduto;
}
