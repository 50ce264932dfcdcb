#pragma once

#include <QAccessibleWidget>

class BreakOverlayView;

// What screen readers see of the break overlay, the widget that has the keyboard as a break
// begins: a plain container named by the break's message and described by the time left, so
// that the focus landing on it says both. Not a panel: a reader also speaks the labels inside
// a focused panel, and would say the time left twice. The description is read when asked for
// and never announced as it changes: a reader speaks every change of the focused object's
// description, which would make it talk every second.
class BreakOverlayAccessible : public QAccessibleWidget
{
public:
    explicit BreakOverlayAccessible(BreakOverlayView *view);

    // Makes Qt ask us for every overlay; once, later calls do nothing.
    static void install();

    QString text(QAccessible::Text kind) const override;

private:
    BreakOverlayView *view() const;
};
