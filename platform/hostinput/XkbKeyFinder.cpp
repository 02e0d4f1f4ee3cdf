#include "platform/hostinput/XkbKeyFinder.h"

#include <xcb/xcb.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <climits>

namespace {

// xkb key codes are the kernel's plus 8, as in the X server.
constexpr unsigned kEvdevOffset = 8;

} // namespace

XkbKeyFinder::XkbKeyFinder(xkb_context *context, xkb_keymap *keymap, int activeLayout)
    : m_context(context)
    , m_keymap(keymap)
    , m_activeLayout(activeLayout)
{
}

XkbKeyFinder::~XkbKeyFinder()
{
    xkb_keymap_unref(m_keymap);
    xkb_context_unref(m_context);
}

std::unique_ptr<XkbKeyFinder> XkbKeyFinder::fromDisplay(QString *error)
{
    auto failed = [error](const QString &why) {
        if (error)
            *error = why;
        return nullptr;
    };
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return failed(QStringLiteral("no X display (DISPLAY is not set)"));
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (!connection || xcb_connection_has_error(connection)) {
        if (connection)
            xcb_disconnect(connection);
        return failed(QStringLiteral("cannot open the X display"));
    }
    std::unique_ptr<XkbKeyFinder> finder;
    if (xkb_x11_setup_xkb_extension(connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
                                    XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr)) {
        const int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
        xkb_context *context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
        xkb_keymap *keymap = device >= 0 && context
                                 ? xkb_x11_keymap_new_from_device(context, connection, device, XKB_KEYMAP_COMPILE_NO_FLAGS)
                                 : nullptr;
        if (keymap) {
            int active = 0;
            if (xkb_state *state = xkb_x11_state_new_from_device(keymap, connection, device)) {
                active = int(xkb_state_serialize_layout(state, XKB_STATE_LAYOUT_EFFECTIVE));
                xkb_state_unref(state);
            }
            finder.reset(new XkbKeyFinder(context, keymap, active));
        } else {
            xkb_context_unref(context);
        }
    }
    xcb_disconnect(connection);
    if (!finder)
        return failed(QStringLiteral("the X server gives no keyboard map"));
    return finder;
}

std::unique_ptr<XkbKeyFinder> XkbKeyFinder::fromNames(const LayoutNames &names)
{
    // The names reach libxkbcommon as they are; it only reads its own data
    // files with them and refuses what it does not find.
    const QByteArray layout = names.layout.toUtf8();
    const QByteArray variant = names.variant.toUtf8();
    const QByteArray model = names.model.toUtf8();
    const QByteArray options = names.options.toUtf8();
    auto orNull = [](const QByteArray &text) { return text.isEmpty() ? nullptr : text.constData(); };
    xkb_rule_names rmlvo{};
    rmlvo.model = orNull(model);
    rmlvo.layout = orNull(layout);
    rmlvo.variant = orNull(variant);
    rmlvo.options = orNull(options);
    xkb_context *context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    if (!context)
        return nullptr;
    xkb_keymap *keymap = xkb_keymap_new_from_names(context, &rmlvo, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (!keymap) {
        xkb_context_unref(context);
        return nullptr;
    }
    return std::unique_ptr<XkbKeyFinder>(new XkbKeyFinder(context, keymap, 0));
}

int XkbKeyFinder::layoutCount() const
{
    return int(xkb_keymap_num_layouts(m_keymap));
}

int XkbKeyFinder::findInLayout(uint32_t keysym, unsigned layout) const
{
    int found = 0;
    unsigned foundLevel = UINT_MAX;
    const xkb_keycode_t first = xkb_keymap_min_keycode(m_keymap);
    const xkb_keycode_t last = xkb_keymap_max_keycode(m_keymap);
    for (xkb_keycode_t key = first; key <= last && key != 0; ++key) {
        if (key < kEvdevOffset || layout >= xkb_keymap_num_layouts_for_key(m_keymap, key))
            continue;
        const unsigned levels = xkb_keymap_num_levels_for_key(m_keymap, key, layout);
        for (unsigned level = 0; level < levels && level < foundLevel; ++level) {
            const xkb_keysym_t *syms = nullptr;
            const int count = xkb_keymap_key_get_syms_by_level(m_keymap, key, layout, level, &syms);
            for (int i = 0; i < count; ++i) {
                if (syms[i] == keysym) {
                    found = int(key - kEvdevOffset);
                    foundLevel = level;
                    break;
                }
            }
        }
        if (foundLevel == 0)
            break;
    }
    return found;
}

int XkbKeyFinder::evdevCodeFor(uint32_t keysym) const
{
    const unsigned layouts = xkb_keymap_num_layouts(m_keymap);
    if (m_activeLayout >= 0 && unsigned(m_activeLayout) < layouts)
        if (const int code = findInLayout(keysym, unsigned(m_activeLayout)))
            return code;
    for (unsigned layout = 0; layout < layouts; ++layout)
        if (int(layout) != m_activeLayout)
            if (const int code = findInLayout(keysym, layout))
                return code;
    return 0;
}
