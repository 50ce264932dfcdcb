#pragma once

#include <QWidget>

// A one-pixel rule in the label colour at a low opacity, kept `inset` pixels off both sides:
// the sidebar's separators between its groups and above its footer. A vertical one runs the
// full height, as between the customizer's preview and its settings.
class Hairline : public QWidget
{
    Q_OBJECT

public:
    Hairline(int inset, qreal opacity, QWidget *parent = nullptr);
    static Hairline *vertical(qreal opacity, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_inset;
    qreal m_opacity;
    Qt::Orientation m_orientation = Qt::Horizontal;
};
