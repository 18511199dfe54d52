#pragma once
// The compact list slider: shows the selected string of a list and steps through it with
// sideways drags or its drawn minus/plus buttons.
#include "controls/ComuneControlli.h"
#include "controls/TrascinamentoValore.h"

#include <QString>
#include <QStringList>
#include <QWidget>

class ORVVideoScrollBar : public QWidget, private RicevitoreMouse {
    Q_OBJECT
public:
    explicit ORVVideoScrollBar(QWidget* owner = nullptr);

    // Appends an item; no repaint, no event.
    void AggiungiValore(const QString& testo);
    const QStringList& ListaPossibiliValori() const { return lista; }
    void SetListaPossibiliValori(const QStringList& voci);
    const QStringList& ListaPossibiliValoriDatoRelativo() const { return listaRelativa; }
    void SetListaPossibiliValoriDatoRelativo(const QStringList& voci);
    // 1-based; 0 means none.
    int ListaPossibiliValoriVoce() const { return voce; }
    void SetListaPossibiliValoriVoce(int v);
    int ListaPossibiliValoriVocePrecedente() const { return vocePrecedente; }
    void SetListaPossibiliValoriVocePrecedente(int) {}
    int GapCambioValore() const { return gap; }
    void SetGapCambioValore(int v);
    bool ORV_Bottoni() const { return bottoni; }
    void SetORV_Bottoni(bool v);

    // Follows the selected item; not drawn.
    const QString& Caption() const { return caption; }
    // The text drawn: the selected item, or "Non definito".
    QString TestoVisualizzato() const;

    TColor Color() const { return colore; }
    void SetColor(TColor v);
    TColor ColoreFont() const { return coloreFont; }
    void SetColoreFont(TColor v);
    Qt::AlignmentFlag Alignment() const { return allineamento; }
    void SetAlignment(Qt::AlignmentFlag v);

    EventoNotifica OnCambiamentoValore;
    EventoNotifica OnClick;
    EventoNotifica OnDblClick;
    EventoMouse OnMouseDown;
    EventoMouse OnMouseUp;

    virtual void Disegna(QPainter& p);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void MouseEntra() override;
    void MouseEsce() override;
    void MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers shift, int x, int y) override;
    void MouseMove(Qt::KeyboardModifiers shift, int x, int y) override;
    void MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers shift, int x, int y) override;
    void Click() override;
    void DblClick() override;
    void Nascosto() override;
    void CaptionDaVoce();
    void Segnala();

    QStringList lista;
    QStringList listaRelativa;
    int voce = 0;
    int vocePrecedente = 0;
    int gap = 5;
    bool bottoni = false;
    QString caption;
    TColor colore = 0x505050;
    TColor coloreFont = 0x07BFFD;
    Qt::AlignmentFlag allineamento = Qt::AlignHCenter;

    bool MouseDentro = false;
    bool zonaBottone = false;
    TrascinamentoValore gesto;
    CursoreDimensiona cursore;
    PuntatoreQt puntatore{this};
};
