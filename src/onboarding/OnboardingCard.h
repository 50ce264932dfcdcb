#pragma once

#include "settings_ui/components/CachedShadow.h"

#include <QWidget>

class QVBoxLayout;

// The card that frames each group of controls on the rhythm and preferences steps: its
// content in a column padded 20 pixels, on a translucent rounded rectangle with a thin
// border. Its soft shadow falls outside its own rectangle, so the page behind it draws it
// (paintShadow) before the cards themselves are painted. A card takes the full width its
// row offers, shared equally with its neighbour.
class OnboardingCard : public QWidget
{
    Q_OBJECT

public:
    static constexpr qreal cornerRadius = 8;

    explicit OnboardingCard(int spacing, QWidget *parent = nullptr);

    QVBoxLayout *column() const { return m_column; }
    void paintShadow(QPainter &painter, QPoint topLeft);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QVBoxLayout *m_column;
    CachedShadow m_shadow;
};
