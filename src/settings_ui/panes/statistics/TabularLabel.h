#pragma once

#include <QLabel>

// A one-line label for counts and durations whose digits each take the same cell, so that
// figures in a column line up and a changing number does not shift (Qt has no switch for
// tabular figures). Drawn in the palette's text colour; read by screen readers as any label.
class TabularLabel : public QLabel {
    Q_OBJECT

public:
    TabularLabel(const QFont &font, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
};
