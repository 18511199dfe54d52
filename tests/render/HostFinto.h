#pragma once
// A host that records what the frame loop asks of the main window, and a render context
// over a temporary output folder with quick settings (no preview, plain text, full size).
#include "common/CasaTemporanea.h"
#include "platform/CartelleUtente.h"
#include "project/ImpostazioniGlobali.h"
#include "project/ImpostazioniProgetto.h"
#include "project/TabellaImmagini.h"
#include "render/Casuale.h"
#include "render/ContestoRendering.h"
#include "render/HostRendering.h"

#include <QCoreApplication>
#include <QDir>

#include <functional>

class HostFinto : public HostRendering {
public:
    bool Anima = false;
    int Altezza = 0;  // no preview unless a test asks for one
    double Frequenza = 60.0;
    int Anteprime = 0;
    int Pompate = 0;
    int Codifiche = 0;
    QStringList Caption;
    QStringList Errori;
    QImage UltimaAnteprima;
    // Runs inside the message pump: the place where handlers run between frames.
    std::function<void()> AllaPompa;
    // Runs as each frame caption is set.
    std::function<void(const QString&)> AllaCaption;

    bool AnimaSelezionato() const override { return Anima; }
    void DeselezionaAnima() override { Anima = false; }
    int AltezzaFinestra() const override { return Altezza; }
    void MostraAnteprima(const QImage& a) override {
        ++Anteprime;
        UltimaAnteprima = a;
    }
    double FrequenzaSchermo() const override { return Frequenza; }
    void ImpostaCaptionFrame(const QString& c) override {
        Caption << c;
        if (AllaCaption) AllaCaption(c);
    }
    void ElaboraMessaggi() override {
        ++Pompate;
        if (AllaPompa) AllaPompa();
    }
    void CursoreAttesa(bool) override {}
    void SegnalaErrore(const QString& m) override { Errori << m; }
    void AvviaCodifica() override { ++Codifiche; }
};

struct BancoRendering {
    CasaTemporanea casa;
    HostFinto host;
    ImpostazioniProgetto imp;
    ContestoRendering contesto{host};

    BancoRendering() {
        ImpostaCartelleUtente(casa.Sotto(QStringLiteral("dati")), casa.Sotto(QStringLiteral("documenti")),
                              QCoreApplication::applicationDirPath());
        QDir().mkpath(CartellaFrame());
        for (int s = 0; s < NumeroSlotPredefiniti; ++s)
            imp.TabellaImmagini[static_cast<size_t>(s)] = PercorsoPredefinitoImmagine(s, CartellaProgramma);
        imp.UsaJpg = true;
        imp.ProgettoRisoluzione = 2;
        imp.Enfatizzare = false;
        imp.FontShadowCheck = false;
        imp.FontSize = 40;
        imp.Intro1Lista = 1;
        imp.FontElenco = ListaVoci({QStringLiteral("DejaVu Sans")}, 1, ListaVoci::Regola::Libera);
        contesto.Impostazioni = &imp;
        ImpostazioniGlobali.TotaleFrame = 200;
        FissaSemeCasuale(7);
    }
    QString CartellaFrame() const { return PercorsoOutput + QStringLiteral("/Video/Frames"); }
    QStringList FileFrame() const {
        QStringList l = QDir(CartellaFrame()).entryList({QStringLiteral("Image_*")}, QDir::Files, QDir::Name);
        return l;
    }
    // Anima checked by the user: the click handler's part, then the render.
    void Anima() {
        host.Anima = true;
        AvviaAnimazione(contesto);
        EseguiRendering(contesto, imp);
    }
};
