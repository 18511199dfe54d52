#pragma once
// A window manager's close of a window that a modal dialog blocks never reaches that window:
// Qt drops it on the way. This filter sees the request first (on X11; elsewhere it stays
// idle) and hands the window to a handler, which may take it. A left click released on a
// blocked window is dropped the same way; a second handler may see it first, whether it comes
// as a core event or, as Qt asks for it wherever the server has XInput 2, as an XInput one.
#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QPoint>
#include <QWindow>

#include <functional>

class ChiusureX11 : public QAbstractNativeEventFilter {
public:
    // True when the handler took the request; Qt then sees nothing of it.
    using Gestore = std::function<bool(WId finestra)>;
    // True when the handler took the click; punto is in the window's own device pixels, as X
    // counts them (logical ones times the scale).
    using GestoreClic = std::function<bool(WId finestra, QPoint punto)>;

    // The atoms of the application's X connection; idle when there is none.
    explicit ChiusureX11(Gestore gestore);
    // With the atoms given: WM_PROTOCOLS and WM_DELETE_WINDOW, and XInput's major opcode (0: none).
    ChiusureX11(quint32 atomoProtocolli, quint32 atomoChiudi, Gestore gestore, quint8 opcodeXInput = 0);

    bool Attivo() const { return atomoProtocolli != 0 && atomoChiudi != 0; }
    void ImpostaClic(GestoreClic g) { gestoreClic = std::move(g); }
    bool nativeEventFilter(const QByteArray& tipo, void* messaggio, qintptr* risultato) override;

private:
    quint32 atomoProtocolli = 0;
    quint32 atomoChiudi = 0;
    quint8 opcodeXInput = 0;
    Gestore gestore;
    GestoreClic gestoreClic;
};
