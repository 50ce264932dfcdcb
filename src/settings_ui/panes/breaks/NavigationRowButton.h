#pragma once

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/TileButton.h"

// A row that opens a sub-page: a small gradient tile with a white symbol, the title, an
// optional detail on the right (none when empty) and a chevron, which brightens under the
// pointer. The whole row is the hit area. Announced as a button named after its title.
class NavigationRowButton : public TileButton
{
    Q_OBJECT

public:
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
