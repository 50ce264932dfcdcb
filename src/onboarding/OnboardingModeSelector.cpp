#include "onboarding/OnboardingModeSelector.h"

#include "onboarding/OnboardingModeChoice.h"
#include "settings_ui/components/GroupingAccessible.h"

#include <QVBoxLayout>

namespace {

constexpr int rowSpacing = 8;

} // namespace

OnboardingModeSelector::OnboardingModeSelector(const OnboardingModeOptions &options, QWidget *parent)
    : QWidget(parent)
{
    GroupingAccessible::install<OnboardingModeSelector>();
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(rowSpacing);
    for (const OnboardingModeOption &option : options) {
        auto *row = new OnboardingModeChoice(option, this);
        column->addWidget(row);
        m_rows.append(row);
        connect(row, &OnboardingChoiceButton::chosen, this, [this, value = option.value] {
            emit chosen(value);
            // A screen reader's toggle checked the row itself: the checked states show the
            // selection again, whatever the owner made of the choice.
            setSelection(m_selection);
        });
    }
}

void OnboardingModeSelector::setFieldName(const QString &field)
{
    for (OnboardingModeChoice *row : std::as_const(m_rows))
        row->setObjectName(QStringLiteral("%1:%2").arg(field, row->option().value));
}

void OnboardingModeSelector::setSelection(const QString &value)
{
    m_selection = value;
    const MotionCurve spring = MotionCurve::spring(0.3, 0.86);
    for (OnboardingModeChoice *row : std::as_const(m_rows))
        row->setSelected(row->option().value == value, spring);
}
