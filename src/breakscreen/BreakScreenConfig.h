#pragma once

#include "breakscreen/BreakScreenChoices.h"

#include <QObject>
#include <QString>

#include <memory>

class SettingsRepository;

// The user's choices for the look and the controls of the break screen, kept in the
// user-defaults store under the "break." keys. There is no live shared instance: each reader
// (a break, the customizer) loads its own copy, so edits reach the break screen only through
// save() and the next load(). Setters change memory only and notify only on a real change.
// Main thread only.
class BreakScreenConfig : public QObject
{
    Q_OBJECT
    Q_PROPERTY(BreakScreenMessage message READ message WRITE setMessage NOTIFY messageChanged)
    Q_PROPERTY(QString customMessage READ customMessage WRITE setCustomMessage
                   NOTIFY customMessageChanged)
    Q_PROPERTY(BreakCountdown countdownStyle READ countdownStyle WRITE setCountdownStyle
                   NOTIFY countdownStyleChanged)
    Q_PROPERTY(bool clockVisible READ clockVisible WRITE setClockVisible NOTIFY clockVisibleChanged)
    Q_PROPERTY(BreakBG background READ background WRITE setBackground NOTIFY backgroundChanged)
    Q_PROPERTY(bool showSkip READ showSkip WRITE setShowSkip NOTIFY showSkipChanged)
    Q_PROPERTY(bool showSnooze READ showSnooze WRITE setShowSnooze NOTIFY showSnoozeChanged)
    Q_PROPERTY(EscBehavior escapeBehavior READ escapeBehavior WRITE setEscapeBehavior
                   NOTIFY escapeBehaviorChanged)

public:
    // The most characters of the user's message that are typed in, and that are drawn: a
    // longer stored message (an older version, an edited file) is kept as it is until the
    // user edits it, but drawn cut, as a megabyte laid out on every panel would exhaust memory.
    static constexpr int customMessageMaxCharacters = 280;

    // The defaults.
    explicit BreakScreenConfig(QObject *parent = nullptr);

    // A new instance from the stored keys. Each key that is missing, of the wrong type or
    // not one of its raw values keeps its default, and the next save() replaces it. The
    // keys of retired options are removed; nothing else is written.
    static std::unique_ptr<BreakScreenConfig> load();
    static std::unique_ptr<BreakScreenConfig> load(SettingsRepository &store);
    // Writes all eight keys, the choices as their raw values.
    void save() const;
    void save(SettingsRepository &store) const;
    // A detached instance with the same eight values, for a reader that must outlive this
    // one or must not follow its later edits.
    std::unique_ptr<BreakScreenConfig> copy() const;

    BreakScreenMessage message() const { return m_message; }
    QString customMessage() const { return m_customMessage; }
    // The message as every view draws it: at most customMessageMaxCharacters, then "…".
    QString shownCustomMessage() const;
    BreakCountdown countdownStyle() const { return m_countdownStyle; }
    bool clockVisible() const { return m_clockVisible; }
    BreakBG background() const { return m_background; }
    bool showSkip() const { return m_showSkip; }
    bool showSnooze() const { return m_showSnooze; }
    EscBehavior escapeBehavior() const { return m_escapeBehavior; }

    void setMessage(BreakScreenMessage value);
    void setCustomMessage(const QString &value);
    void setCountdownStyle(BreakCountdown value);
    void setClockVisible(bool value);
    void setBackground(BreakBG value);
    void setShowSkip(bool value);
    void setShowSnooze(bool value);
    void setEscapeBehavior(EscBehavior value);

signals:
    void messageChanged(BreakScreenMessage message);
    void customMessageChanged(const QString &customMessage);
    void countdownStyleChanged(BreakCountdown countdownStyle);
    void clockVisibleChanged(bool clockVisible);
    void backgroundChanged(BreakBG background);
    void showSkipChanged(bool showSkip);
    void showSnoozeChanged(bool showSnooze);
    void escapeBehaviorChanged(EscBehavior escapeBehavior);

private:
    template <typename T, typename Signal>
    void assign(T &field, const T &value, Signal changed);
    void readFrom(const SettingsRepository &store);

    BreakScreenMessage m_message = BreakScreenMessage::catchQuickRest;
    QString m_customMessage;
    BreakCountdown m_countdownStyle = BreakCountdown::timer;
    bool m_clockVisible = true;
    BreakBG m_background = BreakBG::blur;
    bool m_showSkip = true;
    bool m_showSnooze = true;
    EscBehavior m_escapeBehavior = EscBehavior::doubleEsc;
};
