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

quint8 OpcodeXInput(xcb_connection_t* connessione) {
    static const char nome[] = "XInputExtension";
    xcb_query_extension_reply_t* risposta =
        xcb_query_extension_reply(connessione, xcb_query_extension(connessione, sizeof nome - 1, nome), nullptr);
    const quint8 opcode = risposta && risposta->present ? risposta->major_opcode : 0;
    std::free(risposta);
    return opcode;
}

// An XInput 2 device event as xcb hands it over: the wire's first 32 bytes, the full sequence
// number xcb puts after them, then the rest of the wire event.
struct EventoDispositivoXI {
    uint8_t response_type;
    uint8_t extension;
    uint16_t sequence;
    uint32_t length;
    uint16_t event_type;
    uint16_t deviceid;
    uint32_t time;
    uint32_t detail;
    uint32_t root;
    uint32_t event;
    uint32_t child;
    uint32_t full_sequence;
    int32_t root_x;  // 16.16 fixed point
    int32_t root_y;
    int32_t event_x;
    int32_t event_y;
};
static_assert(sizeof(EventoDispositivoXI) == 52);

constexpr uint16_t XIButtonRelease = 5;

}  // namespace

ChiusureX11::ChiusureX11(Gestore g) : gestore(std::move(g)) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) return;
    atomoProtocolli = Atomo(x11->connection(), "WM_PROTOCOLS");
    atomoChiudi = Atomo(x11->connection(), "WM_DELETE_WINDOW");
    opcodeXInput = OpcodeXInput(x11->connection());
}

ChiusureX11::ChiusureX11(quint32 protocolli, quint32 chiudi, Gestore g, quint8 opcode)
    : atomoProtocolli(protocolli), atomoChiudi(chiudi), opcodeXInput(opcode), gestore(std::move(g)) {}

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
    if (tipoEvento == XCB_GE_GENERIC) {
        const auto* xi = static_cast<const EventoDispositivoXI*>(messaggio);
        if (opcodeXInput == 0 || xi->extension != opcodeXInput || xi->event_type != XIButtonRelease ||
            xi->detail != XCB_BUTTON_INDEX_1 || !gestoreClic)
            return false;
        // The point rounded down to the pixel it lies in.
        return gestoreClic(static_cast<WId>(xi->event), QPoint(xi->event_x >> 16, xi->event_y >> 16));
    }
    if (tipoEvento != XCB_CLIENT_MESSAGE) return false;
    const auto* cliente = static_cast<const xcb_client_message_event_t*>(messaggio);
    if (cliente->format != 32 || cliente->type != atomoProtocolli || cliente->data.data32[0] != atomoChiudi)
        return false;
    return gestore(static_cast<WId>(cliente->window));
}
