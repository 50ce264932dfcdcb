#pragma once

#include <QWidget>

class AppSettings;
class Clock;
class QVBoxLayout;
class WellnessScheduler;
struct ContentServices;

// The settings window's Media pane: media playback detection on or off, and while it is on,
// what playback pauses and what the detector sees now. A note on privacy closes the pane
// either way. Every control writes its setting through the settings model or the wellness
// scheduler and follows it live, whoever changes it; opening the pane writes nothing.
class MediaDetailView : public QWidget
{
    Q_OBJECT

public:
    static QWidget *make(const ContentServices &services);

    explicit MediaDetailView(const ContentServices &services, QWidget *parent = nullptr);

    // The caption, the pause card and the status card; null while detection is off.
    QWidget *detectionSections() const { return m_sections; }

private:
    QWidget *buildDetectionCard();
    QWidget *buildPauseCard();
    QWidget *buildSections();
    void showDetection();

    AppSettings &m_settings;
    WellnessScheduler &m_wellness;
    Clock &m_clock;
    QVBoxLayout *m_sectionSlot = nullptr;
    QWidget *m_sections = nullptr;
};
