#pragma once

#include "breakscreen/BreakScreenConfig.h"

#include <QLineEdit>

// The customizer's field for the user's own break message: one plain line, no trimming, the
// text kept as typed. Typing or pasting can make it at most maxCharacters characters long
// (TextLimit): a pasted megabyte would otherwise be written to the settings file on every
// save and laid out on every break panel. A stored message longer than that, from an older
// version or an edited file, is shown and kept as it is until edited; an edit that only
// removes text keeps the rest of it, so the user can shorten it by hand.
//
// edited() reports the user's text once it is within the rule, however it came: typed,
// pasted, or set by a screen reader through the accessibility bus, which sets the whole text
// and never counts as typing. setMessage() shows a text without reporting it.
class CustomMessageField : public QLineEdit
{
    Q_OBJECT

public:
    static constexpr int maxCharacters = BreakScreenConfig::customMessageMaxCharacters;
    static constexpr qreal textSize = 12;
    static constexpr int padding = 9;
    static constexpr qreal cornerRadius = 7;

    explicit CustomMessageField(QWidget *parent = nullptr);

    void setMessage(const QString &message);

signals:
    void edited(const QString &message);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void onTextChanged(const QString &text);

    // The text as last shown or accepted, to tell an edit that only removes from one that adds.
    QString m_accepted;
};
