#include "platform/ChiusureX11.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

quint32 Atomo(xcb_connection_t* connessione, const char* nome) {
    const xcb_intern_atom_cookie_t richiesta =
        xcb_intern_atom(connessione, 1, static_cast<uint16_t>(std::strlen(nome)), nome);
    xcb_intern_atom_reply_t* risposta = xcb_intern_atom_reply(connessione, richiesta, nullptr);
    if (!risposta) return 0;
    const quint32 atomo = risposta->atom;
    std::free(risposta);
    return atomo;
}

}  // namespace

ChiusureX11::ChiusureX11(Gestore g) : gestore(std::move(g)) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) return;
    atomoProtocolli = Atomo(x11->connection(), "WM_PROTOCOLS");
    atomoChiudi = Atomo(x11->connection(), "WM_DELETE_WINDOW");
}

ChiusureX11::ChiusureX11(quint32 protocolli, quint32 chiudi, Gestore g)
    : atomoProtocolli(protocolli), atomoChiudi(chiudi), gestore(std::move(g)) {}

bool ChiusureX11::nativeEventFilter(const QByteArray& tipo, void* messaggio, qintptr*) {
    if (!Attivo() || !gestore || !messaggio || tipo != QByteArrayLiteral("xcb_generic_event_t")) return false;
    const auto* evento = static_cast<const xcb_generic_event_t*>(messaggio);
    // The top bit only says the event was sent by another client, as a window manager's is.
    const uint8_t tipoEvento = evento->response_type & 0x7F;
    if (tipoEvento == XCB_BUTTON_RELEASE) {
        const auto* tasto = static_cast<const xcb_button_release_event_t*>(messaggio);
        if (tasto->detail != XCB_BUTTON_INDEX_1 || !gestoreClic) return false;
        return gestoreClic(static_cast<WId>(tasto->event), QPoint(tasto->event_x, tasto->event_y));
    }
    if (tipoEvento != XCB_CLIENT_MESSAGE) return false;
    const auto* cliente = static_cast<const xcb_client_message_event_t*>(messaggio);
    if (cliente->format != 32 || cliente->type != atomoProtocolli || cliente->data.data32[0] != atomoChiudi)
        return false;
    return gestore(static_cast<WId>(cliente->window));
}
