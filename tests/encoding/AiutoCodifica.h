#pragma once
// Shared by the run tests: small frame files and a run waited for to its end.
#include "common/Attesa.h"
#include "encoding/LavoroCodifica.h"
#include "platform/Jpeg.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <vector>

inline QString CartellaDati() {
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/dati");
}

// Frames 1..numero of a small moving picture as the renderer names them.
inline void ScriviFrame(const QString& cartellaVideo, int numero, bool jpg, int larghezza = 64, int altezza = 36) {
    QDir().mkpath(cartellaVideo + QStringLiteral("/Frames"));
    for (int i = 1; i <= numero; ++i) {
        QImage img(larghezza, altezza, QImage::Format_RGB32);
        img.fill(QColor(20, 40, 120));
        QPainter p(&img);
        p.fillRect(i * 6 % larghezza, 4, 12, altezza - 8, QColor(240, 200, 30));
        p.end();
        const QString nome = QStringLiteral("%1/Frames/Image_%2.%3")
                                 .arg(cartellaVideo)
                                 .arg(i, 4, 10, QLatin1Char('0'))
                                 .arg(jpg ? "jpg" : "bmp");
        if (jpg)
            ASSERT_TRUE(ScriviJpeg(img, nome));
        else
            ASSERT_TRUE(img.save(nome, "BMP"));
    }
}

// Keeps the events going until the condition holds; false when it never did (a hang).
template <typename Condizione>
bool AttendiFinche(Condizione condizione, int millisecondi = LimiteAttesaMs) {
    QElapsedTimer t;
    t.start();
    while (!condizione()) {
        if (t.elapsed() > millisecondi) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return true;
}

// Processes of a group that are still alive (zombies do not count).
inline int ProcessiVivi(qint64 gruppo) {
    int vivi = 0;
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly)) continue;
        const QByteArray testo = stat.readAll();
        const QList<QByteArray> campi = testo.mid(testo.lastIndexOf(')') + 2).split(' ');
        if (campi.size() > 2 && campi[2].toLongLong() == gruppo && campi[0] != "Z") ++vivi;
    }
    return vivi;
}

inline int AttendiGruppoVuoto(qint64 gruppo) {
    QElapsedTimer t;
    t.start();
    while (ProcessiVivi(gruppo) > 0 && t.elapsed() < LimiteAttesaMs) QThread::msleep(20);
    return ProcessiVivi(gruppo);
}

// The fake encoder copied where it is surely executable, whatever the checkout did to the mode;
// FINTO_MODO in the environment says how it behaves.
inline QString CopiaFintoEncoder(const QString& destinazione) {
    QFile::remove(destinazione);
    EXPECT_TRUE(QFile::copy(CartellaDati() + "/finto_ffmpeg.sh", destinazione));
    QFile::setPermissions(destinazione, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return destinazione;
}

// The fake prober beside it, which reads what the fake encoder writes.
inline QString CopiaFintaSonda(const QString& destinazione) {
    QFile::remove(destinazione);
    EXPECT_TRUE(QFile::copy(CartellaDati() + "/finto_ffprobe.sh", destinazione));
    QFile::setPermissions(destinazione, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return destinazione;
}

// Everything a job reported.
struct Registro {
    explicit Registro(LavoroCodifica& lavoro) {
        QObject::connect(&lavoro, &LavoroCodifica::rigaLetta, [this](const QString& r) { Righe << r; });
        QObject::connect(&lavoro, &LavoroCodifica::progresso,
                         [this](int v, int m) { Progresso.push_back({v, m}); });
        QObject::connect(&lavoro, &LavoroCodifica::anteprima, [this](const QString& p) { Anteprime << p; });
        QObject::connect(&lavoro, &LavoroCodifica::figureAggiornate,
                         [this](const FigureCodifica& f) { Figure.push_back(f); });
        QObject::connect(&lavoro, &LavoroCodifica::terminata, [this](const RisultatoCodifica&) { ++Fini; });
    }
    QStringList Righe;
    std::vector<std::pair<int, int>> Progresso;
    QStringList Anteprime;
    std::vector<FigureCodifica> Figure;
    int Fini = 0;
};

// Runs the job and waits for its end; the result, or a failed test when it never ends.
inline RisultatoCodifica AttendiFine(LavoroCodifica& lavoro, int millisecondi = LimiteAttesaMs) {
    int fini = 0;
    const auto c = QObject::connect(&lavoro, &LavoroCodifica::terminata, [&fini] { ++fini; });
    lavoro.EseguiCodifica(QDateTime(QDate(2026, 12, 10), QTime(9, 5, 3)));
    EXPECT_TRUE(AttendiFinche([&] { return fini > 0; }, millisecondi)) << "the run did not end";
    EXPECT_EQ(fini, 1);
    QObject::disconnect(c);
    return lavoro.Risultato();
}
