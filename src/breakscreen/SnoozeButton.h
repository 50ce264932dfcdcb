#pragma once

#include "breakscreen/AccessiblePart.h"
#include "breakscreen/BreakFocusRing.h"
#include "breakscreen/SnoozeOption.h"

#include <QColor>
#include <QList>
#include <QWidget>

#include <optional>

class OverlayTransition;
class SnoozeMenu;

// The split snooze pill of the break overlay: its main half ("Snooze 5m") reports
// snoozeClicked(), its chevron opens and closes a menu of snooze lengths above the pill,
// and a row of that menu closes it and reports snoozeChosen(value). Hovering anywhere on the
// pill brightens all of it and lifts it a little; while the menu is open the pill keeps its
// active fill and the chevron points down. The widget holds the room the menu rises into,
// but takes clicks only on the pill and the open menu. Its shadow and its focus ring are
// drawn by the row beneath (shadowOpacity(), focusOutline()). Screen readers find the main
// half by its label, the chevron as "Snooze options" and the menu's rows by theirs, each
// pressable as a click.
//
// To the keyboard the two halves are two stops: Tab goes from the main half to the chevron,
// Shift+Tab back. Return, Enter or Space press the half the keyboard is on; on the chevron
// they, and Down, open the menu with the keyboard on its first row (SnoozeMenu). Closing the
// menu (closeOptions(), Escape or Tab in it) brings the keyboard back to the chevron.
class SnoozeButton : public QWidget
{
    Q_OBJECT

public:
    SnoozeButton(const QColor &foreground, const QList<SnoozeOption> &options,
                 QWidget *parent = nullptr);

    // The menu is frosted glass in the overlay's scheme.
    void setColours(const QColor &foreground, const QColor &material);
    void setOpacity(qreal opacity);
    qreal opacity() const { return m_opacity; }
    // The colour of the moon and "Snooze 5m": stronger while hovered.
    QColor labelInk() const;

    bool isHovering() const;
    bool showOptions() const;
    SnoozeMenu *menu() const { return m_menu; }
    // Closes the menu, eased as a click on the chevron closes it.
    void closeOptions();
    // The outline to ring while the keyboard is on a half; none otherwise.
    std::optional<BreakFocusRing::Outline> focusOutline() const;

    QSize capsuleSize() const;
    // In this widget: the whole pill, its main half and its chevron, at rest.
    QRectF capsuleRect() const;
    QRectF mainHalfRect() const;
    QRectF chevronRect() const;
    qreal shadowOpacity() const;
    // How far the widget reaches above the pill, for the menu.
    int roomAbove() const;
    // The main half and the chevron, as screen readers see them.
    QList<AccessiblePart::Description> accessibleParts();

    QSize sizeHint() const override;

signals:
    void snoozeClicked();
    void snoozeChosen(int value);
    void showOptionsChanged(bool showOptions);
    // The look the row draws (the shadow) changed.
    void lookChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    enum class Part { none, mainHalf, chevron };

    void measure();
    void setShowOptions(bool show, bool fromMenuRow);
    void openOptionsFromKeyboard();
    void setFocusedPart(Part part);
    Part partAt(const QPointF &pos) const;
    void placeMenu();
    void updateMask();
    qreal mainHalfWidth() const;
    void paintContent(QPainter &painter, const QRectF &capsule, qreal hover) const;
    QColor labelInk(qreal hover) const;

    QColor m_foreground;
    SnoozeMenu *m_menu;
    OverlayTransition *m_hover;
    OverlayTransition *m_menuOpen;
    qreal m_opacity = 1.0;
    Part m_pressed = Part::none;
    // The half the keyboard is on while the control has it, and comes back to.
    Part m_focusedPart = Part::mainHalf;
    qreal m_mainHalfWidth = 0;
    QSize m_capsuleSize;
};
