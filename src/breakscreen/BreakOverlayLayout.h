#pragma once

#include <QRect>
#include <QSize>

// Where the break overlay's centre column puts its parts. The column is at most 760 wide,
// 40 in from every edge, and centred: the message, a 20 gap, then the status section (the
// clock line, the countdown or the "Break complete" panel, the action row 32 below, and the
// hint 16 below that). Each part that comes and goes takes its height in proportion to how
// far it has come in (0 to 1), so the column glides as parts appear instead of jumping.
class BreakOverlayLayout
{
public:
    static constexpr int maxColumnWidth = 760;
    static constexpr int columnPadding = 40;
    static constexpr int messageMaxWidth = 620;
    static constexpr int messagePaddingX = 18;
    static constexpr int messageGap = 20;
    static constexpr int clockGap = 8;
    static constexpr int actionRowGap = 32;
    static constexpr int hintGap = 16;
    static constexpr int messageDrift = 4;

    struct Parts
    {
        QSize message;
        QSize clock;
        QSize countdown; // empty when the countdown is hidden
        QSize completePanel;
        int actionRowHeight = 0;
        QSize hint; // empty when there is no hint
        qreal messageShown = 1;
        qreal clockShown = 0;
        qreal completeShown = 0;
        qreal actionsShown = 0;
    };

    struct Placement
    {
        QRect column;
        QRect message;
        QRect clock;
        QRect countdown;
        QRect completePanel;
        QRect actionRow; // the band of the pills, as wide as the column
        QRect hint;
    };

    static Placement place(const QRect &panel, const Parts &parts);
    // The most the message may take, wide and high, beside the other parts at their fullest:
    // the clock (when `parts.clock` is valid), the taller of the countdown and the "Break
    // complete" panel (invalid when it cannot come), the action row and the hint.
    static QSize messageRoom(const QRect &panel, const Parts &parts);
    // The widest the message may set its lines in a panel of that width.
    static int messageWrapWidth(int panelWidth);
};
