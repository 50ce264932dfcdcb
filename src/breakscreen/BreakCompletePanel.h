#pragma once

#include "breakscreen/BreakOverlayPalette.h"

#include <QWidget>

class BreakResumeButton;

// What a long break shows once it has run its length and waits for the user: a green tick,
// "Break complete", a line saying there is no hurry, and the Resume button, which reports
// resumeClicked().
class BreakCompletePanel : public QWidget
{
    Q_OBJECT

public:
    explicit BreakCompletePanel(const BreakOverlayPalette &palette, QWidget *parent = nullptr);

    BreakResumeButton *resumeButton() const { return m_resume; }
    void setPalette(const BreakOverlayPalette &palette);
    void setOpacity(qreal opacity);
    // The colours of "Break complete" and of the line under it.
    QColor titleInk() const { return m_palette.primaryText(); }
    QColor subtitleInk() const;

    QSize sizeHint() const override;

signals:
    void resumeClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Rows
    {
        qreal tick;
        qreal title;
        qreal subtitle;
        qreal button;
    };
    Rows rowHeights() const;

    BreakOverlayPalette m_palette;
    BreakResumeButton *m_resume;
    qreal m_opacity = 1.0;
};
