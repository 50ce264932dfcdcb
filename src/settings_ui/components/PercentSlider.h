#pragma once

#include <QSlider>

// A slider people read in percent. Screen readers hear it as a slider under its name whose
// value is "35 percent", and set it in percent; the mouse wheel scrolls the pane instead.
// The number it announces is the one the pane shows, which may lie between two positions.
// Focus the keyboard brought rings its knob, as every control of the window shows it.
class PercentSlider : public QSlider
{
    Q_OBJECT

public:
    // What a screen reader may set, in percent.
    struct Range
    {
        qint64 lowest;
        qint64 highest;
        qint64 step;
    };

    qint64 shownPercent() const { return m_shownPercent; }
    Range percentRange() const { return m_range; }
    // The position nearest to `percent`.
    virtual int positionForPercent(double percent) const = 0;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    // The subclass sets the slider's range of positions.
    PercentSlider(const QString &accessibleName, Range range, QWidget *parent);

    // Stands at `position` without reporting it as chosen, and announces `percent`.
    void showPercent(qint64 percent, int position);
    // Called as the user moves the slider (a drag, a click on the groove or a key).
    void setShownPercent(qint64 percent) { m_shownPercent = percent; }

    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    Range m_range;
    qint64 m_shownPercent;
    bool m_keyboardFocus = false;
};
