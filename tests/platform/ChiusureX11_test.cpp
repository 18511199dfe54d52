#include "platform/ChiusureX11.h"

#include <gtest/gtest.h>

#include <xcb/xcb.h>

#include <cstring>
#include <utility>
#include <vector>

namespace {

constexpr quint32 Protocolli = 301, Chiudi = 302, Fuoco = 303;

xcb_client_message_event_t Messaggio(quint32 finestra, quint32 tipo, quint32 dato, uint8_t formato = 32,
                                     bool inviato = true) {
    xcb_client_message_event_t e{};
    e.response_type = XCB_CLIENT_MESSAGE | (inviato ? 0x80 : 0);
    e.format = formato;
    e.window = finestra;
    e.type = tipo;
    e.data.data32[0] = dato;
    return e;
}

}  // namespace

// Only a window manager's WM_DELETE_WINDOW reaches the handler, with its window; what the
// handler says is whether Qt still sees it.
TEST(ChiusureX11, OnlyTheCloseRequestReachesTheHandler) {
    std::vector<WId> viste;
    bool prendi = true;
    ChiusureX11 filtro(Protocolli, Chiudi, [&](WId w) {
        viste.push_back(w);
        return prendi;
    });
    ASSERT_TRUE(filtro.Attivo());
    const QByteArray xcb("xcb_generic_event_t");
    const struct {
        const char* nome;
        xcb_client_message_event_t evento;
        QByteArray tipo;
        bool preso;
    } casi[] = {
        {"the close request", Messaggio(77, Protocolli, Chiudi), xcb, true},
        {"from the server itself", Messaggio(78, Protocolli, Chiudi, 32, false), xcb, true},
        {"another protocol (focus)", Messaggio(79, Protocolli, Fuoco), xcb, false},
        {"another message", Messaggio(80, Fuoco, Chiudi), xcb, false},
        {"another format", Messaggio(81, Protocolli, Chiudi, 8), xcb, false},
        {"another platform", Messaggio(82, Protocolli, Chiudi), "windows_generic_MSG", false},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        viste.clear();
        auto evento = c.evento;
        EXPECT_EQ(filtro.nativeEventFilter(c.tipo, &evento, nullptr), c.preso);
        EXPECT_EQ(viste, c.preso ? std::vector<WId>{evento.window} : std::vector<WId>{});
    }
    // Not a client message at all (a key press has the same size).
    auto tasto = Messaggio(83, Protocolli, Chiudi);
    tasto.response_type = XCB_KEY_PRESS;
    EXPECT_FALSE(filtro.nativeEventFilter(xcb, &tasto, nullptr));
    // Left to Qt when the handler does not take it.
    prendi = false;
    auto evento = Messaggio(84, Protocolli, Chiudi);
    EXPECT_FALSE(filtro.nativeEventFilter(xcb, &evento, nullptr));
    EXPECT_EQ(viste, std::vector<WId>{84});
}

// Away from X11 (offscreen here) the filter finds no atoms and lets everything through.
TEST(ChiusureX11, IdleWithoutAnXConnection) {
    bool chiamato = false;
    ChiusureX11 filtro([&](WId) { return chiamato = true; });
    if (filtro.Attivo()) GTEST_SKIP() << "running on X11";
    auto evento = Messaggio(77, Protocolli, Chiudi);
    EXPECT_FALSE(filtro.nativeEventFilter("xcb_generic_event_t", &evento, nullptr));
    EXPECT_FALSE(chiamato);
}

// A left click released on a window reaches the click handler with its point; another button,
// or no handler, leaves it to Qt.
TEST(ChiusureX11, ALeftClickReleasedReachesTheClickHandler) {
    ChiusureX11 filtro(Protocolli, Chiudi, [](WId) { return false; });
    const QByteArray xcb("xcb_generic_event_t");
    auto rilascio = [](quint32 finestra, uint8_t tasto, int16_t x, int16_t y) {
        xcb_button_release_event_t e{};
        e.response_type = XCB_BUTTON_RELEASE;
        e.detail = tasto;
        e.event = finestra;
        e.event_x = x;
        e.event_y = y;
        return e;
    };
    auto senza = rilascio(90, XCB_BUTTON_INDEX_1, 5, 6);
    EXPECT_FALSE(filtro.nativeEventFilter(xcb, &senza, nullptr));

    std::vector<std::pair<WId, QPoint>> visti;
    filtro.ImpostaClic([&](WId w, QPoint p) {
        visti.push_back({w, p});
        return true;
    });
    const struct {
        const char* nome;
        uint8_t tasto;
        bool preso;
    } casi[] = {{"the left button", XCB_BUTTON_INDEX_1, true},
                {"the middle button", XCB_BUTTON_INDEX_2, false},
                {"the right button", XCB_BUTTON_INDEX_3, false}};
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        visti.clear();
        auto e = rilascio(91, c.tasto, 1230, 14);
        EXPECT_EQ(filtro.nativeEventFilter(xcb, &e, nullptr), c.preso);
        using Visti = std::vector<std::pair<WId, QPoint>>;
        const Visti attesi = c.preso ? Visti{{WId(91), QPoint(1230, 14)}} : Visti{};
        EXPECT_EQ(visti, attesi);
    }
    // A press is Qt's.
    auto pressione = rilascio(92, XCB_BUTTON_INDEX_1, 1, 1);
    pressione.response_type = XCB_BUTTON_PRESS;
    visti.clear();
    EXPECT_FALSE(filtro.nativeEventFilter(xcb, &pressione, nullptr));
    EXPECT_TRUE(visti.empty());
}

// Where the server has XInput 2, Qt asks for its events and the release comes as one of them
// (a generic event of XInput's opcode, as xcb lays it out: the wire's first 32 bytes, xcb's full
// sequence number, then the 16.16 fixed-point coordinates); only XInput's left-button release
// reaches the click handler, with its point in whole pixels.
TEST(ChiusureX11, AnXInputReleaseReachesTheClickHandler) {
    constexpr quint8 OpcodeXI = 131;
    ChiusureX11 filtro(Protocolli, Chiudi, [](WId) { return false; }, OpcodeXI);
    std::vector<std::pair<WId, QPoint>> visti;
    filtro.ImpostaClic([&](WId w, QPoint p) {
        visti.push_back({w, p});
        return true;
    });
    const auto evento = [](quint8 opcode, uint16_t tipo, uint32_t tasto, uint32_t finestra, double x, double y) {
        std::vector<unsigned char> e(96, 0);
        const auto scrivi = [&](size_t dove, auto valore) { std::memcpy(e.data() + dove, &valore, sizeof valore); };
        scrivi(0, uint8_t(XCB_GE_GENERIC));
        scrivi(1, opcode);
        scrivi(4, uint32_t(16));  // length, in 4-byte units past the first 32 bytes
        scrivi(8, tipo);
        scrivi(10, uint16_t(2));  // the master pointer
        scrivi(16, tasto);
        scrivi(20, uint32_t(1));  // root
        scrivi(24, finestra);
        scrivi(32, uint32_t(0xDEADBEEF));  // xcb's full sequence number
        scrivi(36, int32_t(x * 65536));
        scrivi(40, int32_t(y * 65536));
        scrivi(44, int32_t(x * 65536));
        scrivi(48, int32_t(y * 65536));
        return e;
    };
    const QByteArray xcb("xcb_generic_event_t");
    using Visti = std::vector<std::pair<WId, QPoint>>;
    const struct {
        const char* nome;
        std::vector<unsigned char> evento;
        Visti attesi;
    } casi[] = {
        {"the left button's release", evento(OpcodeXI, 5, 1, 93, 1230.75, 14.5), Visti{{WId(93), QPoint(1230, 14)}}},
        {"a press", evento(OpcodeXI, 4, 1, 94, 10, 10), {}},
        {"the right button", evento(OpcodeXI, 5, 3, 95, 10, 10), {}},
        {"another extension", evento(OpcodeXI + 1, 5, 1, 96, 10, 10), {}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        visti.clear();
        auto e = c.evento;
        EXPECT_EQ(filtro.nativeEventFilter(xcb, e.data(), nullptr), !c.attesi.empty());
        EXPECT_EQ(visti, c.attesi);
    }
    // Without XInput on the server nothing is taken for it.
    ChiusureX11 senza(Protocolli, Chiudi, [](WId) { return false; });
    senza.ImpostaClic([&](WId, QPoint) { return true; });
    auto e = evento(0, 5, 1, 97, 10, 10);
    EXPECT_FALSE(senza.nativeEventFilter(xcb, e.data(), nullptr));
}
