#pragma once

#include <QWidget>

// The hairline between a card's header and its selector.
class OnboardingDivider : public QWidget
{
    Q_OBJECT

public:
    explicit OnboardingDivider(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
