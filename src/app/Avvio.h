#pragma once
// The program's start-up: the start-up values, the user folders, the shipped styles, every
// window in its order, the language, then the splash; closing the main window ends the run.
#include <QStringList>

#include <memory>

class ChiusureX11;
class PortaDialoghiReale;
class SegnaliSessione;
class TForm1Splash;
class TForm2Principale;
class TForm6Configurazione;

class Programma {
public:
    // Everything up to the splash.
    Programma();
    ~Programma();

    // Shows the splash; after DurataSplash it runs the main window, and when that closes the
    // event loop ends.
    void Avvia();

    // Fills the language table and applies LinguaCorrente to both windows.
    void ApplicaLinguaFinestre();

    TForm1Splash& Splash() { return *splash; }
    TForm2Principale& Principale() { return *principale; }
    TForm6Configurazione& Configurazione() { return *configurazione; }
    PortaDialoghiReale& Porta() { return *porta; }
    // What the start-up could not do (folders, styles), already printed on stderr.
    const QStringList& Errori() const { return errori; }

private:
    void ImpostaValoriAvvio();
    void PreparaCartelle();
    void InstallaChiusure();

    QStringList errori;
    std::unique_ptr<TForm1Splash> splash;
    std::unique_ptr<TForm2Principale> principale;
    std::unique_ptr<TForm6Configurazione> configurazione;
    std::unique_ptr<PortaDialoghiReale> porta;
    std::unique_ptr<SegnaliSessione> segnali;
    std::unique_ptr<ChiusureX11> chiusure;
};
