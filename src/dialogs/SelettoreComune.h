#pragma once
// What the folder chooser and the file chooser share: the folder, file and drive lists, the
// history drop-down with its file, browsing by double click or by history, and the icons.
#include "controls/ComuneControlli.h"
#include "dialogs/DialogoOrv.h"
#include "dialogs/NucleoSelettori.h"

#include <QImage>

#include <array>
#include <vector>

class ListaPannello;
class QLabel;
class TFlatComboBox;

class SelettoreComune : public DialogoOrv {
    Q_OBJECT
public:
    explicit SelettoreComune(QWidget* owner = nullptr);

    // Also stores the history file used by the runs.
    void Inizializza(int lingua, bool logo, const QString& parola1, const QString& parola2,
                     const QString& fileStorico);

    // The folder being browsed.
    const QString& Cartella() const { return cartella; }
    const QString& FileStorico() const { return fileStorico; }
    ListaPannello* ListaDirectory() const { return listaDirectory; }
    ListaPannello* ListaFiles() const { return listaFiles; }
    ListaPannello* ListaDrive() const { return listaDrive; }
    TFlatComboBox* StoricoCartelleBox() const { return storicoCartelle; }
    const std::vector<Volume>& Volumi() const { return volumi; }

    // The user's gestures on the lists and the history, by their row.
    void ListaDirectoryDblClick();
    void ListaDriveDblClick();
    void StoricoCartelleChange();
    // Shows a folder with its ancestors, subfolders and files.
    void Sfoglia(const QString& nuova);

protected:
    // After a browse: the folder chooser shows the folder, the file chooser clears its file.
    virtual void CartellaCambiata() {}
    void SetFiltro(FiltroFile f) { filtro = f; }
    void SetColoreFiles(TColor c) { coloreFiles = c; }
    // Loads the history into the drop-down; the first step of a run.
    void ApriStorico();
    // Adds the folder when confirmed, then writes the history if that is safe.
    void ChiudiStorico(bool confermato);
    void RiempiListaDrive();
    // The history as loaded by the run, and the folder confirmed last in this session.
    const QStringList& VociStorico() const { return storico.Voci(); }
    const QString& UltimaScelta() const { return ultimaScelta; }
    // Sets the shared captions in the dialog's language: folders, drives, history.
    void TestiComuni();

    QLabel* label2 = nullptr;  // folders
    QLabel* label4 = nullptr;  // drives
    QLabel* label7 = nullptr;  // history

private:
    void DisegnaCartella(QPainter& p, const QRect& riga, int indice);
    void DisegnaDrive(QPainter& p, const QRect& riga, int indice);
    void DisegnaFile(QPainter& p, const QRect& riga, int indice);

    ListaPannello* listaDirectory;
    ListaPannello* listaFiles;
    ListaPannello* listaDrive;
    TFlatComboBox* storicoCartelle;
    StoricoCartelle storico;
    QString fileStorico;
    QString cartella;
    QString ultimaScelta;
    FiltroFile filtro = FiltroFile::Tutti;
    TColor coloreFiles = 0xC0C0C0;
    std::vector<Volume> volumi;
    std::array<QImage, 7> icone;
};
