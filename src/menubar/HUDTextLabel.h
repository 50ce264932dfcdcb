#pragma once

#include <QLabel>

// One line of a notice's text: plain text, never markup, and cut with an ellipsis where it
// is longer than its frame rather than clipped mid-letter.
class HUDTextLabel : public QLabel
{
    Q_OBJECT

public:
    explicit HUDTextLabel(QWidget *parent = nullptr);

    // The text as drawn in the current width.
    QString visibleText() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
