#pragma once

#include "settings_ui/components/ValueComboBox.h"
#include "settings_ui/panes/breaks/PlannedBreakDraft.h"

#include <QDialog>

class AppSettings;
class InfoTip;
class PlannedBreakDayButton;
class PlannedBreakIconButton;
class PlannedBreakNameField;
class PlannedBreakScheduler;
class QHBoxLayout;
class QLabel;
class QVBoxLayout;
class ThemeManager;
class WallClockTimeEdit;

// What a planned-break sheet works with.
struct PlannedBreakSheetServices
{
    PlannedBreakScheduler &scheduler;
    AppSettings &settings;
    ThemeManager &theme;
};

// The window-modal sheet, 380 pixels wide, in which a planned break is made or changed:
// its name, icon, time, length and days, and a tip when the break would fall outside the
// working hours (which does not stop it being saved). The confirm button is never disabled:
// pressing it checks the name and the days, and from then on their errors and red outlines
// follow every edit; a valid break goes to the scheduler and the sheet closes. Cancel and
// Escape close it and keep nothing. No button is the default, so Return saves nothing.
// Add and edit differ in their texts, their start and what confirming does.
class PlannedBreakSheet : public QDialog
{
    Q_OBJECT

public:
    static constexpr int sheetWidth = 380;

    static const QStringList &iconChoices();
    static QList<ValueComboBox::Option> durationChoices();

    const PlannedBreakDraft &draft() const { return m_draft; }
    bool attemptedSave() const { return m_attemptedSave; }
    bool hasSelectedDay() const;
    bool showsNameError() const;
    bool showsDaysError() const;
    bool showsWorkingHoursTip() const;

    // The confirm action: validate, hand the break on, close.
    void save();

protected:
    struct Texts
    {
        QString title;
        qreal titleSize;
        QString placeholder;
        QString confirm;
    };

    PlannedBreakSheet(const PlannedBreakSheetServices &services, const Texts &texts,
                      const PlannedBreakDraft &start, QWidget *parent);

    // Hands the validated break, with its trimmed name, to the scheduler.
    virtual void confirm(const QString &trimmedName) = 0;
    PlannedBreakScheduler &scheduler() const { return m_services.scheduler; }

    bool event(QEvent *event) override;

private:
    class DayGroup;

    QHBoxLayout *addRow(QVBoxLayout *sheet, const QString &label, QWidget *control);
    QLabel *addError(QVBoxLayout *sheet, const QString &text, const QString &name);
    QWidget *buildIcons();
    QWidget *buildDays();
    QWidget *buildButtons(const QString &confirmCaption);
    void bindControls();
    void showState();
    void fitHeight();

    PlannedBreakSheetServices m_services;
    PlannedBreakDraft m_draft;
    bool m_attemptedSave = false;
    PlannedBreakNameField *m_name = nullptr;
    QLabel *m_nameError = nullptr;
    QList<PlannedBreakIconButton *> m_icons;
    WallClockTimeEdit *m_time = nullptr;
    ValueComboBox *m_duration = nullptr;
    DayGroup *m_dayGroup = nullptr;
    QList<PlannedBreakDayButton *> m_days;
    QLabel *m_daysError = nullptr;
    InfoTip *m_tip = nullptr;
};
