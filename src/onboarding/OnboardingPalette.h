#pragma once

#include <QColor>

// The colours of the first-run flow. Most come in two values: white at some opacity on the
// dark scheme, an opaque grey or green on the light one; `dark` picks between them. The
// accent green is the same in both.
class OnboardingPalette
{
public:
    static QColor green(qreal opacity = 1);
    static QColor base(bool dark);
    static QColor primaryText(bool dark);
    static QColor secondaryText(bool dark);

    // Back capsule, step indicator and Next button.
    static QColor backFill(bool dark);
    static QColor indicatorIdle(bool dark);
    static QColor nextGradientStart();
    static QColor nextGradientEnd();

    // Cards and their headers.
    static QColor cardFill(bool dark);
    static QColor cardBorder(bool dark);
    static QColor cardShadow(bool dark);
    static QColor badgeFill(bool dark);
    static QColor divider(bool dark);

    // The controls: selector headings, tiles and mode rows, switch rows and the preview.
    static QColor selectorHeading(bool dark);
    static QColor controlBorder(bool dark);
    static QColor unselectedFill(bool dark, qreal opacity);
    static QColor tileText(bool dark, bool selected);
    static QColor modeIcon(bool dark);
    static QColor modeTitle(bool dark, bool selected);
    static QColor toggleTitle(bool dark);
    static QColor toggleSubtitle(bool dark);
    static QColor previewValue(bool dark);
    static QColor previewCaption(bool dark);
    static QColor previewThen(bool dark);
};
