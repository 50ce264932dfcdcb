#pragma once

#include <QColor>
#include <QWidget>

// One of the rows at the top of the tray's menu: a symbol in the accent green, a bold line
// and a quieter line below it, wrapped when long. Sizes are fixed so the menu keeps its
// width while the texts count down.
class MenuBarRowView : public QWidget
{
    Q_OBJECT

public:
    struct Metrics
    {
        QSize size;
        int verticalPadding = 0;
        qreal symbolPointSize = 0;
    };

    // The accent of the menu's symbols.
    static QColor accentGreen();

    MenuBarRowView(const Metrics &metrics, QWidget *parent = nullptr);

    QString symbolName() const { return m_symbolName; }
    QString title() const { return m_title; }
    QString subtitle() const { return m_subtitle; }

    QSize sizeHint() const override { return m_metrics.size; }

protected:
    // Repaints only on a real change; the name read by assistive technology follows.
    void setContent(const QString &symbolName, const QString &title, const QString &subtitle);
    void paintEvent(QPaintEvent *event) override;

private:
    static constexpr int horizontalPadding = 12;
    static constexpr int symbolFrame = 24;
    static constexpr int spacing = 10;
    static constexpr int lineSpacing = 3;

    Metrics m_metrics;
    QString m_symbolName;
    QString m_title;
    QString m_subtitle;
};
