#pragma once
// A framed panel with a title strip that shows either one page name with arrows to step
// through its pages, or a row of page tabs; a left release on a tab fires OnCambioPagina.
#include "controls/ComuneControlli.h"

#include <QImage>
#include <QStringList>
#include <QWidget>

#include <array>
#include <utility>

class ORVPannello : public QWidget, private RicevitoreMouse {
    Q_OBJECT
public:
    enum Skin {
        Lato1A, Lato1B, Lato1C, PaginaPiu_ON, Lato2, Lato3,
        Lato4, Lato5, Lato6, Lato7, Lato8, Lato9,
        PaginaSx, PaginaSx_ON, PaginaDx, PaginaDx_ON,
        ORV_PaginaNascostaSx, ORV_PaginaNascostaCentr, ORV_PaginaNascostaCentr_On,
        ORV_PaginaNascostaDivisore, ORV_PaginaNascostaDx,
        NumeroSkin
    };
    static constexpr int MassimoSchede = 50;

    explicit ORVPannello(QWidget* owner = nullptr);

    const QImage& Immagine(Skin skin) const { return skins[skin]; }
    void SetImmagine(Skin skin, const QImage& immagine);
    void CreaBitmap();

    const QStringList& Pagine() const { return pagine; }
    void SetPagine(const QStringList& lista);
    int PagineNumero() const { return pagineNumero; }
    void SetPagineNumero(int v);
    bool VisualizzaPagine() const { return visualizzaPagine; }
    void SetVisualizzaPagine(bool v);
    bool VisualizzaPiu() const { return visualizzaPiu; }
    void SetVisualizzaPiu(bool v);
    bool ORV_VisualizzaAltrePagine() const { return modoSchede; }
    void SetORV_VisualizzaAltrePagine(bool v);
    int ORV_MouseSopraAllaPagina() const { return paginaSotto; }
    int ORV_PaginaEvidenziata() const { return paginaEvidenziata; }
    void SetORV_PaginaEvidenziata(int v);

    EventoNotifica OnCambioPagina;

    // Extent of tab i as last drawn (title mode: the page name in slot 0).
    std::pair<int, int> EstensionePagina(int i) const { return estensioni.at(std::size_t(i)); }
    // The page shown in title mode; an empty list or a number out of range shows none.
    QString NomePagina() const;
    void Disegna(QPainter& p);
    // Only the title strip, as the pointer moves over it.
    void DisegnaParziale();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void MouseEntra() override { MouseDentro = true; }
    void MouseEsce() override { MouseDentro = false; }
    void MouseDown(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) override;
    void MouseMove(Qt::KeyboardModifiers, int x, int y) override;
    void MouseUp(Qt::MouseButton tasto, Qt::KeyboardModifiers, int, int) override;
    void DisegnaStriscia(QPainter& p);

    std::array<QImage, NumeroSkin> skins;
    QStringList pagine{QStringLiteral("Titoli"), QStringLiteral("Transizioni"), QStringLiteral("Video"),
                       QStringLiteral("Audio")};
    int pagineNumero = 1;
    bool visualizzaPagine = true, visualizzaPiu = true, modoSchede = false;
    int paginaSotto = 0, paginaEvidenziata = 0;
    int larghezzaTitolo = 0;
    bool frecciaSxSopra = false, frecciaDxSopra = false, piuSopra = false;
    std::array<std::pair<int, int>, MassimoSchede> estensioni{};
    bool MouseDentro = false;
};
