#pragma once

#include <QWidget>

// A one-pixel rule in the label colour at a low opacity, kept `inset` pixels off both sides:
// the sidebar's separators between its groups and above its footer.
class Hairline : public QWidget
{
    Q_OBJECT

public:
    Hairline(int inset, qreal opacity, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_inset;
    qreal m_opacity;
};
