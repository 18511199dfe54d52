#pragma once
// The window chrome of a frameless top-level window: the 9-slice frame, the title, up to
// three window buttons, the rounded outline, moving by the title band, the double press for
// full screen, resizing by the edges, minimise and close.
#include "controls/ComuneControlli.h"
#include "controls/GeometriaForm.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>

class ORVForm : public QWidget {
    Q_OBJECT
public:
    enum Skin {
        Lato1, Lato2, Lato3, Lato4, Lato5, Lato6, Lato7, Lato8, Lato9,
        Btn_Min_Normale, Btn_Min_Sopra, Btn_Min_Premuto,
        Btn_Max_Normale, Btn_Max_Sopra, Btn_Max_Premuto,
        Btn_Chiudi_Normale, Btn_Chiudi_Sopra, Btn_Chiudi_Premuto,
        Lato1AltroAngolo, Lato1AltroLogo,
        NumeroSkin
    };

    // Covers its owner (the window) and follows its size; the window loses its system frame.
    explicit ORVForm(QWidget* owner = nullptr);

    const QImage& Immagine(Skin skin) const { return skins[skin]; }
    void SetImmagine(Skin skin, const QImage& immagine);
    void CreaBitmap();

    const QString& Caption() const { return caption; }
    void SetCaption(const QString& testo);
    TColor ColoreFont() const { return coloreFont; }
    void SetColoreFont(TColor v);

    bool BtnVisibleMinimize() const { return visibileMin; }
    bool BtnVisibleMaximize() const { return visibileMax; }
    bool BtnVisibleClose() const { return visibileChiudi; }
    void SetBtnVisibleMinimize(bool v);
    void SetBtnVisibleMaximize(bool v);
    void SetBtnVisibleClose(bool v);

    bool Dimensionabile() const { return dimensionabile; }
    int DimWidthMinima() const { return larghezzaMinima; }
    int DimHeightMinima() const { return altezzaMinima; }
    void SetDimensionabile(bool v) { dimensionabile = v; }
    void SetDimWidthMinima(int v) { larghezzaMinima = v; }
    void SetDimHeightMinima(int v) { altezzaMinima = v; }

    bool Lato1Alternativo() const { return alternativo; }
    const QString& Lato1AlternativoCaption1() const { return parola1; }
    const QString& Lato1AlternativoCaption2() const { return parola2; }
    const QFont& Lato1AlternativoFont() const { return fontAlternativo; }
    TColor Lato1AlternativoCaptionColor1() const { return colore1; }
    TColor Lato1AlternativoCaptionColor2() const { return colore2; }
    void SetLato1Alternativo(bool v);
    void SetLato1AlternativoCaption1(const QString& v);
    void SetLato1AlternativoCaption2(const QString& v);
    void SetLato1AlternativoFont(const QFont& v);
    void SetLato1AlternativoCaptionColor1(TColor v);
    void SetLato1AlternativoCaptionColor2(TColor v);

    // Shows the cursor that the pointer position asks for.
    void QualeCursore(int x, int y);
    // Fills the screen, or gives back the bounds held before.
    void AlternaSchermoIntero();

    int ZonaAttiva() const { return zonaAttiva; }
    bool Massimizzato() const { return massimizzato; }
    bool Premuto() const { return TastoPremuto; }
    PulsantiForm Pulsanti() const;
    // Whether punto (in the frame's pixels) lies on the visible close button.
    bool SuPulsanteChiudi(QPoint punto) const;

    void Disegna(QPainter& p);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void Premi(QMouseEvent* e);
    void RifaiRegione();
    void Ridimensiona(QPoint puntatore);
    void SpostaATitolo(QPoint globale);
    QRect Schermo() const;
    void ImpostaCursore(Qt::CursorShape forma);

    std::array<QImage, NumeroSkin> skins;
    QString caption;
    TColor coloreFont = 0xC0C0C0;
    bool visibileMin = false, visibileMax = false, visibileChiudi = false;
    bool dimensionabile = true;
    int larghezzaMinima = 400, altezzaMinima = 400;
    bool alternativo = false;
    QString parola1 = QStringLiteral("ORV"), parola2 = QStringLiteral("Prova");
    QFont fontAlternativo;
    TColor colore1 = 0x0000C8, colore2 = 0xDCDCDC;

    bool MouseDentro = false;
    bool TastoPremuto = false;
    int topPulsanti = 12;
    bool cursoreImpostato = false;
    QPoint ancora;
    QRect geometriaAllaPressione;
    QPoint globaleAllaPressione;
    bool spostamentoManuale = false;
    int zonaAttiva = ZonaNessuna;
    bool massimizzato = false;
    QRect limitiSalvati;
    std::optional<std::uint64_t> tempoUltimaPressione;
    QSize dimensioneRegione;
};
