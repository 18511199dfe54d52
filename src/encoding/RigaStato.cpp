#include "encoding/RigaStato.h"

#include <QRegularExpression>

std::optional<QString> LeggiValoreCampo(const QString& riga, int n) {
    qsizetype i = -1;
    for (int trovati = 0; trovati < n; ++trovati) {
        i = riga.indexOf(QLatin1Char('='), i + 1);
        if (i < 0) return std::nullopt;
    }
    qsizetype inizio = i + 1;
    while (inizio < riga.size() && riga[inizio] == QLatin1Char(' ')) ++inizio;
    qsizetype fine = inizio;
    while (fine < riga.size() && riga[fine] != QLatin1Char(' ')) ++fine;
    return riga.mid(inizio, fine - inizio);
}

int FigureCodifica::NumeroFrame() const {
    qint64 valore = 0;
    for (QChar c : Frame) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) break;
        valore = valore * 10 + (c.unicode() - '0');
        if (valore >= 1000000000) return 1000000000;
    }
    return static_cast<int>(valore);
}

bool EUnaRigaStato(const QString& riga) {
    return riga.startsWith(QLatin1String("frame")) || riga.startsWith(QLatin1String("rame="));
}

bool AggiornaFigure(const QString& riga, FigureCodifica& figure) {
    if (!EUnaRigaStato(riga)) return false;
    struct Campo {
        int n;
        QString FigureCodifica::*figura;
    };
    static constexpr Campo campi[] = {
        {1, &FigureCodifica::Frame},
        {2, &FigureCodifica::Velocita},
        {4, &FigureCodifica::Dimensione},
        {6, &FigureCodifica::Bitrate},
    };
    for (const Campo& c : campi)
        if (const auto valore = LeggiValoreCampo(riga, c.n)) figure.*c.figura = *valore;
    return true;
}

std::optional<QString> RigaErrore(const QString& riga) {
    static const QRegularExpression parole(
        QStringLiteral("error|failed|invalid|no space|no such|denied|cannot|could not|unable|not found|unknown|"
                       "corrupt|out of memory|broken pipe|read-only"),
        QRegularExpression::CaseInsensitiveOption);
    if (EUnaRigaStato(riga)) return std::nullopt;
    // Without the "[muxer @ 0x...]" in front; read by hand, as every line of a flood passes here.
    QStringView testo(riga);
    if (testo.startsWith(QLatin1Char('['))) {
        const qsizetype chiusa = testo.indexOf(QLatin1Char(']'));
        if (chiusa > 0) testo = testo.mid(chiusa + 1);
    }
    testo = testo.trimmed();
    if (testo.isEmpty() || testo == QLatin1String("Conversion failed!") ||
        testo.startsWith(QLatin1String("Last message repeated")))
        return std::nullopt;
    if (!parole.match(testo).hasMatch()) return std::nullopt;
    return testo.toString();
}
