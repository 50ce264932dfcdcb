#pragma once

#include <QList>
#include <QString>

// One choice of a mode selector: the value written to the bound text (an enforcement or
// sensitivity name), the title shown and the symbol beside it. The value identifies it.
struct OnboardingModeOption
{
    QString value;
    QString title;
    QString icon;
};

using OnboardingModeOptions = QList<OnboardingModeOption>;
