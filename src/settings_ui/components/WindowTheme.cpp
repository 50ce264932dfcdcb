#include "settings_ui/components/WindowTheme.h"

#include "core/ThemeManager.h"
#include "settings_ui/components/SettingsPalette.h"

#include <QApplication>
#include <QChildEvent>
#include <QToolTip>
#include <QWidget>

namespace {

// Menus (a picker's drop-down list is drawn as one) and tool tips open in windows of their
// own, which take their colours from the application's palette for their kind rather than
// from the window that opened them; so they are given the scheme's palette there. Every
// themed window follows the same theme, so all agree on it. The application's own palette
// stays the desktop's: the "System" theme reads it.
void dressPopups(ColorScheme scheme)
{
    const QPalette palette = SettingsPalette::palette(scheme);
    if (QApplication::palette("QMenu") != palette)
        QApplication::setPalette(palette, "QMenu");
    if (QToolTip::palette() != palette)
        QToolTip::setPalette(palette);
}

} // namespace

WindowTheme::WindowTheme(QWidget *root, ThemeManager &theme)
    : QObject(root)
    , m_root(root)
    , m_scheme(theme.effectiveScheme())
{
    dressPopups(m_scheme);
    m_root->setPalette(SettingsPalette::palette(m_scheme));
    adopt(m_root);
    connect(&theme, &ThemeManager::effectiveSchemeChanged, this, &WindowTheme::applyScheme);
}

void WindowTheme::adopt(QWidget *widget)
{
    if (widget->style() != SettingsPalette::style())
        widget->setStyle(SettingsPalette::style());
    // Installing twice would only move the filter to the front.
    widget->removeEventFilter(this);
    widget->installEventFilter(this);
    for (QObject *child : widget->children()) {
        if (child->isWidgetType())
            adopt(static_cast<QWidget *>(child));
    }
}

bool WindowTheme::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    // A new palette of the desktop's drops the palettes set for kinds of widget.
    if (type == QEvent::ApplicationPaletteChange && watched == m_root)
        dressPopups(m_scheme);
    // A widget is added to its parent while its own constructor still runs; it is dressed
    // once it is polished (before it first shows), or at once when it comes polished already.
    if (type == QEvent::ChildAdded || type == QEvent::ChildPolished) {
        QObject *child = static_cast<QChildEvent *>(event)->child();
        if (child->isWidgetType()) {
            auto *widget = static_cast<QWidget *>(child);
            if (type == QEvent::ChildPolished || widget->testAttribute(Qt::WA_WState_Polished))
                adopt(widget);
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowTheme::applyScheme(ColorScheme scheme)
{
    m_scheme = scheme;
    // Before the root's: a picker takes its list's colours from the menus' palette as the
    // root's change reaches it.
    dressPopups(scheme);
    // Children take the palette from the root, and each repaints for the change.
    m_root->setPalette(SettingsPalette::palette(scheme));
}
