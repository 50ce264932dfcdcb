#pragma once

#include <QWidget>

class CurveAnimation;

// The picture of the chosen rhythm on the rhythm step: a "Focus" block with the interval in
// minutes ("20m"), a connector reading "then", and an "Eye break" block with the break in
// seconds ("20s"). When a value changes, its changed digits roll upward into place, whichever
// way the number went; digits sit in fixed-width cells so the rest stays still. The long-break
// inputs are kept but not drawn.
class OnboardingRhythmPreview : public QWidget
{
    Q_OBJECT

public:
    explicit OnboardingRhythmPreview(QWidget *parent = nullptr);

    void setIntervalMinutes(int minutes);
    void setBreakSeconds(int seconds);
    void setLongBreaks(bool enabled, int frequency, int minutes);

    QString focusText() const { return m_focus.text; }
    QString eyeBreakText() const { return m_eyeBreak.text; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // One block's value text and its roll from the text before.
    struct Value
    {
        QString text;
        QString previous;
        qreal roll = 1; // 0 just changed, 1 settled
        CurveAnimation *animation = nullptr;
    };

    void setValue(Value &value, const QString &text);
    void updateAccessibleName();
    void paintBlock(QPainter &painter, qreal centreX, const QString &symbol, const Value &value,
                    const QString &caption, bool dark);
    void paintValue(QPainter &painter, const QRectF &line, const Value &value, bool dark);
    void paintConnector(QPainter &painter, qreal centreX, bool dark);

    Value m_focus;
    Value m_eyeBreak;
    bool m_longBreaksEnabled = true;
    int m_longBreakFrequency = 3;
    int m_longBreakMinutes = 10;
};
