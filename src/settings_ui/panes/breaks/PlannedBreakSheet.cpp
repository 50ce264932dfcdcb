#include "settings_ui/panes/breaks/PlannedBreakSheet.h"

#include "core/AppSettings.h"
#include "settings_ui/components/Hairline.h"
#include "settings_ui/components/InfoTip.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/ReturnPressesButtons.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/WindowTheme.h"
#include "settings_ui/panes/breaks/BreaksCapsuleButton.h"
#include "settings_ui/panes/breaks/PlannedBreakDayButton.h"
#include "settings_ui/panes/breaks/PlannedBreakIconButton.h"
#include "settings_ui/panes/breaks/PlannedBreakNameField.h"
#include "settings_ui/panes/breaks/WallClockTimeEdit.h"
#include "settings_ui/panes/breaks/WorkingHoursWarning.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int pickerWidth = 100;
const QStringList dayInitials = {"M", "T", "W", "T", "F", "S", "S"};
const QStringList dayNames = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};

} // namespace

// The seven day buttons, 4 pixels inside a rounded outline that turns red with the error.
class PlannedBreakSheet::DayGroup : public QWidget
{
public:
    using QWidget::QWidget;

    void setShowsError(bool error)
    {
        if (error == m_error)
            return;
        m_error = error;
        update();
    }
    bool showsError() const { return m_error; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath outline;
        outline.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
        painter.strokePath(outline, QPen(m_error ? NamedColors::color(NamedColor::red, this) : Qt::transparent, 1));
    }

private:
    bool m_error = false;
};

PlannedBreakSheet::PlannedBreakSheet(const PlannedBreakSheetServices &services, const Texts &texts,
                                     const PlannedBreakDraft &start, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
    , m_draft(start)
{
    setWindowTitle(texts.title);
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    auto *sheet = new QVBoxLayout(this);
    sheet->setContentsMargins(24, 24, 24, 24);
    sheet->setSpacing(20);
    sheet->addWidget(PaneLabels::primary(texts.title, texts.titleSize, QFont::DemiBold), 0, Qt::AlignHCenter);
    m_name = new PlannedBreakNameField(texts.placeholder);
    addRow(sheet, QStringLiteral("Name"), m_name);
    m_nameError = addError(sheet, QStringLiteral("Enter a name for this break."), QStringLiteral("nameError"));
    addRow(sheet, QStringLiteral("Icon"), buildIcons());
    m_time = new WallClockTimeEdit(pickerWidth);
    m_time->setObjectName(QStringLiteral("time"));
    m_time->setAccessibleName(QStringLiteral("Time"));
    addRow(sheet, QStringLiteral("Time"), m_time);
    m_duration = new ValueComboBox(durationChoices(), pickerWidth);
    m_duration->setObjectName(QStringLiteral("duration"));
    m_duration->setAccessibleName(QStringLiteral("Duration"));
    addRow(sheet, QStringLiteral("Duration"), m_duration);
    addRow(sheet, QStringLiteral("Days"), buildDays());
    m_daysError = addError(sheet, QStringLiteral("Select at least one day."), QStringLiteral("daysError"));
    m_tip = new InfoTip(QStringLiteral("clock.badge.exclamationmark"), QStringLiteral("Outside working hours"),
                        QStringLiteral("This break will not appear on days when its time is outside your "
                                       "working hours."),
                        NamedColor::orange);
    m_tip->setObjectName(QStringLiteral("workingHoursTip"));
    sheet->addWidget(m_tip);
    sheet->addWidget(new Hairline(0, 0.1));
    sheet->addWidget(buildButtons(texts.confirm));
    // The sheet follows the application's theme as the window under it does.
    new WindowTheme(this, m_services.theme);
    ReturnPressesButtons::cover(this);
    setFixedWidth(sheetWidth);
    bindControls();
    showState();
}

QHBoxLayout *PlannedBreakSheet::addRow(QVBoxLayout *sheet, const QString &label, QWidget *control)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(8);
    row->addWidget(PaneLabels::primary(label, 13, QFont::Medium), 0, Qt::AlignVCenter);
    row->addStretch(1);
    row->addWidget(control, 0, Qt::AlignVCenter);
    sheet->addLayout(row);
    return row;
}

QLabel *PlannedBreakSheet::addError(QVBoxLayout *sheet, const QString &text, const QString &name)
{
    SchemeLabel *error = PaneLabels::text(text, 11, QFont::Medium, NamedColor::red);
    error->setObjectName(name);
    error->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sheet->addWidget(error);
    return error;
}

QWidget *PlannedBreakSheet::buildIcons()
{
    auto *icons = new QWidget;
    icons->setAccessibleName(QStringLiteral("Icon"));
    auto *row = new QHBoxLayout(icons);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    for (const QString &symbol : iconChoices()) {
        auto *button = new PlannedBreakIconButton(symbol);
        m_icons.append(button);
        row->addWidget(button);
    }
    return icons;
}

QWidget *PlannedBreakSheet::buildDays()
{
    m_dayGroup = new DayGroup;
    m_dayGroup->setObjectName(QStringLiteral("days"));
    m_dayGroup->setAccessibleName(QStringLiteral("Days"));
    auto *row = new QHBoxLayout(m_dayGroup);
    row->setContentsMargins(4, 4, 4, 4);
    row->setSpacing(6);
    for (int index = 0; index < dayInitials.size(); ++index) {
        auto *button = new PlannedBreakDayButton(index, dayInitials[index], dayNames[index]);
        m_days.append(button);
        row->addWidget(button);
    }
    return m_dayGroup;
}

QWidget *PlannedBreakSheet::buildButtons(const QString &confirmCaption)
{
    auto *buttons = new QWidget;
    auto *row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    auto *cancel = new BreaksCapsuleButton(QStringLiteral("Cancel"),
                                           {BreaksCapsuleButton::Style::quiet, 13, QFont::Medium, 14, 7});
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(cancel, &QAbstractButton::clicked, this, &QDialog::reject);
    auto *confirm = new BreaksCapsuleButton(confirmCaption,
                                            {BreaksCapsuleButton::Style::prominent, 13, QFont::DemiBold, 16, 8});
    confirm->setObjectName(QStringLiteral("confirm"));
    connect(confirm, &QAbstractButton::clicked, this, &PlannedBreakSheet::save);
    row->addWidget(cancel);
    row->addStretch(1);
    row->addWidget(confirm);
    return buttons;
}

void PlannedBreakSheet::bindControls()
{
    m_name->setText(m_draft.name);
    connect(m_name, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_draft.name = text;
        showState();
    });
    for (PlannedBreakIconButton *button : std::as_const(m_icons)) {
        connect(button, &QAbstractButton::clicked, this, [this, symbol = button->symbol()] {
            m_draft.emoji = symbol;
            showState();
        });
    }
    m_time->setWallClock(m_draft.hour, m_draft.minute);
    connect(m_time, &WallClockTimeEdit::wallClockEdited, this, [this](int hour, int minute) {
        m_draft.hour = hour;
        m_draft.minute = minute;
        showState();
    });
    // A stored length no choice offers shows none and is saved back as it is.
    m_duration->setValue(QVariant::fromValue(m_draft.duration));
    connect(m_duration, &ValueComboBox::valueActivated, this,
            [this](const QVariant &seconds) { m_draft.duration = seconds.toLongLong(); });
    for (PlannedBreakDayButton *button : std::as_const(m_days)) {
        connect(button, &QAbstractButton::clicked, this, [this, index = button->index()] {
            m_draft.days[index] = !m_draft.days[index];
            showState();
        });
    }
    connect(&m_services.settings, &AppSettings::officeHoursEnabledChanged, this, &PlannedBreakSheet::showState);
    connect(&m_services.settings, &AppSettings::officeHoursSettingsAssigned, this, &PlannedBreakSheet::showState);
}

bool PlannedBreakSheet::hasSelectedDay() const
{
    return std::any_of(m_draft.days.cbegin(), m_draft.days.cend(), [](bool on) { return on; });
}

bool PlannedBreakSheet::showsNameError() const
{
    return m_attemptedSave && m_draft.name.trimmed().isEmpty();
}

bool PlannedBreakSheet::showsDaysError() const
{
    return m_attemptedSave && !hasSelectedDay();
}

bool PlannedBreakSheet::showsWorkingHoursTip() const
{
    return WorkingHoursWarning::isOutsideWorkingHours(m_draft.hour, m_draft.minute, m_draft.days,
                                                      m_services.settings);
}

void PlannedBreakSheet::showState()
{
    // Everything follows the state as it is now: errors go as soon as their field is fixed.
    m_nameError->setVisible(showsNameError());
    m_name->setShowsError(showsNameError());
    m_daysError->setVisible(showsDaysError());
    m_dayGroup->setShowsError(showsDaysError());
    m_tip->setVisible(showsWorkingHoursTip());
    for (PlannedBreakIconButton *button : std::as_const(m_icons))
        button->setSelected(button->symbol() == m_draft.emoji);
    for (PlannedBreakDayButton *button : std::as_const(m_days))
        button->setSelected(m_draft.days.value(button->index()));
}

void PlannedBreakSheet::save()
{
    m_attemptedSave = true;
    const QString trimmed = m_draft.name.trimmed();
    if (trimmed.isEmpty() || !hasSelectedDay()) {
        showState();
        return;
    }
    confirm(trimmed);
    accept();
}

bool PlannedBreakSheet::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    // The layout has settled by now: the sheet takes the height its content needs.
    if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Show)
        fitHeight();
    return handled;
}

void PlannedBreakSheet::fitHeight()
{
    QLayout *sheet = layout();
    const int forWidth = sheet->hasHeightForWidth() ? sheet->totalHeightForWidth(sheetWidth) : -1;
    const int height = forWidth > 0 ? forWidth : sheet->totalSizeHint().height();
    if (height != this->height() || minimumHeight() != height)
        setFixedHeight(height);
}

const QStringList &PlannedBreakSheet::iconChoices()
{
    static const QStringList icons = {
        QStringLiteral("figure.walk"), QStringLiteral("cup.and.saucer.fill"), QStringLiteral("figure.mind.and.body"),
        QStringLiteral("fork.knife"),  QStringLiteral("dumbbell.fill"),       QStringLiteral("leaf.fill"),
        QStringLiteral("moon.fill"),   QStringLiteral("scope"),
    };
    return icons;
}

QList<ValueComboBox::Option> PlannedBreakSheet::durationChoices()
{
    return ValueComboBox::numbered({1, 2, 3, 5, 10, 15, 20, 30}, QStringLiteral(" min"), 60);
}
