#include "platform/BordsFenetre.h"

#include <QGuiApplication>
#include <QThread>
#include <QWidget>

#ifdef VEDO_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#endif

namespace vedo {

namespace {

#ifdef VEDO_XCB
template <typename T> using Reponse = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t atome(xcb_connection_t* c, const char* nom) {
    const Reponse<xcb_intern_atom_reply_t> r(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(qstrlen(nom)), nom), nullptr),
        &std::free);
    return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The 32-bit values of a window property; empty when it is not set.
QList<uint32_t> propriete(xcb_connection_t* c, xcb_window_t fenetre, xcb_atom_t nom, xcb_atom_t type) {
    const Reponse<xcb_get_property_reply_t> r(
        xcb_get_property_reply(c, xcb_get_property(c, 0, fenetre, nom, type, 0, 1024), nullptr), &std::free);
    if (!r || r->format != 32) return {};
    const auto* valeurs = static_cast<const uint32_t*>(xcb_get_property_value(r.get()));
    return QList<uint32_t>(valeurs, valeurs + xcb_get_property_value_length(r.get()) / 4);
}

// Asks the window manager which frame it will give the window, and waits a
// little for its answer in _NET_FRAME_EXTENTS (left, right, top, bottom).
QMargins bordsAnnonces(QWidget& fenetre) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11) return {};
    xcb_connection_t* c = x11->connection();
    const xcb_window_t racine = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t demande = atome(c, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t etendue = atome(c, "_NET_FRAME_EXTENTS");
    if (!propriete(c, racine, atome(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM).contains(demande)) return {};

    const auto id = static_cast<xcb_window_t>(fenetre.winId());
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = demande;
    xcb_send_event(c, 0, racine, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);
    // A window manager answers within a few milliseconds; one that does not
    // only costs the wait.
    for (int essai = 0; essai < 100; ++essai) {
        const auto bords = propriete(c, id, etendue, XCB_ATOM_CARDINAL);
        if (bords.size() == 4)
            return QMargins(static_cast<int>(bords[0]), static_cast<int>(bords[2]),
                            static_cast<int>(bords[1]), static_cast<int>(bords[3]));
        QThread::msleep(5);
    }
    return {};
}
#else
QMargins bordsAnnonces(QWidget&) {
    return {};
}
#endif

} // namespace

QMargins bordsFenetre(QWidget& fenetre) {
    if (!fenetre.isVisible()) return bordsAnnonces(fenetre);
    const QRect exterieur = fenetre.frameGeometry();
    const QRect interieur = fenetre.geometry();
    return {interieur.left() - exterieur.left(), interieur.top() - exterieur.top(),
            exterieur.right() - interieur.right(), exterieur.bottom() - interieur.bottom()};
}

} // namespace vedo
