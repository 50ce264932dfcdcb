#pragma once

#include "menubar/HUDPresenter.h"

#include <QList>

#include <optional>

// A floating notice that records what it is asked to do and answers as scripted. Like the
// real one, each notice put up gets a fresh presentation id, which goes null when it is
// closed; a replaced notice's handler is dropped without being called.
class RecordingHUDPresenter : public HUDPresenter
{
public:
    struct Notice
    {
        HUDStyle style;
        QString title;
        QString subtitle;
        int secondsLeft;
        HUDPresentationKind kind;
    };

    bool present(HUDStyle style, const QString &title, const QString &subtitle, int secondsLeft,
                 HUDPresentationKind kind, bool ignoreOfficeHours,
                 std::function<void()> onDismiss) override;
    // Refused with nothing on screen, whatever is scripted.
    bool update(const QString &title, const QString &subtitle, int secondsLeft) override;
    void dismiss(bool runHandler) override;
    QUuid presentationId() const override { return m_presentationId; }

    // Scripted answers, kept until changed; both accept at first.
    void setPresentAccepts(bool accepts) { m_presentAccepts = accepts; }
    void setUpdateAccepts(bool accepts) { m_updateAccepts = accepts; }

    // Someone else puts up a notice of their own: ours goes without its handler.
    void replaceByOtherPresenter();
    // The auto-dismiss fade starts: the notice no longer counts as shown, and its handler
    // waits for finishFadeOut(), which skips it when a new notice came up meanwhile.
    void beginFadeOut();
    void finishFadeOut();

    // The texts on screen now, updates included; none when nothing is shown.
    const std::optional<Notice> &showing() const { return m_showing; }
    // Every notice put up by present(), oldest first.
    const QList<Notice> &presented() const { return m_presented; }
    // Every update applied, as (title, subtitle, secondsLeft).
    const QList<Notice> &updates() const { return m_updates; }

private:
    void clear();

    bool m_presentAccepts = true;
    bool m_updateAccepts = true;
    QUuid m_presentationId;
    std::optional<Notice> m_showing;
    std::function<void()> m_handler;
    std::function<void()> m_fadingHandler;
    QList<Notice> m_presented;
    QList<Notice> m_updates;
};
