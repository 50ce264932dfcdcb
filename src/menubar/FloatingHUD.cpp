#include "menubar/FloatingHUD.h"

FloatingHUD::FloatingHUD(QObject *parent)
    : QObject(parent)
{
}

FloatingHUD &FloatingHUD::shared()
{
    static FloatingHUD *hud = new FloatingHUD;
    return *hud;
}

bool FloatingHUD::present(HUDStyle, const QString &, const QString &, int, HUDPresentationKind,
                          bool, std::function<void()>)
{
    return false;
}

bool FloatingHUD::update(const QString &, const QString &, int)
{
    return false;
}

void FloatingHUD::dismiss(bool runHandler)
{
    if (!m_showing)
        return;
    // Taken before it runs: the handler may present the next notice.
    std::function<void()> handler = std::exchange(m_onDismiss, nullptr);
    m_showing = false;
    if (runHandler && handler)
        handler();
}
