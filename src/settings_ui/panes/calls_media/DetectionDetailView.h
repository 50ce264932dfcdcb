#pragma once

#include <QWidget>

#include <span>

class AppSettings;
class Clock;
class QVBoxLayout;
class WellnessScheduler;
struct ContentServices;

// The shape the Calls & Recordings and Media panes share: the pane's header, a card with the
// detection switch, the sections that only mean something while detection is on, and a note
// at the foot either way. The sections are built when detection is switched on, fading in,
// and dropped when it is switched off, whoever flips the switch; opening the pane writes
// nothing.
class DetectionDetailView : public QWidget
{
    Q_OBJECT

public:
    // The detection switch: a setting of the wellness scheduler, named after the key it is
    // stored under.
    struct Detection
    {
        QString key;
        QString title;
        QString subtitle;
        bool (WellnessScheduler::*getter)() const;
        void (WellnessScheduler::*setter)(bool);
        void (WellnessScheduler::*changed)(bool);
    };

    // One row of a pause card: a switch of the settings model with its symbol and texts.
    struct PauseRow
    {
        const char *key;
        const char *symbol;
        const char *title;
        const char *subtitle;
        bool (AppSettings::*getter)() const;
        void (AppSettings::*setter)(bool);
        void (AppSettings::*changed)(bool);
    };

    // The part between the detection card and the note; null while detection is off.
    QWidget *detectionSections() const { return m_sections; }

protected:
    DetectionDetailView(const ContentServices &services, QWidget *parent);

    // Lays the pane out, `tile` leading the detection card and `footer` closing the pane, and
    // shows the sections if detection is on. Called once from the pane's constructor, which
    // buildSections() needs finished.
    void build(const QString &title, const QString &subtitle, QWidget *tile, const Detection &detection,
               QWidget *footer);
    // What shows while detection is on, made afresh each time it is switched on.
    virtual QWidget *buildSections() = 0;

    // A card of the rows' switches, divided by hairlines.
    QWidget *buildPauseCard(std::span<const PauseRow> rows);
    // The caption a little apart from what stands above it and close to the card it names.
    static QWidget *captioned(QWidget *caption, QWidget *card);
    // The sections' own column, spaced as the pane's.
    static QVBoxLayout *sectionColumn(QWidget *sections);

    AppSettings &m_settings;
    WellnessScheduler &m_wellness;
    Clock &m_clock;

private:
    QWidget *buildDetectionCard(QWidget *tile, const Detection &detection);
    void showDetection();

    bool (WellnessScheduler::*m_detecting)() const = nullptr;
    QVBoxLayout *m_sectionSlot = nullptr;
    QWidget *m_sections = nullptr;
};
