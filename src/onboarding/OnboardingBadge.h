#pragma once

#include <QWidget>

// The round symbol badge of the flow's cards, switch rows and rhythm preview: a circle of
// the accent green at a low opacity with the symbol on top in full green, optionally ringed
// by a thin line inside its edge.
class OnboardingBadge : public QWidget
{
    Q_OBJECT

public:
    struct Style
    {
        qreal symbolSize;
        qreal fillDark;   // opacity of the green fill on the dark scheme
        qreal fillLight;  // and on the light one
        qreal ringDark = 0;
        qreal ringLight = 0;
    };
    static constexpr int side = 36;

    OnboardingBadge(const QString &symbol, const Style &style, QWidget *parent = nullptr);

    // A card header's badge and a switch row's.
    static Style headerStyle() { return {13, 0.11, 0.13}; }
    static Style toggleStyle() { return {12, 0.1, 0.12}; }
    static Style previewStyle() { return {14, 0.11, 0.13, 0.24, 0.28}; }

    // Paints a badge centred at `centre`, for views that draw their own.
    static void paint(QPainter &painter, QPointF centre, const QString &symbol, const Style &style,
                      bool dark);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_symbol;
    Style m_style;
};
