#include "encoding/ListaFrame.h"

#include "encoding/TestiCodifica.h"
#include "platform/FileTesto.h"

#include <algorithm>
#include <map>

namespace {

constexpr int NumeroCampi = 134;
constexpr int LarghezzaNome = 256;

// Fields 2..134 are the same in every record; those not listed are "+0000".
const std::map<int, const char*>& ValoriFissi() {
    static const std::map<int, const char*> valori = {
        {2, "+100.000000"}, {3, "+0.000000"}, {4, "+0.000000"}, {5, "+1.000000"}, {6, "+1.000000"},
        {9, "+0001"},       {11, "+0.000000"}, {12, "+0.000000"}, {18, "+0001"}, {24, "+0001"},
        {25, "+0001"},      {31, "+4950"},    {34, "-0009"},    {35, "+0094"},   {51, "+0001"},
        {52, "+0001"},      {53, "+0001"},    {55, "+0001"},    {56, "+0001"},   {57, "+0001"},
        {58, "+0001"},      {60, "+0040"},    {61, "-0039"},    {62, "-0060"},   {64, "+0017"},
        {65, "+0001"},      {66, "+0029"},    {67, "+0050"},    {108, "+0001"},  {117, "+0040"},
        {132, "+0960"},     {133, "+0640"},
    };
    return valori;
}

QByteArray Campo(int numero) {
    return '[' + QByteArray::number(numero).rightJustified(3, '0') + ']';
}

}  // namespace

QByteArray RecordListaFrame(int frame, bool usaJpg) {
    const QByteArray numero = QByteArray::number(frame).rightJustified(4, '0');
    const QByteArray nome = "Frame_" + numero + (usaJpg ? ".jpg" : ".bmp");
    // The padding is fixed, so a number beyond four digits widens the field.
    const qsizetype larghezza = LarghezzaNome + std::max<qsizetype>(0, numero.size() - 4);
    QByteArray record = Campo(1) + nome.leftJustified(larghezza, ' ');
    const auto& fissi = ValoriFissi();
    for (int n = 2; n <= NumeroCampi; ++n) {
        const auto trovato = fissi.find(n);
        record += Campo(n) + (trovato != fissi.end() ? trovato->second : "+0000");
    }
    return record;
}

bool ScriviListaFrame(const QString& percorso, const QString& percorsoOutput, double totaleFrame,
                      bool usaJpg, QString* errore) {
    ScrittoreTesto testo;
    testo.Riga(QString::fromLatin1(TestiCodifica::IntestazioneListaFrame));
    testo.Riga(percorsoOutput);
    // Compared as floating point, so a fractional count still gets its last record.
    for (int i = 1; i < totaleFrame + 1 && i < 10000000; ++i)
        testo.Riga(QString::fromLatin1(RecordListaFrame(i, usaJpg)));
    return testo.Salva(percorso, errore);
}
