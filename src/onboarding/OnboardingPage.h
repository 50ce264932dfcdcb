#pragma once

#include <QWidget>

class QBoxLayout;
class QVBoxLayout;
class SchemeLabel;

// One page of the flow: a column centred in the page area, whose flexible spaces above and
// below share the height left over, so the page sits in the middle of a tall window and
// scrolls in a short one. It draws the shadows of its cards before they paint themselves.
// Screen readers know it as a group named by its heading and described by its subtitle: the
// focus entering the page has them say both.
class OnboardingPage : public QWidget
{
    Q_OBJECT

public:
    explicit OnboardingPage(QWidget *parent = nullptr);

    // The page's controls in reading order, the order Tab visits them.
    virtual QList<QWidget *> focusOrder() const { return {}; }
    // Where the focus goes as the page appears: the choice of its first group, as Tab
    // enters a group of radio buttons, or its first control; null on a page without any.
    QWidget *entryControl() const;

protected:
    QVBoxLayout *column() const { return m_column; }
    // A flexible space at least `minimum` pixels high.
    void addFlexibleSpace(int minimum);
    // The page's heading: a bold title over a centred, wrapping subtitle, 6 pixels apart;
    // also the page's accessible name and description.
    void addHeading(const QString &title, const QString &subtitle);
    // Two cards side by side, 50 pixels in from the sides, 16 apart, aligned as given. Screen
    // readers read the page's children in the order they were made: make `left` first.
    void addCardRow(QWidget *left, QWidget *right, Qt::Alignment alignment);

    void paintEvent(QPaintEvent *event) override;

private:
    QVBoxLayout *m_column;
};
