#include "render/LimiteRighe.h"

#include "project/TestiMessaggi.h"

QStringList TagliaRigheLunghe(std::array<QString, NumeroRigheTesto>& righe,
                              std::array<bool, NumeroRigheTesto>& segnalate) {
    QStringList note;
    for (int n = 0; n < NumeroRigheTesto; ++n) {
        QString& riga = righe[static_cast<size_t>(n)];
        const bool lunga = riga.size() > LunghezzaMassimaRiga;
        if (lunga && !segnalate[static_cast<size_t>(n)])
            note << TestoMessaggio(VoceMessaggio::RigaTroppoLunga)
                        .arg(n + 1)
                        .arg(riga.size())
                        .arg(LunghezzaMassimaRiga);
        segnalate[static_cast<size_t>(n)] = lunga;
        if (lunga) riga.truncate(LunghezzaMassimaRiga);
    }
    return note;
}
