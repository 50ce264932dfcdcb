#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QWidget>

class InfoTip;
class QVBoxLayout;
class ShortcutController;
class ToggleSwitch;
struct ContentServices;

// The settings window's Shortcuts pane: the switch for the global hot keys and, while it is
// on, a warning when some could not be grabbed, the five shortcuts with their keys and a
// tip on how they work. The list is fixed text; the switch mirrors the controller's setting
// as it was when the pane was made and writes each change back; the warning follows the
// controller's registration error. Showing and hiding the lower sections fades (0.2 s).
class ShortcutsDetailView : public QWidget
{
    Q_OBJECT

public:
    struct Row
    {
        QString symbol;
        QString label;
        QChar letter;
    };
    // The five rows in their order, with the letter of each one's key.
    static const QList<Row> &rows();

    static QWidget *make(const ContentServices &services);

    ShortcutsDetailView(ShortcutController &shortcuts, bool waylandSession, QWidget *parent = nullptr);

    bool shortcutsEnabled() const { return m_shortcutsEnabled; }

private:
    QWidget *buildSwitchCard();
    QWidget *buildEnabledSections(bool waylandSession);
    QWidget *buildList();
    void setShortcutsEnabled(bool enabled);
    void showWarning(const QString &error);

    ShortcutController &m_shortcuts;
    bool m_shortcutsEnabled;
    QWidget *m_enabledSections = nullptr;
    QVBoxLayout *m_warningSlot = nullptr;
    InfoTip *m_warning = nullptr;
};
