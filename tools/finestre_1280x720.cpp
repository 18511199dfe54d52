// Pictures of the windows on a 1280x720 work area, as a small laptop screen shows them: the main
// window, the configuration window (tabs 1, 10 and 11, the last one also scrolled to its end)
// in Italian, English and French, and every page of the codec window:
// finestre_1280x720 [folder]   (default: build/finestre_1280x720)
#include "AiutoStrumenti.h"
#include "SchermoOffscreen.h"
#include "app/Frm2principale.h"
#include "app/Frm6configurazione.h"
#include "controls/GeometriaForm.h"
#include "controls/Orvheader.h"
#include "dialogs/Forvdlgsceltacodec.h"
#include "platform/ValoriProgramma.h"
#include "project/ApplicaLingua.h"
#include "project/ImpostazioniGlobali.h"
#include "project/StiliTesto.h"
#include "project/TabellaLingue.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDir>
#include <QScrollBar>
#include <QTemporaryDir>

namespace {

QString cartella;
bool tuttoBene = true;

void Salva(QWidget* finestra, const QString& nome) {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
    // What lies outside the rounded outline is not part of the window.
    const QImage im = Foto(finestra);
    tuttoBene &= SalvaFoto(Ritaglia(im, RegioneArrotondata(im.size())), QDir(cartella).filePath(nome + ".png"));
}

const struct {
    int lingua;
    const char* sigla;
} Lingue[] = {{LinguaItaliano, "it"}, {LinguaInglese, "en"}, {LinguaFrancese, "fr"}};

void FotoPrincipale() {
    TForm2Principale finestra;
    finestra.show();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    for (const auto& l : Lingue) {
        ImpostazioniGlobali.LinguaCorrente = l.lingua;
        finestra.ApplicaLinguaFinestra();
        finestra.SelezionaScheda(4);
        finestra.RichiediRendering();
        Salva(&finestra, QStringLiteral("principale_%1").arg(QLatin1String(l.sigla)));
    }
}

void FotoConfigurazione() {
    ImpostazioniProgetto impostazioni;
    TForm6Configurazione finestra(impostazioni);
    finestra.show();
    for (const auto& l : Lingue) {
        ImpostazioniGlobali.LinguaCorrente = l.lingua;
        RiempiTabellaLingue();
        ApplicaLingua(impostazioni, &finestra);
        for (int scheda : {1, 10, 11}) {
            finestra.ElencoPagine->SetORV_PannelloAttivo(scheda);
            finestra.ElencoPagineCambioPagina(finestra.ElencoPagine);
            Salva(&finestra, QStringLiteral("configurazione_%1_scheda%2").arg(QLatin1String(l.sigla)).arg(scheda));
        }
        // The sixth laser row, at the end of the scroll.
        if (auto* righe = qobject_cast<QAbstractScrollArea*>(finestra.P1)) {
            righe->verticalScrollBar()->setValue(righe->verticalScrollBar()->maximum());
            Salva(&finestra, QStringLiteral("configurazione_%1_scheda11_fine").arg(QLatin1String(l.sigla)));
        }
    }
    finestra.hide();
}

void FotoCodec() {
    TORVDLGSceltaCodec codec;
    for (int lingua : {0, 1}) {
        codec.Inizializza(lingua, true, QStringLiteral("QV"), QStringLiteral("Intro"));
        codec.show();
        for (int pagina = 1; pagina <= 7; ++pagina) {
            SceltaCodec s = codec.Scelta();
            s.Pagina = pagina;
            codec.ImpostaScelta(s);
            Salva(&codec, QStringLiteral("codec_pagina%1_%2").arg(pagina).arg(Sigla(lingua)));
        }
        codec.hide();
    }
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir casa;
    ImpostaSchermoOffscreen(casa, 1280, 720);
    QApplication applicazione(argc, argv);
    AreaLavoro = MisuraAreaLavoro();
    cartella = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("build/finestre_1280x720");
    QDir().mkpath(cartella);
    CasaTemporanea(casa);
    InstallaStiliPredefiniti();
    FotoPrincipale();
    FotoConfigurazione();
    FotoCodec();
    return tuttoBene ? 0 : 1;
}
