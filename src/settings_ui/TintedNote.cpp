#include "settings_ui/TintedNote.h"

#include "settings_ui/PaneLabels.h"
#include "settings_ui/SchemeLabel.h"
#include "settings_ui/SettingsPalette.h"
#include "settings_ui/SymbolTile.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

// 16 points in the layouts, drawn larger as the tips' are (InfoTip).
constexpr int symbolSize = 18;
constexpr qreal borderOpacity = 0.15;
constexpr qreal borderWidth = 0.5;

} // namespace

TintedNote::TintedNote(const QString &symbol, const QString &title, const QString &message, NamedColor tint,
                       const Look &look, QWidget *parent)
    : QWidget(parent)
    , m_tint(tint)
    , m_washOpacity(look.washOpacity)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(16, look.verticalPadding, 16, look.verticalPadding);
    row->setSpacing(12);
    row->addWidget(new SymbolTile(symbol, symbolSize, QFont::Normal, QSize(symbolSize, symbolSize), tint), 0,
                   Qt::AlignVCenter);
    auto *texts = new QVBoxLayout;
    texts->setSpacing(look.textSpacing);
    texts->addWidget(PaneLabels::tinted(title, 13, QFont::Medium, tint));
    texts->addWidget(PaneLabels::note(message, 11));
    row->addLayout(texts, 1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void TintedNote::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor tint = NamedColors::color(m_tint, SettingsPalette::schemeOf(this));
    const QRectF shape = QRectF(rect()).adjusted(borderWidth / 2, borderWidth / 2, -borderWidth / 2,
                                                 -borderWidth / 2);
    QPainterPath path;
    path.addRoundedRect(shape, cornerRadius, cornerRadius);
    painter.fillPath(path, NamedColors::withOpacity(tint, m_washOpacity));
    painter.strokePath(path, QPen(NamedColors::withOpacity(tint, borderOpacity), borderWidth));
}
