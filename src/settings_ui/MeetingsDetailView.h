#pragma once

#include <QWidget>

class AppSettings;
class Clock;
class QVBoxLayout;
class WellnessScheduler;
struct ContentServices;

// The settings window's Calls & Recordings pane: call and recording detection on or off, and
// while it is on, what a detected call pauses, what the break timer does after it (with an
// example and a timeline), what the detector sees now and which apps it knows. A note on
// privacy closes the pane either way. Every control writes its setting through the settings
// model or the wellness scheduler and follows it live, whoever changes it; opening the pane
// writes nothing.
class MeetingsDetailView : public QWidget
{
    Q_OBJECT

public:
    static QWidget *make(const ContentServices &services);

    explicit MeetingsDetailView(const ContentServices &services, QWidget *parent = nullptr);

    // The part between the detection card and the privacy note; null while detection is off.
    QWidget *detectionSections() const { return m_sections; }

private:
    QWidget *buildDetectionCard();
    QWidget *buildPauseCard();
    void showDetection();
    QWidget *buildSections();

    AppSettings &m_settings;
    WellnessScheduler &m_wellness;
    Clock &m_clock;
    QVBoxLayout *m_sectionSlot = nullptr;
    QWidget *m_sections = nullptr;
};
