#pragma once

#include "breakscreen/PanelStackingMonitor.h"

// Records what the break screen asks to watch; a test covers the panels by hand.
class FakePanelStackingMonitor : public PanelStackingMonitor
{
    Q_OBJECT

public:
    using PanelStackingMonitor::PanelStackingMonitor;

    void watch(const QList<WId> &panels) override { m_watched = panels; }

    QList<WId> watched() const { return m_watched; }
    void cover(quint64 window) { emit panelsCovered(window); }

private:
    QList<WId> m_watched;
};
