#pragma once

#include <QStringList>
#include <QWidget>

class QAbstractButton;

// A row of segments of equal width in a rounded track, one of them chosen: it stands raised
// on a light thumb that fades across in 0.2 s when the choice changes. Each segment is
// announced as a radio button named by its label; Tab reaches each, Space chooses it, and
// the arrow keys move the choice.
class SegmentedControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY currentIndexChanged)

public:
    static constexpr int controlHeight = 24;
    static constexpr double changeSeconds = 0.2;

    SegmentedControl(const QStringList &labels, int width, QWidget *parent = nullptr);

    int count() const { return int(m_segments.size()); }
    int currentIndex() const { return m_currentIndex; }
    // Out-of-range indexes are ignored; the signal fires only on a real change.
    void setCurrentIndex(int index);
    QAbstractButton *segment(int index) const;

signals:
    void currentIndexChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    class Segment;

    void step(int by);

    QList<Segment *> m_segments;
    int m_currentIndex = 0;
};
