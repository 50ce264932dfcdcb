#pragma once

#include "menubar/HUDPresenter.h"

#include <QObject>

#include <functional>

// The small floating notice above other windows. Until its panel exists nothing can be
// shown: present() and update() refuse, and dismiss() finds nothing to close.
class FloatingHUD : public QObject, public HUDPresenter
{
    Q_OBJECT

public:
    explicit FloatingHUD(QObject *parent = nullptr);

    // Made on first use and never destroyed.
    static FloatingHUD &shared();

    // True when the notice is on screen; onDismiss runs when it goes away.
    bool present(HUDStyle style, const QString &title, const QString &subtitle, int secondsLeft,
                 HUDPresentationKind kind, bool ignoreOfficeHours,
                 std::function<void()> onDismiss) override;
    // Changes the texts of the notice on screen in place; false when nothing is shown.
    bool update(const QString &title, const QString &subtitle, int secondsLeft) override;
    // Closes the notice at once. The dismissal handler runs afterwards when asked for and
    // something was shown; a no-op when nothing is.
    void dismiss(bool runHandler) override;
    QUuid presentationId() const override { return QUuid(); }

    bool isShowing() const { return m_showing; }

private:
    bool m_showing = false;
    std::function<void()> m_onDismiss;
};
