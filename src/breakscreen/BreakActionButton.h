#pragma once

#include "breakscreen/BreakFocusRing.h"
#include "breakscreen/BreakGlyphs.h"

#include <QAbstractButton>
#include <QColor>

#include <optional>

class OverlayTransition;

// A pill of the break overlay's action row: a symbol and a label on a faint capsule, all in
// one colour. Hovering brightens it and lifts it a little. It reports each click through
// clicked(); only the capsule takes clicks. Tab brings the keyboard to it (a click does
// not), and Return, Enter or Space press it as a click does. Its shadow and its focus ring
// lie outside the widget and are drawn by the row beneath (shadowOpacity(), focusOutline()),
// so neighbouring pills never hide each other's clicks.
class BreakActionButton : public QAbstractButton
{
    Q_OBJECT

public:
    BreakActionButton(BreakGlyph icon, const QString &label, const QColor &foreground,
                      QWidget *parent = nullptr);

    QString label() const { return m_label; }
    QColor foreground() const { return m_foreground; }
    void setForeground(const QColor &foreground);
    bool isHovering() const;
    // The row fades and scales the pill as it comes and goes.
    void setOpacity(qreal opacity);
    void setScale(qreal scale);
    qreal opacity() const { return m_opacity; }
    // The colour of the symbol and the label: stronger while hovered.
    QColor labelInk() const;

    QSize capsuleSize() const;
    // The capsule within the widget, at rest.
    QRectF capsuleRect() const;
    qreal shadowOpacity() const;
    // The outline to ring while the keyboard is on the pill; none otherwise.
    std::optional<BreakFocusRing::Outline> focusOutline() const;

    QSize sizeHint() const override;

signals:
    // The look the row draws (the shadow, the focus ring) changed.
    void lookChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    QSize measureCapsule() const;

    BreakGlyph m_icon;
    QString m_label;
    QColor m_foreground;
    OverlayTransition *m_hover;
    qreal m_opacity = 1.0;
    qreal m_scale = 1.0;
    QSize m_capsuleSize;
};
