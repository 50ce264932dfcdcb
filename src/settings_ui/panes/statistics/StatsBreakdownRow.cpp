#include "settings_ui/panes/statistics/StatsBreakdownRow.h"

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/panes/statistics/StatsSwatch.h"
#include "settings_ui/panes/statistics/TabularLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

constexpr int barHeight = 5;
constexpr qreal trackOpacity = 0.07;

QPainterPath capsule(const QRectF &rect)
{
    QPainterPath path;
    path.addRoundedRect(rect, rect.height() / 2, rect.height() / 2);
    return path;
}

} // namespace

// The track and its fill.
class StatsBreakdownRow::Bar : public QWidget {
public:
    explicit Bar(QWidget *parent)
        : QWidget(parent)
    {
        setFixedHeight(barHeight);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    void set(StatsTint tint, double fraction)
    {
        if (tint == m_tint && fraction == m_fraction)
            return;
        m_tint = tint;
        m_fraction = fraction;
        update();
    }

    double fraction() const { return m_fraction; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const ColorScheme scheme = SettingsPalette::schemeOf(this);
        const QRectF track(rect());
        painter.fillPath(
            capsule(track),
            NamedColors::withOpacity(NamedColors::color(NamedColor::label, scheme), trackOpacity));
        if (m_fraction <= 0)
            return;
        // Never narrower than the capsule's own round ends.
        const qreal fill = std::max(track.width() * m_fraction, track.height());
        painter.fillPath(capsule(QRectF(track.topLeft(), QSizeF(fill, track.height()))),
                         StatsColors::color(m_tint, scheme));
    }

private:
    StatsTint m_tint = StatsTint::timed;
    double m_fraction = 0;
};

StatsBreakdownRow::StatsBreakdownRow(const StatsBreakdownItem &item, QWidget *parent)
    : QWidget(parent)
    , m_swatch(new StatsSwatch(item.tint, 8, 2, this))
    , m_label(new QLabel(item.label, this))
    , m_value(new TabularLabel(SettingsFont::font(11, QFont::DemiBold), this))
    , m_bar(new Bar(this))
{
    setObjectName(item.id);
    m_label->setFont(SettingsFont::font(11));
    m_label->setTextFormat(Qt::PlainText);
    auto *line = new QHBoxLayout;
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(7);
    line->addWidget(m_swatch, 0, Qt::AlignVCenter);
    line->addWidget(m_label, 0, Qt::AlignVCenter);
    line->addStretch(1);
    line->addWidget(m_value, 0, Qt::AlignVCenter);
    auto *stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(6);
    stack->addLayout(line);
    stack->addWidget(m_bar);
    setItem(item, StatsFigures::maxBreakdownValue({item}));
}

void StatsBreakdownRow::setItem(const StatsBreakdownItem &item, qint64 scale)
{
    m_swatch->setTint(item.tint);
    m_label->setText(item.label);
    m_value->setText(QString::number(item.value));
    m_bar->set(item.tint, StatsFigures::barFraction(item.value, scale));
}

QString StatsBreakdownRow::label() const
{
    return m_label->text();
}

QString StatsBreakdownRow::valueText() const
{
    return m_value->text();
}

double StatsBreakdownRow::fraction() const
{
    return m_bar->fraction();
}
