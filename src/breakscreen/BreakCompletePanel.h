#pragma once

#include "breakscreen/AccessiblePart.h"
#include "breakscreen/BreakOverlayPalette.h"

#include <QWidget>

class BreakResumeButton;

// What a long break shows once it has run its length and waits for the user: a green tick,
// "Break complete", a line saying there is no hurry, and the Resume button, which reports
// resumeClicked(). As it appears the keyboard goes to Resume, so Return ends the wait even
// where nothing else of the break screen can be reached. Screen readers read the title and
// the line as labels, then find Resume, in a panel named "Break complete".
class BreakCompletePanel : public QWidget
{
    Q_OBJECT

public:
    explicit BreakCompletePanel(const BreakOverlayPalette &palette, QWidget *parent = nullptr);

    BreakResumeButton *resumeButton() const { return m_resume; }
    void setPalette(const BreakOverlayPalette &palette);
    void setOpacity(qreal opacity);
    void setFocusRingColour(const QColor &colour);
    // The colours of "Break complete" and of the line under it.
    QColor titleInk() const { return m_palette.primaryText(); }
    QColor subtitleInk() const;

    QSize sizeHint() const override;
    // The title and the line under it, as screen readers see them.
    QList<AccessiblePart::Description> accessibleParts();

signals:
    void resumeClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    struct Rows
    {
        qreal tick;
        qreal title;
        qreal subtitle;
        qreal button;
    };
    Rows rowHeights() const;
    QRect titleRect() const;
    QRect subtitleRect() const;

    BreakOverlayPalette m_palette;
    BreakResumeButton *m_resume;
    qreal m_opacity = 1.0;
    QColor m_focusRing;
};
