#include "settings_ui/components/SegmentedControl.h"

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/TileButton.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal trackRadius = 7;
constexpr qreal thumbInset = 2;
constexpr qreal thumbRadius = 5.5;
constexpr qreal labelSize = 12;

QPainterPath roundedPath(const QRectF &rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

} // namespace

// One segment: its label, and the thumb under it while chosen.
class SegmentedControl::Segment : public TileButton {
public:
    Segment(const QString &label, SegmentedControl *owner)
        : TileButton(Role::radioButton, owner)
        , m_owner(owner)
    {
        setText(label);
        setAccessibleName(label);
        setSelectionSeconds(changeSeconds);
        setHoverSeconds(0.1);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
        if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
            const bool forward = (event->key() == Qt::Key_Right) != rightToLeft;
            m_owner->step(forward ? 1 : -1);
            return;
        }
        TileButton::keyPressEvent(event);
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const ColorScheme scheme = SettingsPalette::schemeOf(this);
        const bool dark = scheme == ColorScheme::dark;
        const QRectF thumb =
            QRectF(rect()).adjusted(thumbInset, thumbInset, -thumbInset, -thumbInset);
        const QPainterPath shape = roundedPath(thumb, thumbRadius);
        const qreal chosen = selectionProgress();
        const QColor primary = NamedColors::color(NamedColor::label, scheme);
        if (chosen < 1 && hoverProgress() > 0)
            painter.fillPath(
                shape, NamedColors::withOpacity(primary, 0.05 * hoverProgress() * (1 - chosen)));
        if (chosen > 0) {
            painter.setOpacity(chosen);
            // A hairline shadow under the thumb lifts it off the track.
            painter.fillPath(roundedPath(thumb.translated(0, 0.5), thumbRadius),
                             QColor(0, 0, 0, dark ? 90 : 38));
            painter.fillPath(shape, dark ? QColor(99, 99, 102) : QColor(Qt::white));
            painter.setOpacity(1);
        }
        painter.setPen(primary);
        painter.setFont(
            SettingsFont::font(labelSize, chosen > 0.5 ? QFont::Medium : QFont::Normal));
        painter.drawText(rect(), Qt::AlignCenter, text());
        paintFocusRing(painter, shape);
    }

private:
    SegmentedControl *m_owner;
};

SegmentedControl::SegmentedControl(const QStringList &labels, int width, QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(width, controlHeight);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (const QString &label : labels) {
        auto *segment = new Segment(label, this);
        const int index = int(m_segments.size());
        connect(segment, &QAbstractButton::clicked, this,
                [this, index] { setCurrentIndex(index); });
        m_segments.append(segment);
        row->addWidget(segment, 1);
    }
    if (!m_segments.isEmpty())
        m_segments.first()->setSelected(true);
}

void SegmentedControl::setCurrentIndex(int index)
{
    if (index == m_currentIndex || index < 0 || index >= count())
        return;
    m_segments[m_currentIndex]->setSelected(false);
    m_currentIndex = index;
    m_segments[index]->setSelected(true);
    update();
    emit currentIndexChanged(index);
}

QAbstractButton *SegmentedControl::segment(int index) const
{
    return m_segments.value(index);
}

void SegmentedControl::step(int by)
{
    const int next = m_currentIndex + by;
    if (next < 0 || next >= count())
        return;
    setCurrentIndex(next);
    m_segments[next]->setFocus(Qt::TabFocusReason);
}

void SegmentedControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const QColor primary = NamedColors::color(NamedColor::label, scheme);
    const QRectF track = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.fillPath(roundedPath(track, trackRadius),
                     NamedColors::withOpacity(primary, scheme == ColorScheme::dark ? 0.10 : 0.06));
    // A divider between two neighbours only when neither stands on the thumb.
    painter.setPen(QPen(NamedColors::withOpacity(primary, 0.14), 1));
    for (int index = 1; index < count(); ++index) {
        if (index == m_currentIndex || index - 1 == m_currentIndex)
            continue;
        const qreal x = m_segments[index]->geometry().left() + 0.5;
        painter.drawLine(QPointF(x, 6), QPointF(x, controlHeight - 6));
    }
}
