#pragma once
// A port that answers from a script and records every call, in place of the real dialogs.
#include "app/PortaDialoghi.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

class PortaFinta : public PortaDialoghi {
public:
    // Scripted answers, taken in order; when a queue is empty the call answers "closed" (0).
    std::deque<EsitoColori> Colori;
    std::deque<EsitoPercorso> File;
    std::deque<EsitoPercorso> Cartelle;
    std::deque<int> Risposte;
    bool SlotCambiati = false;
    // Runs inside the configuration window, as the user's changes there.
    std::function<void(ImpostazioniProgetto&)> AllaConfigurazione;
    QString CodecScelto;

    // What was asked: one line per call ("ScegliColore", "Messaggio 1: ..."), and the languages.
    QStringList Chiamate;
    QStringList FileAttuali;  // the file each file chooser call was opened on
    QList<int> Lingue;
    QStringList Messaggi;
    QString CodecConsegnato;
    QList<ConsegnaCodifica> Codifiche;

    EsitoColori ScegliColore(int lingua, Colore) override {
        Registra("ScegliColore", lingua);
        return Prendi(Colori);
    }
    EsitoColori ScegliDueColori(int lingua, Colore, Colore) override {
        Registra("ScegliDueColori", lingua);
        return Prendi(Colori);
    }
    EsitoPercorso ScegliFile(int lingua, const QString& fileAttuale) override {
        Registra("ScegliFile", lingua);
        FileAttuali.push_back(fileAttuale);
        return Prendi(File);
    }
    EsitoPercorso ScegliCartella(int lingua) override {
        Registra("ScegliCartella", lingua);
        return Prendi(Cartelle);
    }
    int Messaggio(int lingua, int tipo, const QString& testo) override {
        Registra("Messaggio", lingua);
        Messaggi << QStringLiteral("%1: %2").arg(tipo).arg(testo);
        return Risposte.empty() ? 0 : Prendi(Risposte);
    }
    // With AvvisiInAttesa, a notice is left waiting, as behind a box already open: what is to
    // follow its showing waits in Visti until the test runs it.
    bool AvvisiInAttesa = false;
    std::vector<std::function<void()>> Visti;
    void Avviso(int lingua, const QString& testo, std::function<void()> visto) override {
        Messaggio(lingua, 2, testo);
        if (!visto) return;
        if (AvvisiInAttesa) Visti.push_back(std::move(visto));
        else visto();
    }
    bool Configura(int lingua, ImpostazioniProgetto& impostazioni) override {
        Registra("Configura", lingua);
        if (AllaConfigurazione) AllaConfigurazione(impostazioni);
        return SlotCambiati;
    }
    void ConsegnaImpostazioniCodec(const QString& impostazioni) override {
        Chiamate << QStringLiteral("ConsegnaImpostazioniCodec");
        CodecConsegnato = impostazioni;
    }
    QString SceltaCodec(int lingua) override {
        Registra("SceltaCodec", lingua);
        return CodecScelto.isEmpty() ? CodecConsegnato : CodecScelto;
    }
    void Codifica(int lingua, const ConsegnaCodifica& consegna) override {
        Registra("Codifica", lingua);
        Codifiche << consegna;
    }

    int Conta(const QString& chiamata) const { return int(Chiamate.count(chiamata)); }

private:
    void Registra(const char* nome, int lingua) {
        Chiamate << QLatin1String(nome);
        Lingue << lingua;
    }
    template <class T>
    static T Prendi(std::deque<T>& coda) {
        if (coda.empty()) return T{};
        T v = coda.front();
        coda.pop_front();
        return v;
    }
};
