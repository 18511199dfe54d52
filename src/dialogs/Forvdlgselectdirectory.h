#pragma once
// The folder chooser: browse by the folder, drive and history lists, answer Ok (1) or
// Annulla (2). Every run starts at the process's current folder.
#include "dialogs/SelettoreComune.h"

class ORVLRButton;
class TFlatEdit;

class TORVDLGSelectDirectory : public SelettoreComune {
    Q_OBJECT
public:
    explicit TORVDLGSelectDirectory(QWidget* owner = nullptr);

    // On 1 the folder becomes the chosen one.
    int Esegui(QString& cartellaScelta);

    TFlatEdit* DirectoryAttivaText() const { return directoryAttiva; }
    ORVLRButton* BTN_1() const { return btn1; }
    ORVLRButton* BTN_2() const { return btn2; }

protected:
    void CartellaCambiata() override;
    void showEvent(QShowEvent* e) override;

private:
    void ImpostaTesti();

    QLabel* label1;
    QLabel* label3;
    TFlatEdit* directoryAttiva;
    ORVLRButton* btn1;
    ORVLRButton* btn2;
};
