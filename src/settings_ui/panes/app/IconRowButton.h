#pragma once

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/TileButton.h"

#include <QFont>
#include <QMargins>

// A whole card row that acts as one button: a white symbol on a small tile of the row's
// colour, the title (over a subtitle when it has one), and at the trailing edge an optional
// outward mark or short text. The padded row is the hit area. Disabled it is drawn at 60 %
// opacity. Announced as a button named after its title, described by its subtitle or its
// trailing text.
class IconRowButton : public TileButton
{
    Q_OBJECT

public:
    IconRowButton(const QString &symbol, NamedColor tint, const QString &title, const QMargins &padding,
                  QWidget *parent = nullptr);

    QString title() const { return text(); }
    void setTitle(const QString &title);
    void setTitleWeight(QFont::Weight weight);
    QString subtitle() const { return m_subtitle; }
    void setSubtitle(const QString &subtitle);
    // A symbol at the trailing edge in the tertiary label colour; empty for none.
    void setTrailingSymbol(const QString &symbol);
    QString trailingText() const { return m_trailingText; }
    // A short text at the trailing edge in `colour`; empty for none.
    void setTrailingText(const QString &text, NamedColor colour);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    qreal trailingWidth() const;
    void paintTexts(QPainter &painter, const QRectF &area, ColorScheme scheme) const;
    void paintTrailing(QPainter &painter, qreal right, ColorScheme scheme) const;
    void describe();

    QString m_symbol;
    NamedColor m_tint;
    QMargins m_padding;
    QFont::Weight m_titleWeight = QFont::Normal;
    QString m_subtitle;
    QString m_trailingSymbol;
    QString m_trailingText;
    NamedColor m_trailingColour = NamedColor::tertiaryLabel;
};
