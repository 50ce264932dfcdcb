#pragma once

#include <QWidget>

// The hairline between two rows of a SettingCard, kept 16 pixels off the card's sides, or
// off the sides a card asks for (a header's divider running on to the trailing edge).
class SettingsRowDivider : public QWidget
{
    Q_OBJECT

public:
    static constexpr int inset = 16;

    explicit SettingsRowDivider(QWidget *parent = nullptr);
    SettingsRowDivider(int leadingInset, int trailingInset, QWidget *parent = nullptr);

    QSize sizeHint() const override { return {m_leadingInset + m_trailingInset, 1}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_leadingInset = inset;
    int m_trailingInset = inset;
};
