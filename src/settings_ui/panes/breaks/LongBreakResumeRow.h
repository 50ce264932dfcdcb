#pragma once

#include "settings_ui/components/TileButton.h"

// One choice of what the timer does after a long break: a radio mark (filled and blue when
// selected), the choice's symbol, its title (medium when selected) over its subtitle. The
// whole padded row takes the click. Announced as a radio button named after its title.
class LongBreakResumeRow : public TileButton
{
    Q_OBJECT

public:
    struct Facts
    {
        QString value;
        QString symbol;
        QString title;
        QString subtitle;
    };

    explicit LongBreakResumeRow(const Facts &facts, QWidget *parent = nullptr);

    QString value() const { return m_facts.value; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Facts m_facts;
};
