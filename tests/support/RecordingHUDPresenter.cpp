#include "support/RecordingHUDPresenter.h"

bool RecordingHUDPresenter::present(HUDStyle style, const QString &title,
                                    const QString &subtitle, int secondsLeft,
                                    HUDPresentationKind kind, bool,
                                    std::function<void()> onDismiss)
{
    if (!m_presentAccepts)
        return false;
    dismiss(false);
    m_presentationId = QUuid::createUuid();
    m_showing = Notice{style, title, subtitle, secondsLeft, kind};
    m_handler = std::move(onDismiss);
    m_presented.append(*m_showing);
    return true;
}

bool RecordingHUDPresenter::update(const QString &title, const QString &subtitle,
                                   int secondsLeft)
{
    if (!m_showing || !m_updateAccepts)
        return false;
    m_showing->title = title;
    m_showing->subtitle = subtitle;
    if (secondsLeft >= 1)
        m_showing->secondsLeft = secondsLeft;
    m_updates.append({m_showing->style, title, subtitle, secondsLeft, m_showing->kind});
    return true;
}

void RecordingHUDPresenter::dismiss(bool runHandler)
{
    const bool wasShowing = m_showing.has_value();
    std::function<void()> handler = std::exchange(m_handler, nullptr);
    clear();
    // Taken before it runs: the handler may put up the next notice.
    if (runHandler && wasShowing && handler)
        handler();
}

void RecordingHUDPresenter::replaceByOtherPresenter()
{
    m_handler = nullptr;
    clear();
    m_presentationId = QUuid::createUuid();
    m_showing = Notice{HUDStyle::blink, QStringLiteral("Preview"), QString(), 0,
                       HUDPresentationKind::regular};
}

void RecordingHUDPresenter::beginFadeOut()
{
    m_fadingHandler = std::exchange(m_handler, nullptr);
    clear();
}

void RecordingHUDPresenter::finishFadeOut()
{
    std::function<void()> handler = std::exchange(m_fadingHandler, nullptr);
    if (m_presentationId.isNull() && handler)
        handler();
}

void RecordingHUDPresenter::clear()
{
    m_presentationId = QUuid();
    m_showing.reset();
}
