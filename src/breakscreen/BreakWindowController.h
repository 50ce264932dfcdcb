#pragma once

#include <QList>
#include <QObject>

class QWidget;

// Owns the break panels, one per screen, while a break is shown, and their fade-out. A
// break is showing while panels are up or the fade-out runs. No panel exists yet.
class BreakWindowController : public QObject
{
    Q_OBJECT

public:
    explicit BreakWindowController(QObject *parent = nullptr);

    const QList<QWidget *> &panels() const { return m_panels; }
    bool isDismissing() const { return m_isDismissing; }
    bool isShowingBreak() const { return !m_panels.isEmpty() || m_isDismissing; }

private:
    QList<QWidget *> m_panels;
    bool m_isDismissing = false;
};
