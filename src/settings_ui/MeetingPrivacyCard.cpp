#include "settings_ui/MeetingPrivacyCard.h"

#include "settings_ui/NamedColors.h"
#include "settings_ui/PaneLabels.h"
#include "settings_ui/SchemeLabel.h"
#include "settings_ui/SettingsPalette.h"
#include "settings_ui/SymbolTile.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

constexpr qreal washOpacity = 0.04;
constexpr qreal borderOpacity = 0.15;
constexpr qreal borderWidth = 0.5;

} // namespace

MeetingPrivacyCard::MeetingPrivacyCard(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("meetingPrivacy"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(16, 14, 16, 14);
    row->setSpacing(12);
    row->addWidget(new SymbolTile(QStringLiteral("shield.fill"), 18, QFont::Normal, QSize(18, 18), NamedColor::green),
                   0, Qt::AlignVCenter);
    auto *texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->addWidget(PaneLabels::tinted(QStringLiteral("Privacy first"), 13, QFont::Medium, NamedColor::green));
    texts->addWidget(PaneLabels::note(QStringLiteral("Detection uses local app and audio activity. It does not "
                                                     "inspect browser tabs, windows, or their contents."),
                                      11));
    row->addLayout(texts, 1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void MeetingPrivacyCard::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor green = NamedColors::color(NamedColor::green, SettingsPalette::schemeOf(this));
    const QRectF shape = QRectF(rect()).adjusted(borderWidth / 2, borderWidth / 2, -borderWidth / 2,
                                                 -borderWidth / 2);
    QPainterPath path;
    path.addRoundedRect(shape, cornerRadius, cornerRadius);
    painter.fillPath(path, NamedColors::withOpacity(green, washOpacity));
    painter.strokePath(path, QPen(NamedColors::withOpacity(green, borderOpacity), borderWidth));
}
