#pragma once

#include "core/Cancellable.h"
#include "menubar/MenuBarStatusPresentation.h"

#include <QObject>
#include <QPointer>

#include <functional>

class Clock;
class MenuBarStatusHeaderView;
class QAction;
class QMenu;

// The menu's header while the menu is open: it asks for the presentation of the moment
// every second, so the countdown goes on without reopening the menu. In a menu the tray host
// draws from plain items, the header is two disabled text rows instead of a widget.
class LiveMenuBarStatusHeader : public QObject
{
    Q_OBJECT

public:
    using StatusProvider = std::function<MenuBarStatusPresentation(const QDateTime &)>;

    LiveMenuBarStatusHeader(StatusProvider statusProvider, Clock &clock, QObject *parent = nullptr);

    // Adds the header's rows at the end of the menu, showing the presentation of now.
    void addTo(QMenu &menu, bool asWidget);
    // Follows the clock until stop(); a second start() changes nothing.
    void start();
    void stop();
    void refresh();

    const MenuBarStatusPresentation &status() const { return m_status; }

private:
    void show(const MenuBarStatusPresentation &status);

    StatusProvider m_statusProvider;
    Clock &m_clock;
    MenuBarStatusPresentation m_status;
    QPointer<MenuBarStatusHeaderView> m_view;
    QPointer<QAction> m_titleRow;
    QPointer<QAction> m_subtitleRow;
    CancellableHandle m_timer;
};
