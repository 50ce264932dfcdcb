#include "onboarding/OnboardingGradientTitle.h"

#include "onboarding/OnboardingPalette.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SettingsPalette.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace {

constexpr qreal extraLineSpacing = 4;

QFont titleFont()
{
    return SettingsFont::font(36, QFont::Bold, -0.8);
}

qreal lineStep()
{
    return QFontMetricsF(titleFont()).lineSpacing() + extraLineSpacing;
}

} // namespace

OnboardingGradientTitle::OnboardingGradientTitle(const QStringList &lines, QWidget *parent)
    : QWidget(parent)
    , m_lines(lines)
{
    setAccessibleName(lines.join(QLatin1Char(' ')));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QSize OnboardingGradientTitle::sizeHint() const
{
    const QFontMetricsF metrics(titleFont());
    qreal widest = 0;
    for (const QString &line : m_lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const qreal height = metrics.height() + (m_lines.size() - 1) * lineStep();
    return QSize(int(std::ceil(widest)) + 8, int(std::ceil(height)));
}

QImage OnboardingGradientTitle::render(qreal ratio, bool dark) const
{
    QImage image(QSize(int(std::ceil(width() * ratio)), int(std::ceil(height() * ratio))),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(titleFont());
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(titleFont());
    for (int index = 0; index < m_lines.size(); ++index) {
        const qreal baseline = metrics.ascent() + index * lineStep();
        const qreal left = (width() - metrics.horizontalAdvance(m_lines[index])) / 2;
        painter.drawText(QPointF(left, baseline), m_lines[index]);
    }
    // The gradient runs over the whole title, top to bottom, through the letters only.
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, dark ? QColor(Qt::white) : QColor::fromRgbF(0.11f, 0.11f, 0.12f));
    fill.setColorAt(1, dark ? QColor::fromRgbF(0.6f, 0.9f, 0.4f) : OnboardingPalette::green());
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(QRectF(0, 0, width(), height()), fill);
    return image;
}

void OnboardingGradientTitle::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const qreal ratio = painter.device()->devicePixelRatioF();
    const bool dark = SettingsPalette::isDark(this);
    const QSize pixels(int(std::ceil(width() * ratio)), int(std::ceil(height() * ratio)));
    if (m_cache.isNull() || m_cache.size() != pixels || m_cacheDark != dark) {
        m_cache = render(ratio, dark);
        m_cacheDark = dark;
    }
    painter.drawImage(QPointF(0, 0), m_cache);
}
