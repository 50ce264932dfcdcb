#pragma once

#include <QObject>
#include <QString>

#include <optional>

// The application's phase. It lives in memory only.
enum class AppState { launching, onboarding, background, settings, breakRunning, shutdown };

QString appStateRawValue(AppState state);
// Exactly the six raw values, case-sensitively; anything else gives no value.
std::optional<AppState> appStateFromRawValue(const QString &raw);

// Holds the current phase. Every requested transition is logged, also one to the phase
// already held; observers hear only of real changes.
class AppStateStore : public QObject
{
    Q_OBJECT
    Q_PROPERTY(AppState current READ current NOTIFY currentChanged)

public:
    explicit AppStateStore(QObject *parent = nullptr);

    AppState current() const { return m_current; }
    void transition(AppState to);

signals:
    void currentChanged(AppState current);

private:
    AppState m_current = AppState::launching;
};
