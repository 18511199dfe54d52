#pragma once
// The program's version, from the build's project version.
#include <QString>

#include <array>
#include <cstdint>

class VerInfo {
public:
    VerInfo();
    void Azzera();
    void ImpostaFile(const QString& nome);
    void LeggiInformazioni();
    QString VersioneFile() const;

    // Reads "a.b.c.d" (missing parts 0); false and all zero when it is not a version.
    bool LeggiTesto(const QString& testo);

private:
    QString nomeFile_;
    std::array<std::uint16_t, 4> versione_{};
};
