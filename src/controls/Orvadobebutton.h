#pragma once
// An older caption button: a centred caption over a mirrored grey ramp (Bordato) or over
// black with a ramped underline, its colour showing idle, hover and Attivo.
#include "controls/ComuneControlli.h"

#include <QImage>
#include <QWidget>

class ORVAdobeButton : public QWidget, private RicevitoreMouse {
    Q_OBJECT
public:
    explicit ORVAdobeButton(QWidget* owner = nullptr);

    const QString& Caption() const { return caption; }
    void SetCaption(const QString& testo);
    const QImage& Normale() const { return normale; }
    void SetNormale(const QImage& immagine);
    TColor ColoreNormale() const { return coloreNormale; }
    void SetColoreNormale(TColor v);
    TColor ColoreMouseSopra() const { return coloreMouseSopra; }
    void SetColoreMouseSopra(TColor v);
    TColor ColoreAttivo() const { return coloreAttivo; }
    void SetColoreAttivo(TColor v);
    bool Attivo() const { return attivo; }
    void SetAttivo(bool v);
    bool Bordato() const { return bordato; }
    void SetBordato(bool v);

    // The caption's colour in the current state.
    TColor ColoreCaption() const;

    EventoNotifica OnClick, OnDblClick;

    void Disegna(QPainter& p);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void MouseEntra() override;
    void MouseEsce() override;
    void Click() override {
        if (OnClick) OnClick(this);
    }
    void DblClick() override {
        if (OnDblClick) OnDblClick(this);
    }
    void Nascosto() override { mouseDentro = false; }

    QString caption;
    QImage normale;
    TColor coloreNormale = 0x999999, coloreMouseSopra = 0xCCCCCC, coloreAttivo = 0xFEFEFE;
    bool attivo = false, bordato = false;
    bool mouseDentro = false;
};
