#pragma once

#include "breakscreen/AccessiblePart.h"
#include "core/AppTheme.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class BreakBackgroundPainter;
class BreakScreenConfig;
class QScreen;

// What every screen but the one with the break's controls shows during a break: the chosen
// backdrop with a quiet "Break in progress" under a crossed-out eye, the label readable at
// 4.5:1 and the symbol fainter. It has no controls;
// clicks on it do nothing. The backdrop follows the configuration's background while it
// shows. Give it its screen before the panel covers that screen: the blur backdrop is
// made from what the screen showed. Screen readers read "Break in progress" as a label.
class BreakSecondaryView : public QWidget
{
    Q_OBJECT

public:
    static constexpr qreal symbolPointSize = 36;
    static constexpr int labelPixelSize = 16;
    static constexpr int spacing = 20;
    // White on the dark backdrops; on the blur one the marks take the scheme's label grey.
    static constexpr qreal symbolOpacity = 0.3;
    static constexpr qreal labelOpacity = 0.5;

    BreakSecondaryView(BreakScreenConfig &config, ColorScheme scheme, QScreen *screen,
                       QWidget *parent = nullptr);
    ~BreakSecondaryView() override;

    static QString label();
    // The label, as screen readers see it.
    QList<AccessiblePart::Description> accessibleParts();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void rebuildBackground();
    void paintMarks(QPainter &painter) const;
    QColor labelInk() const;
    // Where the label is drawn.
    QRectF labelRect() const;

    BreakScreenConfig &m_config;
    ColorScheme m_scheme;
    QPointer<QScreen> m_screen;
    std::unique_ptr<BreakBackgroundPainter> m_background;
};
