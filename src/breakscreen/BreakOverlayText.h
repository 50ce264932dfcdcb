#pragma once

#include "breakscreen/BreakTextStyle.h"

#include <QMargins>
#include <QPixmap>
#include <QTextLayout>
#include <QWidget>

#include <memory>

// One text of the break overlay: the message, the clock line, the digits of the countdown,
// the hint. Always plain text: a user's message with markup in it shows its characters as
// typed. Lines are centred; the text and its shadow are drawn once per change into a picture
// that repaints merely copy, faded by the overlay's transitions. The widget reaches past the
// text by its shadow's room: place it with setTextGeometry. Clicks pass through it. Screen
// readers read it as a label of the text it shows, while it shows.
class BreakOverlayText : public QWidget
{
    Q_OBJECT

public:
    explicit BreakOverlayText(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    // A text read otherwise (the countdown's digits, which the countdown reads as words)
    // keeps its name empty, and so tells screen readers of no change.
    void setReadByScreenReaders(bool read);
    // What screen readers read in place of the text drawn, when that is cut to fit (empty: the
    // text drawn).
    void setSpokenText(const QString &spoken);
    const BreakTextStyle &textStyle() const { return m_style; }
    void setTextStyle(const BreakTextStyle &style);
    qreal opacity() const { return m_opacity; }
    void setOpacity(qreal opacity);

    // The size of the lines themselves, in logical pixels.
    QSize textSize() const { return m_textSize; }
    // The lines of `text` as this widget sets them in `style`, centred on the widest; `size`
    // receives their size. Draw them with QTextLayout::draw at the lines' top left.
    static std::unique_ptr<QTextLayout> layOut(const QString &text, const BreakTextStyle &style,
                                               QSize *size);
    static QSize sizeOf(const QString &text, const BreakTextStyle &style);
    // Puts the lines in `textRect` (of textSize()), the shadow's room around it.
    void setTextGeometry(const QRect &textRect);
    QRect textGeometry() const { return geometry().marginsRemoved(m_margins); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void layoutLines();
    void updateAccessibleName();
    QMargins marginsFor(const BreakTextStyle &style) const;
    QPixmap renderPicture() const;

    QString m_text;
    bool m_readByScreenReaders = true;
    QString m_spoken;
    BreakTextStyle m_style;
    qreal m_opacity = 1.0;
    std::unique_ptr<QTextLayout> m_layout;
    QSize m_textSize;
    QMargins m_margins;
    QPixmap m_picture;
};
