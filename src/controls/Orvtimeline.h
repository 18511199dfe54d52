#pragma once
// A five-track editing timeline: time code, labelled tracks with coloured element bars, a
// ruler with the frame cursor, zoom and scroll. Each element is one fixed-column line of
// ListaElementiInTimeLine, which the host fills and reads back; a drag rewrites the line.
#include "controls/Allineamento.h"
#include "controls/ComuneControlli.h"
#include "controls/GeometriaTimeline.h"

#include <QImage>
#include <QStringList>
#include <QWidget>

#include <array>
#include <vector>

class ORVTimeLine : public QWidget, private RicevitoreMouse {
    Q_OBJECT
public:
    enum Skin {
        Lato1A, Lato1B, Lato1C, Lato2, Lato3, Lato4, Lato5, Lato6, Lato7, Lato8, Lato9,
        Traccia, CursoreFrame, Lente, LenteZoomSx, LenteZoomSx_ON, LenteZoomDx, LenteZoomDx_ON,
        BT_SX_N, BT_SX_S, BT_CE_N, BT_CE_S, BT_DX_N, BT_DX_S,
        NumeroSkin
    };

    explicit ORVTimeLine(QWidget* owner = nullptr);

    const QImage& Immagine(Skin skin) const { return skins[skin]; }
    void SetImmagine(Skin skin, const QImage& immagine);
    void CreaBitmap();

    const QStringList& ListaElementiInTimeLine() const { return righe; }
    void SetListaElementiInTimeLine(const QStringList& lista);
    void AggiungiElemento(const QString& riga);

    int Frame() const { return frame; }
    void SetFrame(int v);
    int FrameRate() const { return frameRate; }
    void SetFrameRate(int v);
    int FrameIniziale() const { return frameIniziale; }
    void SetFrameIniziale(int v);
    int FrameFinale() const { return frameFinale; }
    void SetFrameFinale(int v);
    int LenteZoom() const { return lenteZoom; }
    void SetLenteZoom(int v);
    int Lingua() const { return lingua; }
    void SetLingua(int v);
    bool Modificato() const { return modificato; }
    void SetModificato(bool v) { modificato = v; }
    int MouseSopraElemento() const { return mouseSopraElemento; }
    int MouseSopraElementoID() const { return mouseSopraElementoID; }
    int MouseSopraTipoTraccia() const { return mouseSopraTipoTraccia; }
    QString Caption() const { return caption; }
    void SetCaption(const QString& testo);
    Allineamento Align() const { return AllineamentoDi(this); }
    void SetAlign(Allineamento a) { ImpostaAllineamento(this, a); }

    // Queries over the element lines.
    int RitornaMouseSopraElemento(int x, int y);
    int RitornaMouseSopraElementoID(int x, int y);
    int PrimoIdDisponibile() const;
    int PrimoFrameLiberoDellaTraccia(int traccia) const;
    int PossoSpostare(int traccia, int indice, int primo, int ultimo) const;
    bool FrameImportante(int frame) const;
    int FrameUtilizzatoMinore() const;
    int FrameUtilizzatoMaggiore() const;
    // True when elements lie before FrameIniziale or after FrameFinale (the scroll arrows show).
    bool ElementiFuoriVista() const;
    int TracciaSottoMouse() const { return tracciaSottoMouse; }
    int LenteZoomMassima() const { return lenteZoomMassima; }
    bool Trascinamento() const { return trascinamento; }
    int FrameTrascinamento() const { return int(frameDrag); }
    VistaTimeline Vista() const;

    EventoNotifica OnClick, OnDblClick;
    EventoMouse OnMouseDown, OnMouseUp;

    void Disegna(QPainter& p);
    void DisegnaOggetto(QPainter& p, const ElementoTimeLine& e);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void MouseEntra() override { mouseDentro = true; }
    void MouseEsce() override { mouseDentro = false; }
    void MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers shift, int x, int y) override;
    void MouseMove(Qt::KeyboardModifiers shift, int x, int y) override;
    void MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers shift, int x, int y) override;
    void Click() override { clickInAttesa = true; }
    void DblClick() override {
        if (OnDblClick) OnDblClick(this);
    }
    void Nascosto() override;
    void Rileggi();
    void DisegnaCornice(QPainter& p);
    void DisegnaTracce(QPainter& p);
    void DisegnaRighello(QPainter& p);
    void DisegnaBarraInferiore(QPainter& p);
    int Larghezza(Skin s) const;
    int Altezza(Skin s) const;

    std::array<QImage, NumeroSkin> skins;
    QStringList righe;
    std::vector<ElementoTimeLine> elementi;  // righe, read once per change
    QString caption;
    int frame = 0, frameRate = 25, frameIniziale = 1, frameFinale = 300, lenteZoom = 300;
    int lingua = 1;
    bool modificato = false;
    int mouseSopraElemento = 0, mouseSopraElementoID = 0, mouseSopraTipoTraccia = 0;
    // Press and drag.
    bool trascinamento = false, spostato = false, cursoreNascosto = false;
    int pressioneX = 0, pressioneY = 0;
    qint64 frameDrag = 0;
    int afferrato = 0;     // index + 1 of the element grabbed by the press
    int ultimoColpito = 0; // index + 1 found by the last hit test
    int tracciaSottoMouse = 0;
    int lenteZoomMassima = 300;
    bool zonaZoomDentro = false, zonaZoomFuori = false, zonaScorriSx = false, zonaScorriDx = false,
         zonaBarraZoom = false;
    bool mouseDentro = false;
    bool clickInAttesa = false;
};
