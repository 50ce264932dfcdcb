#pragma once

#include "settings_ui/components/SettingCard.h"

#include <QList>

#include <initializer_list>

class AppSettings;
class Clock;
class QLabel;
class SchemeLabel;
class SymbolTile;
class WellnessScheduler;

// The "Current status" card of the Calls & Recordings and Media panes: a symbol beside the
// title over what the detector sees now, or that detection rests outside office hours. While
// the activity signals cannot read audio at all (no sound server answers), what the detector
// sees would be silence mistaken for quiet: the card says "Detection unavailable" instead, in
// the warning colour, until the signals are back; its symbol stays its own, as the title's
// words and colour say enough. It follows the detector's published
// context, the signals' availability and the office-hours answer as they change, so none of
// it needs a timer of its own.
class DetectionStatusCard : public SettingCard
{
    Q_OBJECT

public:
    static const QString statusTitle;
    static const QString unavailableTitle;

    QString titleText() const;
    QString statusText() const;
    // Whether the card shows the warning that detection cannot work.
    bool showsUnavailable() const { return m_unavailable; }
    // The name of the symbol shown now.
    QString shownSymbol() const;
    // The title's colour in the scheme the card is drawn in now.
    QColor titleColour() const;

protected:
    // The wellness scheduler's signal for the detector's published context.
    using ContextChanged = void (WellnessScheduler::*)();

    DetectionStatusCard(AppSettings &settings, WellnessScheduler &wellness, Clock &clock, QWidget *parent);

    // The card's title, made first so a symbol can be sized to its line.
    SchemeLabel *title() const { return m_title; }
    // Lays out the row (the symbols, each at `alignment`, then the title over the status line
    // named `statusName`, `textSpacing` apart), shows the status and follows its changes.
    void build(std::initializer_list<SymbolTile *> symbols, Qt::Alignment alignment, int textSpacing,
               const QString &statusName, ContextChanged contextChanged);
    void setStatusText(const QString &text);
    // The detector's own status and the symbol that goes with it; while detection cannot
    // work, the status line is then replaced and the symbol kept.
    virtual void showStatus() = 0;
    // What cannot be detected without audio, said under "Detection unavailable".
    virtual QString unavailableText() const = 0;

    AppSettings &m_settings;
    WellnessScheduler &m_wellness;
    Clock &m_clock;

private:
    void refresh();
    bool outsideOfficeHours() const;
    void showTitle(bool unavailable);

    SchemeLabel *m_title;
    QLabel *m_status = nullptr;
    QList<SymbolTile *> m_symbols;
    bool m_unavailable = false;
};
