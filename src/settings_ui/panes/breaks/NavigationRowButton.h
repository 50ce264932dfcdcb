#pragma once

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/TileButton.h"

#include <QMargins>

// A row that opens a sub-page: a small gradient tile with a white symbol, the title, an
// optional detail on the right (none when empty) and a chevron, which brightens under the
// pointer. The whole row, its margins included, is the hit area; the margins keep the focus
// ring along its edge off the tile and the chevron. Announced as a button named after its
// title.
class NavigationRowButton : public TileButton
{
    Q_OBJECT

public:
    // Room around the content for the focus ring and a gap; the row's padding beyond it is
    // its holder's.
    static constexpr QMargins ringRoom{8, 4, 8, 4};

    NavigationRowButton(const QString &symbol, NamedColor symbolColour, const QString &title,
                        const QString &detail, QWidget *parent = nullptr);

    QString title() const { return text(); }
    QString detail() const { return m_detail; }
    void setDetail(const QString &detail);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_symbol;
    NamedColor m_symbolColour;
    QString m_detail;
};
