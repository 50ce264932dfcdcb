#include "platform/linux/X11GlobalHotKeys.h"

#include "core/Logger.h"
#include "platform/linux/XcbConnection.h"

#include <QSocketNotifier>

#include <xcb/xcb_keysyms.h>

#include <X11/keysym.h>

#include <algorithm>

namespace {

const QString category = QStringLiteral("Shortcuts");
// A modifier key may carry its keysym in any of the first few columns.
constexpr int modifierKeysymColumns = 4;

// Latin letters have the keysym of their lower-case character.
xcb_keysym_t letterKeysym(QChar letter)
{
    return xcb_keysym_t(letter.toLower().unicode());
}

} // namespace

X11GlobalHotKeys::X11GlobalHotKeys(QByteArray displayName, QObject *parent)
    : GlobalHotKeys(parent)
    , m_displayName(std::move(displayName))
{
}

X11GlobalHotKeys::~X11GlobalHotKeys()
{
    removeHandler();
}

std::optional<QString> X11GlobalHotKeys::installHandler()
{
    if (m_connection)
        return std::nullopt;
    m_connection = XcbConnection::open(m_displayName);
    if (!m_connection)
        return QStringLiteral("error: cannot open the X display");
    m_keySymbols = xcb_key_symbols_alloc(m_connection->get());
    m_lost = false;
    m_notifier = new QSocketNotifier(m_connection->fileDescriptor(), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &X11GlobalHotKeys::readEvents);
    return std::nullopt;
}

void X11GlobalHotKeys::removeHandler()
{
    unregisterKeys();
    delete m_notifier;
    if (m_keySymbols)
        xcb_key_symbols_free(m_keySymbols);
    m_keySymbols = nullptr;
    m_connection.reset();
    m_releasedAt.clear();
}

QList<QString> X11GlobalHotKeys::registerKeys(const QList<HotKeyDefinition> &rows)
{
    QList<QString> failures(rows.size());
    if (!m_connection || m_lost) {
        failures.fill(QStringLiteral("error: no connection to the X server"));
        return failures;
    }
    m_modifiers = readModifiers();
    if (!m_modifiers.super || !m_modifiers.alt) {
        failures.fill(QStringLiteral("error: no Super or Alt key in the modifier map"));
        return failures;
    }
    QList<Grab> candidates;
    const QList<PendingGrab> pending = sendGrabs(rows, candidates, failures);
    collectAnswers(pending, failures);
    for (qsizetype row = 0; row < rows.size(); ++row) {
        if (failures.at(row).isEmpty())
            m_grabs.append(candidates.at(row));
        else
            ungrab(candidates.at(row)); // only this client's grabs go, never another's
    }
    xcb_flush(m_connection->get());
    // Events read while waiting for the answers would wait in the queue until the socket
    // next has something.
    readEvents();
    return failures;
}

QList<X11GlobalHotKeys::PendingGrab> X11GlobalHotKeys::sendGrabs(const QList<HotKeyDefinition> &rows,
                                                                 QList<Grab> &candidates,
                                                                 QList<QString> &failures) const
{
    QList<PendingGrab> pending;
    for (qsizetype row = 0; row < rows.size(); ++row) {
        const QChar letter = rows.at(row).letter;
        const Grab grab{rows.at(row).id, letter, keycodesFor(letter), modifierSets()};
        if (grab.keycodes.isEmpty())
            failures[row] = QStringLiteral("error: no %1 key in the layout").arg(letter);
        for (xcb_keycode_t keycode : grab.keycodes) {
            for (uint16_t modifiers : grab.modifierSets)
                pending.append({row, xcb_grab_key_checked(m_connection->get(), 1, m_connection->root(),
                                                          modifiers, keycode, XCB_GRAB_MODE_ASYNC,
                                                          XCB_GRAB_MODE_ASYNC)});
        }
        candidates.append(grab);
    }
    return pending;
}

// The first check waits for the server to have answered every grab sent before it; the others
// then find their answers already there. A row keeps its first error.
void X11GlobalHotKeys::collectAnswers(const QList<PendingGrab> &pending, QList<QString> &failures) const
{
    for (const PendingGrab &grab : pending) {
        const XcbReply<xcb_generic_error_t> error(xcb_request_check(m_connection->get(), grab.cookie));
        if (error && failures.at(grab.row).isEmpty())
            failures[grab.row] = QStringLiteral("error %1").arg(error->error_code);
    }
}

void X11GlobalHotKeys::unregisterKeys()
{
    if (!m_connection) {
        m_grabs.clear();
        return;
    }
    for (const Grab &grab : std::as_const(m_grabs))
        ungrab(grab);
    m_grabs.clear();
    xcb_flush(m_connection->get());
}

void X11GlobalHotKeys::ungrab(const Grab &grab) const
{
    for (xcb_keycode_t keycode : grab.keycodes) {
        for (uint16_t modifiers : grab.modifierSets)
            xcb_ungrab_key(m_connection->get(), keycode, m_connection->root(), modifiers);
    }
}

X11GlobalHotKeys::Modifiers X11GlobalHotKeys::readModifiers() const
{
    xcb_connection_t *c = m_connection->get();
    const XcbReply<xcb_get_modifier_mapping_reply_t> map(
        xcb_get_modifier_mapping_reply(c, xcb_get_modifier_mapping(c), nullptr));
    Modifiers modifiers;
    if (!map)
        return modifiers;
    const xcb_keycode_t *keycodes = xcb_get_modifier_mapping_keycodes(map.get());
    const int perModifier = map->keycodes_per_modifier;
    // Index 0 to 7: Shift, Lock, Control, Mod1 to Mod5; the first bit holding a key wins.
    for (int index = 0; index < 8 * perModifier; ++index) {
        const uint16_t bit = uint16_t(1u << (index / perModifier));
        for (int column = 0; keycodes[index] && column < modifierKeysymColumns; ++column) {
            const xcb_keysym_t keysym = xcb_key_symbols_get_keysym(m_keySymbols, keycodes[index], column);
            uint16_t *target = keysym == XK_Super_L || keysym == XK_Super_R ? &modifiers.super
                : keysym == XK_Alt_L || keysym == XK_Alt_R                  ? &modifiers.alt
                : keysym == XK_Num_Lock                                     ? &modifiers.numLock
                                                                            : nullptr;
            if (target && !*target)
                *target = bit;
        }
    }
    return modifiers;
}

QList<xcb_keycode_t> X11GlobalHotKeys::keycodesFor(QChar letter) const
{
    QList<xcb_keycode_t> keycodes;
    const XcbReply<xcb_keycode_t> found(xcb_key_symbols_get_keycode(m_keySymbols, letterKeysym(letter)));
    for (const xcb_keycode_t *code = found.get(); code && *code != XCB_NO_SYMBOL; ++code) {
        if (!keycodes.contains(*code))
            keycodes.append(*code);
    }
    return keycodes;
}

// Super+Alt alone and with Caps Lock, Num Lock or both; Num Lock only where a key has it.
QList<uint16_t> X11GlobalHotKeys::modifierSets() const
{
    QList<uint16_t> sets;
    const uint16_t base = comboMask();
    for (uint16_t lock : {uint16_t(0), uint16_t(XCB_MOD_MASK_LOCK)}) {
        sets.append(base | lock);
        if (m_modifiers.numLock)
            sets.append(base | lock | m_modifiers.numLock);
    }
    return sets;
}

void X11GlobalHotKeys::readEvents()
{
    if (!m_connection || m_lost)
        return;
    while (const XcbReply<xcb_generic_event_t> event{xcb_poll_for_event(m_connection->get())})
        handleEvent(event.get());
    if (m_connection->hasError())
        noticeLostConnection();
}

void X11GlobalHotKeys::handleEvent(const xcb_generic_event_t *event)
{
    switch (event->response_type & ~0x80) {
    case XCB_KEY_PRESS:
        handleKeyPress(reinterpret_cast<const xcb_key_press_event_t *>(event));
        break;
    case XCB_KEY_RELEASE: {
        const auto *release = reinterpret_cast<const xcb_key_release_event_t *>(event);
        m_releasedAt.insert(release->detail, release->time);
        break;
    }
    case XCB_MAPPING_NOTIFY: {
        auto *mapping = const_cast<xcb_mapping_notify_event_t *>(
            reinterpret_cast<const xcb_mapping_notify_event_t *>(event));
        if (mapping->request == XCB_MAPPING_POINTER)
            break;
        xcb_refresh_keyboard_mapping(m_keySymbols, mapping);
        if (!grabsMatchMapping())
            emit keyboardMappingChanged();
        break;
    }
    default:
        break;
    }
}

// Programs that type (xdotool among them) may bind a spare keycode for a moment, which changes
// the mapping without moving any key of ours; grabbing afresh then would drop the very keys
// they go on to send.
bool X11GlobalHotKeys::grabsMatchMapping() const
{
    const Modifiers now = readModifiers();
    if (now.super != m_modifiers.super || now.alt != m_modifiers.alt
        || now.numLock != m_modifiers.numLock)
        return false;
    return std::all_of(m_grabs.cbegin(), m_grabs.cend(),
                       [this](const Grab &grab) { return keycodesFor(grab.letter) == grab.keycodes; });
}

// While a grab holds the keyboard every key reaches this client, so a press counts only
// with exactly Super and Alt down (the locks aside).
void X11GlobalHotKeys::handleKeyPress(const xcb_key_press_event_t *event)
{
    const uint16_t locks = XCB_MOD_MASK_LOCK | m_modifiers.numLock;
    if ((event->state & 0xff & ~locks) != comboMask())
        return;
    const auto released = m_releasedAt.constFind(event->detail);
    const bool repeat = released != m_releasedAt.cend() && *released == event->time;
    for (const Grab &grab : std::as_const(m_grabs)) {
        if (!grab.keycodes.contains(event->detail))
            continue;
        if (repeat)
            logDebug(category, formatLogEvent(QStringLiteral("hot_key_repeat_ignored"),
                                              {{QStringLiteral("id"), QString::number(grab.id)}}));
        else
            emit hotKeyPressed(grab.id);
        return;
    }
}

void X11GlobalHotKeys::noticeLostConnection()
{
    m_lost = true;
    if (m_notifier)
        m_notifier->setEnabled(false);
    logWarn(category, formatLogEvent(QStringLiteral("hot_keys_unavailable"),
                                     {{QStringLiteral("reason"),
                                       QStringLiteral("the X connection was lost")}}));
}
