#pragma once

#include "menubar/GlobalHotKeys.h"

#include <QByteArray>
#include <QHash>
#include <QPointer>

#include <xcb/xcb.h>

#include <memory>

class QSocketNotifier;
class XcbConnection;
struct _XCBKeySymbols;

// Global hot keys as passive key grabs on the X server's root window, over a connection of
// their own that the handler opens and closes. Events are read on a socket notifier: no
// thread, no timer.
//
// Super and Alt are whatever modifier bits hold Super_L/R and Alt_L/R in the server's
// modifier map, and a letter is every key that gives it in the current layout, so the keys
// follow the user's layout rather than fixed positions. Each combination is grabbed also
// with Caps Lock and Num Lock in every mix, or it would stop working whenever either is on.
// All grabs go out as checked requests and their answers are collected together, one round
// trip; a key is registered only when every one of its grabs was granted.
//
// A held key repeats as a release and a press with the same timestamp: such a press is not
// a new one. When the layout or the modifiers change so that a letter, Super, Alt or Num Lock
// sits elsewhere, keyboardMappingChanged() asks for the grabs to be made again.
class X11GlobalHotKeys : public GlobalHotKeys
{
public:
    // An empty name means $DISPLAY. Nothing is opened yet.
    explicit X11GlobalHotKeys(QByteArray displayName, QObject *parent = nullptr);
    ~X11GlobalHotKeys() override;

    std::optional<QString> installHandler() override;
    void removeHandler() override;
    QList<QString> registerKeys(const QList<HotKeyDefinition> &rows) override;
    void unregisterKeys() override;

private:
    struct Modifiers
    {
        uint16_t super = 0;
        uint16_t alt = 0;
        uint16_t numLock = 0;
    };
    struct Grab
    {
        quint32 id = 0;
        QChar letter;
        QList<xcb_keycode_t> keycodes;
        QList<uint16_t> modifierSets;
    };
    struct PendingGrab
    {
        qsizetype row;
        xcb_void_cookie_t cookie;
    };

    QList<PendingGrab> sendGrabs(const QList<HotKeyDefinition> &rows, QList<Grab> &candidates,
                                 QList<QString> &failures) const;
    void collectAnswers(const QList<PendingGrab> &pending, QList<QString> &failures) const;
    Modifiers readModifiers() const;
    QList<xcb_keycode_t> keycodesFor(QChar letter) const;
    QList<uint16_t> modifierSets() const;
    uint16_t comboMask() const { return m_modifiers.super | m_modifiers.alt; }
    void ungrab(const Grab &grab) const;
    bool grabsMatchMapping() const;
    void readEvents();
    void handleEvent(const xcb_generic_event_t *event);
    void handleKeyPress(const xcb_key_press_event_t *event);
    void noticeLostConnection();

    QByteArray m_displayName;
    std::unique_ptr<XcbConnection> m_connection;
    _XCBKeySymbols *m_keySymbols = nullptr;
    QPointer<QSocketNotifier> m_notifier;
    Modifiers m_modifiers;
    QList<Grab> m_grabs;
    // When each grabbed key was last released, in the server's time.
    QHash<xcb_keycode_t, xcb_timestamp_t> m_releasedAt;
    bool m_lost = false;
};
