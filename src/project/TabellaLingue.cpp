#include "project/TabellaLingue.h"

#include <QtGlobal>

std::array<TestoMultilingua, NumeroVociLingua> TabellaLingue;

namespace {

// One entry: Italian and English, Spanish and German where they have texts of their own
// (otherwise they show the English one), and the width of the French placeholder.
struct DatiVoce {
    const char16_t* Italiano;
    const char16_t* Inglese;
    const char16_t* Spagnolo;
    const char16_t* Tedesco;
    int Cancelletti;
};

// Entry 203 names the English language: "Inglese" in Italian, "English" in English.
constexpr DatiVoce kVoci[NumeroVociLingua] = {
    {u"Form2Principale", u"Form Main", nullptr, nullptr, 15},  // 1
    {u"Drovaskent", u"Drovaskent", nullptr, nullptr, 10},  // 2
    {u"Intro 1 Semplice", u"Intro 1 Simple", nullptr, nullptr, 16},  // 3
    {u"Intro 2 Logo Oscillante", u"Intro 2 Logo Oscillating", nullptr, nullptr, 24},  // 4
    {u"Intro 3 Logo che cade", u"Intro 3 Logo falling", nullptr, nullptr, 21},  // 5
    {u"Intro 4 Onde Mare", u"Intro 4 Ocean Waves", nullptr, nullptr, 19},  // 6
    {u"Intro 5 Logo Riflesso", u"Intro 5 Logo Reflection", nullptr, nullptr, 23},  // 7
    {u"Intro 6 Laser", u"Intro 6 Laser", nullptr, nullptr, 13},  // 8
    {u"Intro 7 Lucciole", u"Intro 7 Fireflies", nullptr, nullptr, 17},  // 9
    {u"Intro 8 Logo + comparsa scritte", u"Intro 8 Logo + written appearance", nullptr, nullptr, 33},  // 10
    {u"Intro 9 dispo", u"Intro 9 dispo", nullptr, nullptr, 13},  // 11
    {u"Intro 10 Cerchio Palline", u"Intro 10 Circle Balls", nullptr, nullptr, 24},  // 12
    {u"Intro da creare:", u"Intro to create:", nullptr, nullptr, 16},  // 13
    {u"Dati Progetto", u"Data Project", nullptr, nullptr, 13},  // 14
    {u"Codifica", u"Coding", nullptr, nullptr, 8},  // 15
    {u"Sfondo", u"Background", nullptr, nullptr, 10},  // 16
    {u"Testo da scrivere", u"Text to write", nullptr, nullptr, 17},  // 17
    {u"Stile Carattere", u"Style Character", nullptr, nullptr, 15},  // 18
    {u"Effetti", u"Effects", nullptr, nullptr, 7},  // 19
    {u"Dati per Intro", u"Intro's data", nullptr, nullptr, 14},  // 20
    {u"DatiProgetto", u"ProjectData", nullptr, nullptr, 12},  // 21
    {u"1280x720", u"1280x720", nullptr, nullptr, 8},  // 22
    {u"1920x1080", u"1920x1080", nullptr, nullptr, 9},  // 23
    {u"1", u"1", nullptr, nullptr, 1},  // 24
    {u"2", u"2", nullptr, nullptr, 1},  // 25
    {u"4", u"4", nullptr, nullptr, 1},  // 26
    {u"5", u"5", nullptr, nullptr, 1},  // 27
    {u"8", u"8", nullptr, nullptr, 1},  // 28
    {u"10", u"10", nullptr, nullptr, 2},  // 29
    {u"12", u"12", nullptr, nullptr, 2},  // 30
    {u"15", u"15", nullptr, nullptr, 2},  // 31
    {u"20", u"20", nullptr, nullptr, 2},  // 32
    {u"24", u"24", nullptr, nullptr, 2},  // 33
    {u"25", u"25", nullptr, nullptr, 2},  // 34
    {u"30", u"30", nullptr, nullptr, 2},  // 35
    {u"00:00:06 FR:00 (150)", u"00:00:06 FR: 00 (150)", nullptr, nullptr, 21},  // 36
    {u"Risoluzione:", u"Resolution:", nullptr, nullptr, 12},  // 37
    {u"Frame Rate:", u"Frame Rate:", nullptr, nullptr, 11},  // 38
    {u"Durata:", u"Duration:", nullptr, nullptr, 9},  // 39
    {u"Sfondo", u"Background", nullptr, nullptr, 10},  // 40
    {u"Sfondo Colorato", u"Colorful Background", nullptr, nullptr, 19},  // 41
    {u"Sfondo Trasparente", u"Transparent Background", nullptr, nullptr, 22},  // 42
    {u"Sfondo Bitmap", u"Background Bitmap", nullptr, nullptr, 17},  // 43
    {u"Sfondo Flares", u"Background Flares", nullptr, nullptr, 17},  // 44
    {u"Cerca", u"Search", nullptr, nullptr, 6},  // 45
    {u"Testo", u"Text", nullptr, nullptr, 5},  // 46
    {u"Cerca", u"Search", nullptr, nullptr, 6},  // 47
    {u"Font", u"Font", nullptr, nullptr, 4},  // 48
    {u"Font:", u"Font:", nullptr, nullptr, 5},  // 49
    {u"Opacità:", u"Opacity:", nullptr, nullptr, 8},  // 50
    {u"Outline 1", u"Outline 1", nullptr, nullptr, 9},  // 51
    {u"Outline 2", u"Outline 2", nullptr, nullptr, 9},  // 52
    {u"Dim.:", u"Dim .:", nullptr, nullptr, 6},  // 53
    {u"Dim.:", u"Dim .:", nullptr, nullptr, 6},  // 54
    {u"Opacità:", u"Opacity:", nullptr, nullptr, 8},  // 55
    {u"Opacità:", u"Opacity:", nullptr, nullptr, 8},  // 56
    {u"Shadow:", u"Shadow:", nullptr, nullptr, 7},  // 57
    {u"Dim.:", u"Dim .:", nullptr, nullptr, 6},  // 58
    {u"Opacità:", u"Opacity:", nullptr, nullptr, 8},  // 59
    {u"Y:", u"Y:", nullptr, nullptr, 2},  // 60
    {u"X:", u"X:", nullptr, nullptr, 2},  // 61
    {u"Offset:", u"Offset:", nullptr, nullptr, 7},  // 62
    {u"Glow:", u"Glow:", nullptr, nullptr, 5},  // 63
    {u"Dim.:", u"Dim .:", nullptr, nullptr, 6},  // 64
    {u"Colore Interno:", u"Interior Color:", nullptr, nullptr, 15},  // 65
    {u"Dim.:", u"Dim .:", nullptr, nullptr, 6},  // 66
    {u"Effetti", u"Effects", nullptr, nullptr, 7},  // 67
    {u"Effetto Neve", u"Snow Effect", nullptr, nullptr, 12},  // 68
    {u"Effetto LensFlare", u"Effect LensFlare", nullptr, nullptr, 17},  // 69
    {u"Effetto Particelle", u"Effect Particles", nullptr, nullptr, 18},  // 70
    {u"Fuoco", u"Fire", nullptr, nullptr, 5},  // 71
    {u"Bolle di sapone", u"Soap bubbles", nullptr, nullptr, 15},  // 72
    {u"Polvere", u"Powder", nullptr, nullptr, 7},  // 73
    {u"Fumo", u"Smoking", nullptr, nullptr, 7},  // 74
    {u"Palle cadenti", u"balls shooting", nullptr, nullptr, 14},  // 75
    {u"Palle rimbalzanti", u"Bouncing Balls", nullptr, nullptr, 17},  // 76
    {u"Quantita:", u"Quantity:", nullptr, nullptr, 9},  // 77
    {u"Vita:", u"Life:", nullptr, nullptr, 5},  // 78
    {u"Logo:", u"Logo:", nullptr, nullptr, 5},  // 79
    {u"Drovaskent", u"Drovaskent", nullptr, nullptr, 10},  // 80
    {u"Presenta", u"Presents", nullptr, nullptr, 8},  // 81
    {u"Quenvox2", u"Quenvox2", nullptr, nullptr, 8},  // 82
    {u"Colore Particelle:", u"Color Particles:", nullptr, nullptr, 18},  // 83
    {u"Tipo di Animazione:", u"Type of Animation:", nullptr, nullptr, 19},  // 84
    {u"Testo Fisso", u"Trim", nullptr, nullptr, 11},  // 85
    {u"Testo Blocco unico Entra a destra, pausa, esce a sinistra", u"Text Block Enter only right, break out the left", nullptr, nullptr, 57},  // 86
    {u"Testo righe accodate, Entra a destra, esce a sinistra", u"Text lines appended, Log right, goes left", nullptr, nullptr, 53},  // 87
    {u"Testo Entra dal basso ed esce in alto", u"Enter Text from below and exits at the top", nullptr, nullptr, 42},  // 88
    {u"Testo Entra dal basso, pausa, esce in alto", u"Enter Text from below, break out on top", nullptr, nullptr, 42},  // 89
    {u"Effetto Fade In e Fade Out Testo Blocco unico", u"Effect Fade In and Fade Out Text Block only", nullptr, nullptr, 45},  // 90
    {u"Effetto Fade In e Fade Out Testo separato", u"Effect Fade In and Fade Out Text separate", nullptr, nullptr, 41},  // 91
    {u"Effetto Fade In e Fade Out con zoom testo separato", u"Effect Fade In and Fade Out Zoom", nullptr, nullptr, 50},  // 92
    {u"Leggero effetto zoom", u"Light zoom effect", nullptr, nullptr, 20},  // 93
    {u"Prima riga da sx a dx, 2 riga fade in, 3 riga da dx a sx", u"First row from left to right, second row fade in, third row from right to left", nullptr, nullptr, 78},  // 94
    {u"Battitura", u"Beating", nullptr, nullptr, 9},  // 95
    {u"Interlinea:", u"Leading:", nullptr, nullptr, 11},  // 96
    {u"Cerca", u"Search", nullptr, nullptr, 6},  // 97
    {u"Logo da utilizzare:", u"Logo to be used:", nullptr, nullptr, 19},  // 98
    {u"Anima", u"Anim", nullptr, nullptr, 5},  // 99
    {u"Configura", u"Configure", nullptr, nullptr, 9},  // 100
    {u"Aggiorna", u"Update", nullptr, nullptr, 8},  // 101
    {u"Enfatizzare", u"Emphasize", nullptr, nullptr, 11},  // 102
    {u"Standard", u"Standard", nullptr, nullptr, 8},  // 103
    {u"Lenti 1", u"Lenses 1", nullptr, nullptr, 8},  // 104
    {u"Lenti 2", u"Lens 2", nullptr, nullptr, 7},  // 105
    {u"Zoom:", u"Zoom:", nullptr, nullptr, 5},  // 106
    {u"Oscillazioni:", u"Oscillations", nullptr, nullptr, 13},  // 107
    {u"Smorzamento:", u"Damping:", nullptr, nullptr, 12},  // 108
    {u"Sfondo Personalizzato", u"Custom Background", nullptr, nullptr, 21},  // 109
    {u"Cerca", u"Search", nullptr, nullptr, 6},  // 110
    {u"Logo da utilizzare:", u"Logo to be used:", nullptr, nullptr, 19},  // 111
    {u"Cerca", u"Search", nullptr, nullptr, 6},  // 112
    {u"Zoom:", u"Zoom:", nullptr, nullptr, 5},  // 113
    {u"Sfondo Personalizzato", u"Custom Background", nullptr, nullptr, 21},  // 114
    {u"Cerca", u"Search", nullptr, nullptr, 6},  // 115
    {u"Logo da utilizzare:", u"Logo to be used:", nullptr, nullptr, 19},  // 116
    {u"Cerca", u"Search", nullptr, nullptr, 6},  // 117
    {u"Zoom:", u"Zoom:", nullptr, nullptr, 5},  // 118
    {u"Camera:", u"Room:", nullptr, nullptr, 7},  // 119
    {u"Posizione Asse X:", u"Position X axis:", nullptr, nullptr, 17},  // 120
    {u"Posizione Asse Y:", u"Position Y:", nullptr, nullptr, 17},  // 121
    {u"Posizione Asse Z:", u"Position Z axis:", nullptr, nullptr, 17},  // 122
    {u"Focale:", u"Focal length:", nullptr, nullptr, 13},  // 123
    {u"Posizione:", u"Position:", nullptr, nullptr, 10},  // 124
    {u"Onde:", u"To:", nullptr, nullptr, 5},  // 125
    {u"Colore:", u"Color:", nullptr, nullptr, 7},  // 126
    {u"Dimensione:", u"Size:", nullptr, nullptr, 11},  // 127
    {u"Numero:", u"Number:", nullptr, nullptr, 7},  // 128
    {u"Area:", u"Area:", nullptr, nullptr, 5},  // 129
    {u"Opacità:", u"Opacity:", nullptr, nullptr, 8},  // 130
    {u"Logo da utilizzare:", u"Logo to be used:", nullptr, nullptr, 19},  // 131
    {u"Cerca", u"Search", nullptr, nullptr, 6},  // 132
    {u"Zoom:", u"Zoom:", nullptr, nullptr, 5},  // 133
    {u"Sfondo Personalizzato", u"Custom Background", nullptr, nullptr, 21},  // 134
    {u"Cerca", u"Search", nullptr, nullptr, 6},  // 135
    {u"Laser", u"Laser", nullptr, nullptr, 5},  // 136
    {u"Fumo", u"Smoking", nullptr, nullptr, 7},  // 137
    {u"Cerca", u"Search", nullptr, nullptr, 6},  // 138
    {u"Messaggio Inciso:", u"Engraved Message:", nullptr, nullptr, 17},  // 139
    {u"Aggiorna", u"Update", nullptr, nullptr, 8},  // 140
    {u"Drovaskent", u"Drovaskent", nullptr, nullptr, 10},  // 141
    {u"Messaggio da scrivere:", u"Message to write:", nullptr, nullptr, 22},  // 142
    {u"Aggiorna", u"Update", nullptr, nullptr, 8},  // 143
    {u"Drovaskent", u"Drovaskent", nullptr, nullptr, 10},  // 144
    {u"Combinazione colori:", u"Color scheme:", nullptr, nullptr, 20},  // 145
    {u"Blu", u"Blue", nullptr, nullptr, 4},  // 146
    {u"Giallo", u"Yellow", nullptr, nullptr, 6},  // 147
    {u"Verde", u"Green", nullptr, nullptr, 5},  // 148
    {u"Rosso", u"Red", nullptr, nullptr, 5},  // 149
    {u"Bianco", u"White", nullptr, nullptr, 6},  // 150
    {u"Rotazione", u"Rotation", nullptr, nullptr, 9},  // 151
    {u"Zoom", u"zoom", nullptr, nullptr, 4},  // 152
    {u"Dimensioni iniziali mini", u"Initial mini", nullptr, nullptr, 24},  // 153
    {u"Cartella Output:", u"Output Folder:", nullptr, nullptr, 16},  // 154
    {u"Cerca", u"Search", nullptr, nullptr, 6},  // 155
    {u"Profilo:", u"Profile:", nullptr, nullptr, 8},  // 156
    {u"Qualità:", u"Quality:", nullptr, nullptr, 8},  // 157
    {u"Mp4 standard", u"Mp4 standard", nullptr, nullptr, 12},  // 158
    {u"DivX", u"DivX", nullptr, nullptr, 4},  // 159
    {u"Profilo:", u"Profile:", nullptr, nullptr, 8},  // 160
    {u"Xvid", u"Xvid", nullptr, nullptr, 4},  // 161
    {u"Mp4 Microsoft V.3", u"Mp4 Microsoft V.3", nullptr, nullptr, 17},  // 162
    {u"Qualità:", u"Quality:", nullptr, nullptr, 8},  // 163
    {u"Velocità di codifica:", u"Speed Encoding:", nullptr, nullptr, 21},  // 164
    {u"Qualità:", u"Quality:", nullptr, nullptr, 8},  // 165
    {u"Flat", u"Flat", nullptr, nullptr, 4},  // 166
    {u"Zoom In", u"Zoom In", nullptr, nullptr, 7},  // 167
    {u"Flat", u"Flat", nullptr, nullptr, 4},  // 168
    {u"Dove: 0 = migliore 32 = peggiore", u"Where: 0 = best 32 =worst", u"Dónde: 0 = mejor 32 = peor", u"Wo: 0 = beste 32 = schlimmer", 32},  // 169
    {u"Si consiglia un valore tra 9 e 13", u"We recommend a value between 9 and 13", u"Se recomienda un valor entre 9 -13", u"Wir empfehlen einen Wert zwischen 9 -13", 49},  // 170
    {u"Dove:", u"Where:", u"Dónde:", u"Wo:", 6},  // 171
    {u"1 = migliore 31 = peggiore", u"1 = best 31 =worst", u"1 = mejor 31 = peor", u"1 = beste 31 = schlimmer", 26},  // 172
    {u"Dove:", u"Where:", u"Dónde:", u"Wo:", 6},  // 173
    {u"0 = Lossless (senza perdite)", u"0 = Lossless", u"0 = Lossless (sin pérdida)", u"0 = Lossless (kein Verlust)", 28},  // 174
    {u"23 = Standard", u"23 = Standard", u"23 = Estándar", u"23 = Standard", 13},  // 175
    {u"51 = Bassa qualit", u"51 = Low quality", u"51 = Baja calidad", u"51 = Low Qualität", 18},  // 176
    {u"Configurazione immagini utilizzate:", u"Configuration images used:", nullptr, nullptr, 35},  // 177
    {u"Interfaccia", u"Interface", nullptr, nullptr, 11},  // 178
    {u"Sfondi", u"Background", nullptr, nullptr, 10},  // 179
    {u"Logo", u"Logo", nullptr, nullptr, 4},  // 180
    {u"Neve", u"Snow", nullptr, nullptr, 4},  // 181
    {u"Lens Flare", u"Lens Flare", nullptr, nullptr, 10},  // 182
    {u"Fuoco", u"Fire", nullptr, nullptr, 5},  // 183
    {u"Bolle di Sapone", u"Soap bubbles", nullptr, nullptr, 15},  // 184
    {u"Polvere", u"Powder", nullptr, nullptr, 7},  // 185
    {u"Fumo", u"Smoking", nullptr, nullptr, 7},  // 186
    {u"Per Intro 2 e 3 (Logo oscillante, cadente)", u"To Intro 2 and 3 (Logo swinging, falling)", nullptr, nullptr, 42},  // 187
    {u"Laser", u"Laser", nullptr, nullptr, 5},  // 188
    {u"Sfondo Flares", u"Background Flares", nullptr, nullptr, 17},  // 189
    {u"Cerca", u"Search", nullptr, nullptr, 6},  // 190
    {u"Sfondo Intro 2 (Logo che oscilla)", u"Background Intro 2 (Logo swinging)", nullptr, nullptr, 34},  // 191
    {u"Sfondo Intro 3 (Logo che cade)", u"Background Intro 3 (Logo falling)", nullptr, nullptr, 33},  // 192
    {u"Sfondo Intro 6 (Laser)", u"Background Intro 6 (Laser)", nullptr, nullptr, 26},  // 193
    {u"Cerca", u"Search", nullptr, nullptr, 6},  // 194
    {u"Cerca", u"Search", nullptr, nullptr, 6},  // 195
    {u"Cerca", u"Search", nullptr, nullptr, 6},  // 196
    {u"Sfondo Intro 6 (Laser)", u"Background Intro 6 (Laser)", nullptr, nullptr, 26},  // 197
    {u"Cerca", u"Search", nullptr, nullptr, 6},  // 198
    {u"Sfondo Intro 6 (Laser)", u"Background Intro 6 (Laser)", nullptr, nullptr, 26},  // 199
    {u"Cerca", u"Search", nullptr, nullptr, 6},  // 200
    {u"Lingua:", u"Language:", nullptr, nullptr, 9},  // 201
    {u"Italiano", u"Italian", nullptr, nullptr, 8},  // 202
    {u"Inglese", u"English", nullptr, nullptr, 7},  // 203
    {u"Español", u"Español", nullptr, nullptr, 7},  // 204
    {u"Deutsch", u"Deutsch", nullptr, nullptr, 7},  // 205
    {u"Français", u"Français", nullptr, nullptr, 8},  // 206
    {u"Salva", u"Save", nullptr, nullptr, 5},  // 207
};

QString Testo(const char16_t* testo) { return QString::fromUtf16(testo); }

}  // namespace

const QString& TestoMultilingua::Testo(int lingua) const
{
    if (lingua < 0 || lingua >= NumeroLingue)
        lingua = LinguaInglese;
    return righe_[static_cast<size_t>(lingua)];
}

void TestoMultilingua::Imposta(const std::array<QString, NumeroLingue>& righe, int larghezza)
{
    righe_ = righe;
    larghezza_ = larghezza;
}

bool TestoMultilingua::Contiene(const QString& testo) const
{
    for (const QString& riga : righe_)
        if (riga == testo)
            return true;
    return false;
}

const TestoMultilingua& VoceLingua(int numero)
{
    Q_ASSERT(numero >= 1 && numero <= NumeroVociLingua);
    return TabellaLingue[static_cast<size_t>(qBound(1, numero, NumeroVociLingua) - 1)];
}

void RiempiTabellaLingue()
{
    for (int i = 0; i < NumeroVociLingua; ++i) {
        const DatiVoce& d = kVoci[i];
        const QString inglese = Testo(d.Inglese);
        TabellaLingue[static_cast<size_t>(i)].Imposta(
            {Testo(d.Italiano), inglese, d.Spagnolo ? Testo(d.Spagnolo) : inglese,
             d.Tedesco ? Testo(d.Tedesco) : inglese, QString(d.Cancelletti, QLatin1Char('#'))},
            d.Cancelletti + 1);
    }
}
