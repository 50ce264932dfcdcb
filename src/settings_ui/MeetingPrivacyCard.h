#pragma once

#include <QWidget>

// The note at the foot of the Calls & Recordings pane on what detection looks at, in green on
// a faint green wash with a thin green border, the same in both schemes.
class MeetingPrivacyCard : public QWidget
{
    Q_OBJECT

public:
    static constexpr qreal cornerRadius = 12;

    explicit MeetingPrivacyCard(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
