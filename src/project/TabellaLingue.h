#pragma once
// The interface texts of the main and configuration windows in the five languages. The
// French row holds a run of "#" as wide as the entry, a placeholder for a translation.
#include "project/ImpostazioniGlobali.h"

#include <QString>

#include <array>

inline constexpr int NumeroLingue = 5;
inline constexpr int NumeroVociLingua = 207;

// One interface text in every language, rows indexed by CodiceLingua.
class TestoMultilingua {
public:
    // The row of a language; a number outside 0..4 reads the English row.
    const QString& Testo(int lingua) const;
    // The entry's width in characters, terminating zero included (the longest text plus one).
    int Larghezza() const { return larghezza_; }
    void Imposta(const std::array<QString, NumeroLingue>& righe, int larghezza);
    // True when testo equals the text of any language.
    bool Contiene(const QString& testo) const;

private:
    std::array<QString, NumeroLingue> righe_;
    int larghezza_ = 0;
};

// Entries 1..207; every text is empty until RiempiTabellaLingue runs.
extern std::array<TestoMultilingua, NumeroVociLingua> TabellaLingue;

// The entry of number numero (1..207).
const TestoMultilingua& VoceLingua(int numero);

// Writes the texts of every entry; running it again changes nothing.
void RiempiTabellaLingue();
