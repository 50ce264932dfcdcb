#pragma once

#include <QWidget>

// The hairline between two rows of a SettingCard, kept 16 pixels off the card's sides.
class SettingsRowDivider : public QWidget
{
    Q_OBJECT

public:
    static constexpr int inset = 16;

    explicit SettingsRowDivider(QWidget *parent = nullptr);

    QSize sizeHint() const override { return {2 * inset, 1}; }

protected:
    void paintEvent(QPaintEvent *event) override;
};
