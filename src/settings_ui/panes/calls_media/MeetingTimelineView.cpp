#include "settings_ui/panes/calls_media/MeetingTimelineView.h"

#include "settings_ui/components/CurveAnimation.h"
#include "settings_ui/components/Motion.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/SymbolGlyphs.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

const QString resume = QStringLiteral("resume");
constexpr qreal meetingStart = 0.3;
constexpr qreal meetingEnd = 0.65;
constexpr qreal trackHeight = 4;
constexpr qreal pillY = 66;
constexpr qreal pillWashOpacity = 0.08;
constexpr qreal checkDotSide = 14;
constexpr qreal dotSide = 10;
// The texts of every marker end this far above the line, clear of the largest dot, so the
// four captions stand on one baseline.
constexpr qreal textsAboveLine = checkDotSide / 2 + 4;

QFont timeFont()
{
    return SettingsFont::font(9, QFont::Medium);
}

QFont labelFont()
{
    return SettingsFont::font(8);
}

QFont pillFont()
{
    return SettingsFont::font(9, QFont::Medium);
}

QPainterPath capsule(const QRectF &rect)
{
    QPainterPath path;
    const qreal radius = std::min(rect.width(), rect.height()) / 2;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

} // namespace

MeetingTimelineView::MeetingTimelineView(const QString &afterMeeting, QWidget *parent)
    : QWidget(parent)
    , m_afterMeeting(afterMeeting)
    , m_nextBreakFraction(nextBreakFraction(afterMeeting))
    , m_move(new CurveAnimation(MotionCurve::easeInOut(moveSeconds), this))
{
    setFixedHeight(fixedHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setObjectName(QStringLiteral("meetingTimeline"));
    connect(m_move, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_nextBreakFraction = value.toDouble();
        update();
    });
    describe();
}

void MeetingTimelineView::setAfterMeeting(const QString &afterMeeting)
{
    if (afterMeeting == m_afterMeeting)
        return;
    m_afterMeeting = afterMeeting;
    m_move->stop();
    m_move->setStartValue(m_nextBreakFraction);
    m_move->setEndValue(nextBreakFraction(afterMeeting));
    // A hidden drawing has nothing to show moving: it lands at once.
    if (isVisible())
        Motion::start(m_move);
    else
        m_nextBreakFraction = nextBreakFraction(afterMeeting);
    describe();
    update();
}

QList<TimelineNode> MeetingTimelineView::nodes(const QString &afterMeeting)
{
    const bool resumes = afterMeeting == resume;
    return {
        {0.04, QStringLiteral("10:00 AM"), QStringLiteral("Timer started"), NamedColor::green, true},
        {meetingStart, QStringLiteral("10:23 AM"), QStringLiteral("Meeting started"), NamedColor::blue, false},
        {meetingEnd, QStringLiteral("10:55 AM"), QStringLiteral("Meeting ended"), NamedColor::blue, false},
        {nextBreakFraction(afterMeeting), resumes ? QStringLiteral("10:58 AM") : QStringLiteral("11:03 AM"),
         QStringLiteral("Next break"), NamedColor::green, false},
    };
}

qreal MeetingTimelineView::nextBreakFraction(const QString &afterMeeting)
{
    return afterMeeting == resume ? 0.82 : 0.88;
}

MeetingTimelineView::Geometry MeetingTimelineView::geometry(qreal width) const
{
    Geometry layout;
    const qreal top = lineY - trackHeight / 2;
    layout.track = QRectF(0, top, width, trackHeight);
    layout.meeting = QRectF(meetingStart * width, top, (meetingEnd - meetingStart) * width, trackHeight);
    layout.connector = QLineF(meetingEnd * width, lineY, m_nextBreakFraction * width, lineY);
    for (const TimelineNode &node : nodes(m_afterMeeting)) {
        // The last marker stands where its move has brought it.
        const bool last = layout.nodeCentres.size() == 3;
        layout.nodeCentres.append({(last ? m_nextBreakFraction : node.fraction) * width, lineY});
    }
    layout.pillCentre = QPointF((meetingStart + meetingEnd) / 2 * width, pillY);
    return layout;
}

qreal MeetingTimelineView::drawingWidth() const
{
    return std::max<qreal>(0, width() - 2 * inset);
}

bool MeetingTimelineView::isMoving() const
{
    return m_move->state() == QAbstractAnimation::Running;
}

void MeetingTimelineView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(inset, 0);
    const Geometry layout = geometry(drawingWidth());
    paintLine(painter, layout);
    const QList<TimelineNode> markers = nodes(m_afterMeeting);
    for (qsizetype index = 0; index < markers.size(); ++index)
        paintNode(painter, markers[index], layout.nodeCentres[index]);
    paintPill(painter, layout.pillCentre);
}

void MeetingTimelineView::paintLine(QPainter &painter, const Geometry &layout) const
{
    // A faded separator all but vanishes on the card: the track takes the separator colour
    // whole and the dashes the tertiary label colour, so both read in either scheme.
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const qreal radius = trackHeight / 2;
    QPainterPath track;
    track.addRoundedRect(layout.track, radius, radius);
    painter.fillPath(track, NamedColors::color(NamedColor::separator, scheme));
    QPainterPath meeting;
    meeting.addRoundedRect(layout.meeting, radius, radius);
    painter.fillPath(meeting, NamedColors::color(NamedColor::blue, scheme));
    QPen dashes(NamedColors::color(NamedColor::tertiaryLabel, scheme), 2, Qt::CustomDashLine, Qt::FlatCap,
                Qt::MiterJoin);
    // Dash lengths count in line widths: 4 pixels on, 3 off.
    dashes.setDashPattern({2.0, 1.5});
    painter.setPen(dashes);
    painter.drawLine(layout.connector);
}

void MeetingTimelineView::paintNode(QPainter &painter, const TimelineNode &node, QPointF centre) const
{
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const QColor colour = NamedColors::color(node.color, scheme);
    const qreal side = node.isCheckmark ? checkDotSide : dotSide;
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(centre, side / 2, side / 2);
    if (node.isCheckmark)
        SymbolGlyphs::paint(painter, QStringLiteral("checkmark"), centre, 7, QFont::Bold, Qt::white);

    // The texts keep their natural width, centred on the marker, whatever room is left.
    const QFontMetricsF timeMetrics(timeFont());
    const QFontMetricsF labelMetrics(labelFont());
    const qreal labelBottom = centre.y() - textsAboveLine;
    const qreal labelTop = labelBottom - labelMetrics.height();
    const qreal timeTop = labelTop - 1 - timeMetrics.height();
    const qreal timeWidth = timeMetrics.horizontalAdvance(node.time) + 2;
    const qreal labelWidth = labelMetrics.horizontalAdvance(node.label) + 2;
    painter.setFont(timeFont());
    painter.setPen(NamedColors::textColor(node.color, scheme));
    painter.drawText(QRectF(centre.x() - timeWidth / 2, timeTop, timeWidth, timeMetrics.height()),
                     Qt::AlignCenter, node.time);
    painter.setFont(labelFont());
    painter.setPen(NamedColors::color(NamedColor::secondaryLabel, scheme));
    painter.drawText(QRectF(centre.x() - labelWidth / 2, labelTop, labelWidth, labelMetrics.height()),
                     Qt::AlignCenter, node.label);
}

void MeetingTimelineView::paintPill(QPainter &painter, QPointF centre) const
{
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const QString text = QStringLiteral("32 min meeting");
    const QFontMetricsF metrics(pillFont());
    const QSizeF size(metrics.horizontalAdvance(text) + 16, metrics.height() + 6);
    const QRectF pill(centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(),
                      size.height());
    const QColor blue = NamedColors::color(NamedColor::blue, scheme);
    const QColor wash = NamedColors::withOpacity(blue, pillWashOpacity);
    painter.fillPath(capsule(pill), wash);
    painter.setFont(pillFont());
    painter.setPen(NamedColors::textColor(NamedColor::blue, scheme, wash));
    painter.drawText(pill, Qt::AlignCenter, text);
}

void MeetingTimelineView::hideEvent(QHideEvent *event)
{
    // Nothing of a hidden window keeps running: a move under way lands where it was going.
    if (isMoving()) {
        m_move->stop();
        m_nextBreakFraction = nextBreakFraction(m_afterMeeting);
    }
    QWidget::hideEvent(event);
}

void MeetingTimelineView::describe()
{
    // A picture to a screen reader: what it shows, marker by marker.
    QStringList markers;
    for (const TimelineNode &node : nodes(m_afterMeeting))
        markers.append(node.time + QLatin1Char(' ') + node.label);
    setAccessibleName(QStringLiteral("After-meeting timeline"));
    setAccessibleDescription(markers.join(QStringLiteral(", ")));
}
