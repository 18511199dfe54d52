#include "app/VerInfo.h"

#include "VersioneBuild.h"

#include <QCoreApplication>
#include <QStringList>

VerInfo::VerInfo() {
    ImpostaFile(QString());
}

void VerInfo::Azzera() { versione_ = {}; }

void VerInfo::ImpostaFile(const QString& nome) {
    nomeFile_ = nome;
    LeggiInformazioni();
}

void VerInfo::LeggiInformazioni() {
    LeggiTesto(QStringLiteral(QUENVOX_VERSIONE));
}

bool VerInfo::LeggiTesto(const QString& testo) {
    Azzera();
    const QStringList parti = testo.split(QLatin1Char('.'));
    if (testo.isEmpty() || parti.size() > 4) return false;
    std::array<std::uint16_t, 4> letta{};
    for (qsizetype i = 0; i < parti.size(); ++i) {
        bool ok = false;
        const uint numero = parti[i].toUInt(&ok);
        if (!ok || numero > 0xFFFF) return false;
        letta[static_cast<size_t>(i)] = static_cast<std::uint16_t>(numero);
    }
    versione_ = letta;
    return true;
}

QString VerInfo::VersioneFile() const {
    return QStringLiteral("%1.%2.%3.%4").arg(versione_[0]).arg(versione_[1]).arg(versione_[2]).arg(versione_[3]);
}
