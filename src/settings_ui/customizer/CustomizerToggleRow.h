#pragma once

#include <QWidget>

class ToggleSwitch;

// A row of the customizer's "Buttons" section: a small symbol and a label, blue and primary
// while the switch at the end is on, greyed while it is off. The switch carries the label as
// its accessible name; the row itself only draws.
class CustomizerToggleRow : public QWidget
{
    Q_OBJECT

public:
    static constexpr qreal symbolSize = 10;
    static constexpr int symbolFrameWidth = 16;
    static constexpr qreal labelSize = 12;
    static constexpr int spacing = 8;

    CustomizerToggleRow(const QString &symbolName, const QString &label, QWidget *parent = nullptr);

    ToggleSwitch *toggle() const { return m_toggle; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QString m_symbolName;
    QString m_label;
    ToggleSwitch *m_toggle;
};
