#pragma once

#include "settings_ui/SettingCard.h"

#include <initializer_list>

class AppSettings;
class Clock;
class QLabel;
class SchemeLabel;
class WellnessScheduler;

// The "Current status" card of the Calls & Recordings and Media panes: a symbol beside the
// title over what the detector sees now, or that detection rests outside office hours. It
// follows the detector's published context and the office-hours answer as they change, so
// crossing into or out of office hours shows without a timer of its own.
class DetectionStatusCard : public SettingCard
{
    Q_OBJECT

public:
    QString statusText() const;

protected:
    // The wellness scheduler's signal for the detector's published context.
    using ContextChanged = void (WellnessScheduler::*)();

    DetectionStatusCard(AppSettings &settings, WellnessScheduler &wellness, Clock &clock, QWidget *parent);

    // The card's title, made first so a symbol can be sized to its line.
    SchemeLabel *title() const { return m_title; }
    // Lays out the row (the symbols, each at `alignment`, then the title over the status line
    // named `statusName`, `textSpacing` apart), shows the status and follows its changes.
    void build(std::initializer_list<QWidget *> symbols, Qt::Alignment alignment, int textSpacing,
               const QString &statusName, ContextChanged contextChanged);
    void setStatusText(const QString &text);
    virtual void showStatus() = 0;

    AppSettings &m_settings;
    WellnessScheduler &m_wellness;
    Clock &m_clock;

private:
    SchemeLabel *m_title;
    QLabel *m_status = nullptr;
};
