#include "ScreenWatch.h"

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <poll.h>

namespace {
template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;
} // namespace

ScreenWatch::ScreenWatch(const QString& display)
{
    m_connection = xcb_connect(display.toLocal8Bit().constData(), nullptr);
    if (xcb_connection_has_error(m_connection)) {
        m_error = QStringLiteral("cannot connect to the X display %1").arg(display);
        return;
    }
    const xcb_query_extension_reply_t* damage =
        xcb_get_extension_data(m_connection, &xcb_damage_id);
    if (!damage || !damage->present) {
        m_error = QStringLiteral("the X display %1 has no DAMAGE extension").arg(display);
        return;
    }
    m_damageNotify = damage->first_event + XCB_DAMAGE_NOTIFY;
    // The extension answers nothing else before its version is asked.
    const Reply<xcb_damage_query_version_reply_t> version(
        xcb_damage_query_version_reply(m_connection, xcb_damage_query_version(m_connection, 1, 1),
                                       nullptr),
        &std::free);

    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, root, XCB_CW_EVENT_MASK, &events);
    xcb_damage_create(m_connection, xcb_generate_id(m_connection), root,
                      XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    xcb_flush(m_connection);
}

ScreenWatch::~ScreenWatch()
{
    xcb_disconnect(m_connection);
}

void ScreenWatch::discardEvents()
{
    // A round trip makes sure that everything the server reported so far has arrived.
    const Reply<xcb_get_input_focus_reply_t> sync(
        xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr),
        &std::free);
    takeEvents();
    m_mappedSize = {};
}

bool ScreenWatch::waitForDrawing(QDeadlineTimer deadline)
{
    while (m_error.isEmpty()) {
        if (takeEvents())
            return true;
        if (!waitForEvents(deadline))
            return false;
    }
    return false;
}

void ScreenWatch::watchUntil(QDeadlineTimer deadline)
{
    while (m_error.isEmpty() && waitForEvents(deadline))
        takeEvents();
}

bool ScreenWatch::waitForEvents(QDeadlineTimer deadline)
{
    pollfd connection{xcb_get_file_descriptor(m_connection), POLLIN, 0};
    while (!deadline.hasExpired()) {
        const int ready = poll(&connection, 1, int(std::max<qint64>(1, deadline.remainingTime())));
        if (ready > 0)
            return true;
    }
    return false;
}

bool ScreenWatch::takeEvents()
{
    bool drawn = false;
    while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
        const uint8_t type = event->response_type & 0x7f;
        if (type == m_damageNotify) {
            drawn = true;
        } else if (type == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            const Reply<xcb_get_geometry_reply_t> geometry(
                xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, map->window),
                                       nullptr),
                &std::free);
            if (geometry)
                m_mappedSize = {geometry->width, geometry->height};
        }
        std::free(event);
    }
    if (xcb_connection_has_error(m_connection))
        m_error = QStringLiteral("the X display closed the connection");
    return drawn;
}
