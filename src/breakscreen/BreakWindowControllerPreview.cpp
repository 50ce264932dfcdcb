#include "breakscreen/BreakPanel.h"
#include "breakscreen/BreakScreenConfig.h"
#include "breakscreen/BreakWindowController.h"
#include "core/Clock.h"
#include "core/Logger.h"

#include <QScreen>

#include <algorithm>

// The customizer's look at the break screen: one panel under the pointer, no break.

namespace {

const QString category = QStringLiteral("BreakPreview");

} // namespace

bool BreakWindowController::showPreview(std::shared_ptr<BreakScreenConfig> config,
                                        int durationSeconds)
{
    if (isShowingBreak()) {
        logWarn(category, QStringLiteral("Preview blocked because a break panel is active"));
        return false;
    }
    closePreview();
    QScreen *screen = m_services.screenUnderPointer();
    if (!screen) {
        logWarn(category, QStringLiteral("Cannot show preview because no display is available"));
        return false;
    }
    const int seconds = std::max(durationSeconds, 1);
    QPointer<BreakWindowController> self(this);
    QWidget *content = m_services.content.overlay(
        *config, false, BreakOverlayMode::preview(seconds),
        [self](const BreakDismissalOutcome &) {
            if (self)
                self->closePreview();
        },
        screen);
    m_previewPanel = std::make_unique<BreakPanel>(content, config);
    m_previewPanel->placeOn(screen);
    m_previewPanel->setWindowOpacity(1.0);
    m_previewPanel->orderFront();
    m_previewPanel->makeKey();
    schedulePreviewReassertions();
    m_previewDismiss = m_services.clock.schedule(seconds, false, [this] { closePreview(); });
    logInfo(category, formatLogEvent(QStringLiteral("Preview shown"),
                                     {{QStringLiteral("display"), screen->name()},
                                      {QStringLiteral("duration"),
                                       QString::number(seconds) + QLatin1Char('s')}}));
    return true;
}

void BreakWindowController::closePreview()
{
    m_previewDismiss.reset();
    m_previewReassertions.clear();
    if (!m_previewPanel)
        return;
    // The panel may be closing from inside its own overlay's callback: it goes once that
    // has returned.
    BreakPanel *panel = m_previewPanel.release();
    panel->closePanel();
    panel->deleteLater();
    if (m_onPreviewDismissed)
        m_onPreviewDismissed();
    logInfo(category, QStringLiteral("Preview dismissed"));
}
