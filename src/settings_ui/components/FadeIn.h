#pragma once

#include <QObject>

class CurveAnimation;
class QWidget;

// Fades a widget in from transparent over a short ease-in-out, as a section appears when its
// switch turns or a text changes. The widget is drawn through an opacity effect only while
// the fade runs; it ends at once when the widget hides, and at once under reduced motion.
class FadeIn : public QObject
{
    Q_OBJECT

public:
    // Starts the fade, replacing one already running on the widget.
    static void start(QWidget *widget, double seconds);
    // Whether a fade is running on the widget.
    static bool isFading(const QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FadeIn(QWidget *widget, double seconds);
    void finish();

    QWidget *m_widget;
    CurveAnimation *m_fade;
    bool m_finished = false;
};
