#pragma once
// A home of its own for each start of the program, so the user folders begin empty: HOME, the
// XDG data and config folders and the system's temporary folder (TMPDIR, where the last rescues
// go) in a fresh folder, and a short splash. The program-wide values start as a fresh process
// has them, whatever an earlier test left. Further variables (the stand-in encoder's mode) are
// set too; everything is put back at the end.
#include "app/Frm1splash.h"
#include "common/CasaTemporanea.h"
#include "common/VariabiliAmbiente.h"
#include "project/ImpostazioniGlobali.h"

#include <QDir>

#include <initializer_list>
#include <utility>

class CasaProgramma {
public:
    explicit CasaProgramma(std::initializer_list<std::pair<const char*, const char*>> altre = {}) {
        ambiente.Imposta("HOME", casa.Percorso().toLocal8Bit());
        ambiente.Imposta("XDG_DATA_HOME", casa.Sotto(".local/share").toLocal8Bit());
        ambiente.Imposta("XDG_CONFIG_HOME", casa.Sotto(".config").toLocal8Bit());
        QDir().mkpath(casa.Sotto("tmp"));
        ambiente.Imposta("TMPDIR", casa.Sotto("tmp").toLocal8Bit());
        for (const auto& [nome, valore] : altre) ambiente.Imposta(nome, valore);
        ImpostazioniGlobali = BloccoImpostazioniGlobali{};
        InizializzaImpostazioni();
        DurataSplash = 10;
    }
    ~CasaProgramma() {
        ImpostazioniGlobali = globali;
        DurataSplash = 3000;
    }
    CasaProgramma(const CasaProgramma&) = delete;
    CasaProgramma& operator=(const CasaProgramma&) = delete;

    QString Sotto(const QString& nome) const { return casa.Sotto(nome); }

private:
    CasaTemporanea casa;
    VariabiliAmbiente ambiente;
    const BloccoImpostazioniGlobali globali = ImpostazioniGlobali;
};
