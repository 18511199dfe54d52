#pragma once
// Element lines of the timeline, written column by column as a host writes them.
#include <QString>

inline QString RigaElemento(int traccia, int id, int primo, int ultimo, const QString& nome = QStringLiteral("Clip"),
                            int rosso = 40, int verde = 90, int blu = 160, char stato = '1', int progresso = 0,
                            const QString& secondo = QString()) {
    QString r = QString(186, QLatin1Char(' '));
    auto metti = [&](int colonna, const QString& testo) { r.replace(colonna, testo.size(), testo); };
    metti(0, QStringLiteral("%1").arg(traccia, 3));
    metti(4, QStringLiteral("%1").arg(id, 5));
    metti(16, QStringLiteral("%1").arg(primo, 6, 10, QLatin1Char('0')));
    metti(23, QStringLiteral("%1").arg(ultimo, 6, 10, QLatin1Char('0')));
    metti(30, nome.left(60));
    metti(91, QStringLiteral("%1").arg(rosso, 3));
    metti(95, QStringLiteral("%1").arg(verde, 3));
    metti(99, QStringLiteral("%1").arg(blu, 3));
    metti(103, QString(QLatin1Char(stato)));
    metti(105, QStringLiteral("%1").arg(progresso, 6));
    metti(126, secondo.left(60));
    return r;
}
