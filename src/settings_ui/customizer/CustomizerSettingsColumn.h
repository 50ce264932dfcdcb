#pragma once

#include <QScrollArea>

class BackgroundGrid;
class BreakScreenConfig;
class CountdownPicker;
class CustomMessageField;
class CustomizerToggleRow;
class EscapePicker;
class MessageGrid;
class QVBoxLayout;

// The customizer's settings, 260 pixels wide to the right of the preview, scrolling without
// scroll bars: the message grid (with the field for the user's own text under it while
// "Custom" is chosen), the backgrounds, the countdown styles, the Escape rule and the
// switches for the clock, Skip and Snooze, each under its heading, and a footnote. Every
// control shows its value from the configuration without writing it, writes the user's
// choice into it at once, and follows it when it changes.
class CustomizerSettingsColumn : public QScrollArea
{
    Q_OBJECT

public:
    static constexpr int columnWidth = 260;
    static constexpr int padding = 20;
    static constexpr int rowSpacing = 18;
    static constexpr int headingExtraSpace = 4;
    static constexpr int footnoteExtraSpace = 8;
    static constexpr int toggleSpacing = 6;

    explicit CustomizerSettingsColumn(BreakScreenConfig &config, QWidget *parent = nullptr);

    MessageGrid *messageGrid() const { return m_messages; }
    CustomMessageField *customMessageField() const { return m_customMessage; }
    BackgroundGrid *backgroundGrid() const { return m_backgrounds; }
    CountdownPicker *countdownPicker() const { return m_countdowns; }
    EscapePicker *escapePicker() const { return m_escape; }

private:
    void addHeading(QVBoxLayout *rows, const QString &title, bool first = false);
    void buildMessageRows(QVBoxLayout *rows);
    void buildPickerRows(QVBoxLayout *rows);
    void buildToggleRows(QVBoxLayout *rows);
    void buildFootnote(QVBoxLayout *rows);
    CustomizerToggleRow *toggleRow(const QString &symbolName, const QString &label, const QString &key,
                                   bool (BreakScreenConfig::*getter)() const,
                                   void (BreakScreenConfig::*setter)(bool),
                                   void (BreakScreenConfig::*changed)(bool));

    BreakScreenConfig &m_config;
    MessageGrid *m_messages = nullptr;
    CustomMessageField *m_customMessage = nullptr;
    BackgroundGrid *m_backgrounds = nullptr;
    CountdownPicker *m_countdowns = nullptr;
    EscapePicker *m_escape = nullptr;
};
