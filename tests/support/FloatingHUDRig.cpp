#include "support/FloatingHUDRig.h"

#include "menubar/HUDContentView.h"
#include "menubar/HUDCountdownRing.h"
#include "menubar/HUDWindow.h"

#include <QLabel>

FloatingHUDRig::FloatingHUDRig(const QVariantMap &stored, std::optional<QRect> screenArea)
    : store(stored)
    , settings(store, clock)
    , theme(themeStore, nullptr)
    , screen(screenArea)
    , hud(FloatingHUDServices{settings, clock, theme, windowSupport, [this] { ++sounds; },
                              [this] { return screen; }})
{
}

bool FloatingHUDRig::present(HUDStyle style, int secondsLeft, HUDPresentationKind kind,
                             const QString &title)
{
    const int number = ++presentations;
    return hud.present(style, title, QStringLiteral("Roll your shoulders back"), secondsLeft, kind,
                       false, [this, number] { handled.append(number); });
}

HUDContentView *FloatingHUDRig::content() const
{
    return hud.window() ? hud.window()->content() : nullptr;
}

HUDCountdownRing *FloatingHUDRig::ring() const
{
    return content() ? content()->ring() : nullptr;
}

QString FloatingHUDRig::figure() const
{
    return ring() ? ring()->figureLabel()->text() : QString();
}
