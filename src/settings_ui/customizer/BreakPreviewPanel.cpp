#include "settings_ui/customizer/BreakPreviewPanel.h"

#include "breakscreen/BreakScreenConfig.h"
#include "core/Clock.h"
#include "scheduling/BreakMessages.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/customizer/BreakPreviewContent.h"
#include "settings_ui/customizer/PreviewFullScreenButton.h"

#include <QPainter>
#include <QPainterPath>

BreakPreviewPanel::BreakPreviewPanel(const BreakScreenConfig &config, Clock &clock,
                                     std::function<void()> onPreviewFullScreen, QWidget *parent)
    : QWidget(parent)
    , m_config(config)
    , m_clock(clock)
    , m_button(new PreviewFullScreenButton(this))
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(m_button, &PreviewFullScreenButton::clicked, this, std::move(onPreviewFullScreen));
    const auto repaint = [this] { update(); };
    connect(&config, &BreakScreenConfig::messageChanged, this, repaint);
    connect(&config, &BreakScreenConfig::customMessageChanged, this, repaint);
    connect(&config, &BreakScreenConfig::countdownStyleChanged, this, repaint);
    connect(&config, &BreakScreenConfig::clockVisibleChanged, this, repaint);
    connect(&config, &BreakScreenConfig::backgroundChanged, this, repaint);
    connect(&config, &BreakScreenConfig::showSkipChanged, this, repaint);
    connect(&config, &BreakScreenConfig::showSnoozeChanged, this, repaint);
    connect(&config, &BreakScreenConfig::escapeBehaviorChanged, this, repaint);
}

QString BreakPreviewPanel::previewMessage(const BreakScreenConfig &config, const QDate &today)
{
    switch (config.message()) {
    case BreakScreenMessage::random:
        return messageOfTheDay(breakMessages(), today);
    case BreakScreenMessage::custom:
        // A text of spaces is not empty: it is shown as it is.
        return config.customMessage().isEmpty() ? QStringLiteral("Your message here")
                                                : config.shownCustomMessage();
    default:
        return rawValue(config.message());
    }
}

QString BreakPreviewPanel::previewMessage() const
{
    return previewMessage(m_config, m_clock.now().date());
}

QRectF BreakPreviewPanel::panelRect() const
{
    return QRectF(rect()).adjusted(outerPadding, outerPadding, -outerPadding, -outerPadding);
}

void BreakPreviewPanel::resizeEvent(QResizeEvent *)
{
    // In the corner at every size.
    const QRectF panel = panelRect();
    m_button->move(int(panel.right()) - buttonInset - m_button->width(), int(panel.top()) + buttonInset);
}

void BreakPreviewPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const QRectF panel = panelRect();
    painter.fillRect(rect(), palette().window());
    m_backdrop.paint(painter, m_config.background(), panel, scheme);
    // The panel's rounded corners: the window's ground laid back over the square ones, with
    // smooth edges (a clip path would leave them jagged).
    QPainterPath corners;
    corners.addRect(panel);
    QPainterPath rounded;
    rounded.addRoundedRect(panel, cornerRadius, cornerRadius);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(corners.subtracted(rounded), palette().window());
    BreakPreviewContent(m_config, previewMessage(), scheme).paint(painter, panel);
}
