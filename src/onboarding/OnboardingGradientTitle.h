#pragma once

#include <QImage>
#include <QWidget>

// The welcome page's title: centred lines of large bold type filled with a vertical gradient
// (ink to green on the light scheme, white to a pale green on the dark one). The lines are
// drawn into a mask once per size and scheme and the gradient laid through it; screen readers
// read the lines as one label.
class OnboardingGradientTitle : public QWidget
{
    Q_OBJECT

public:
    explicit OnboardingGradientTitle(const QStringList &lines, QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage render(qreal ratio, bool dark) const;

    QStringList m_lines;
    QImage m_cache;
    bool m_cacheDark = false;
};
