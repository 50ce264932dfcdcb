#include "settings_ui/WindowTheme.h"

#include "core/ThemeManager.h"
#include "settings_ui/SettingsPalette.h"

#include <QChildEvent>
#include <QWidget>

WindowTheme::WindowTheme(QWidget *root, ThemeManager &theme)
    : QObject(root)
    , m_root(root)
    , m_scheme(theme.effectiveScheme())
{
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
    // A widget is added to its parent while its own constructor still runs; it is dressed
    // once it is polished (before it first shows), or at once when it comes polished already.
    const QEvent::Type type = event->type();
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
    // Children take the palette from the root, and each repaints for the change.
    m_root->setPalette(SettingsPalette::palette(scheme));
}
