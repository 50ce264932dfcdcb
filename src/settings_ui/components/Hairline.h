#pragma once

#include <QWidget>

// A one-pixel rule in the label colour at a low opacity, kept `inset` pixels off both ends:
// the sidebar's separators between its groups and above its footer, and, standing upright,
// the dividers between the columns of a card.
class Hairline : public QWidget
{
    Q_OBJECT

public:
    Hairline(int inset, qreal opacity, QWidget *parent = nullptr);
    Hairline(Qt::Orientation orientation, int inset, qreal opacity, QWidget *parent = nullptr);
    // Running the full height, as between the customizer's preview and its settings.
    static Hairline *vertical(qreal opacity, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Qt::Orientation m_orientation;
    int m_inset;
    qreal m_opacity;
};
