#pragma once

#include <QObject>

class AppStateStore;

// Switches the application between a background helper and a foreground application while
// a break or one of its windows is shown. For now it only answers whether break mode is on.
class ActivationController : public QObject
{
    Q_OBJECT

public:
    explicit ActivationController(AppStateStore &appState, QObject *parent = nullptr);

    bool isInBreakMode() const { return false; }

private:
    AppStateStore &m_appState;
};
