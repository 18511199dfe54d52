#pragma once
// A holder of three button pictures that ORVButton5 copies; on a form it shows its Normale.
#include "controls/ComuneControlli.h"

#include <QImage>
#include <QWidget>

#include <memory>

class ORVButton5Style : public QWidget {
    Q_OBJECT
public:
    explicit ORVButton5Style(QWidget* owner = nullptr);
    // The style a button makes for itself: smaller, without an owner.
    static std::unique_ptr<ORVButton5Style> Privato();

    const QImage& Normale() const { return normale; }
    void SetNormale(const QImage& immagine);
    const QImage& Attivo() const { return attivo; }
    void SetAttivo(const QImage& immagine) { attivo = immagine; }
    const QImage& Premuto() const { return premuto; }
    void SetPremuto(const QImage& immagine) { premuto = immagine; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage normale, attivo, premuto;
};
