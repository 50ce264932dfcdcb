#include "settings_ui/window/SettingsSidebarFooterView.h"

#include "core/InfoDictionary.h"
#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/window/SettingsSidebar.h"

#include <QHBoxLayout>

namespace {

constexpr qreal versionSize = 9;

// In the tertiary grey, as strong as it must be to read at 9 pixels on the sidebar's shade.
SchemeLabel *versionLabel(const QString &text)
{
    const auto colour = [](ColorScheme scheme) {
        return NamedColors::textColor(NamedColor::tertiaryLabel, scheme, SettingsSidebar::fill(scheme));
    };
    return new SchemeLabel(text, SettingsFont::font(versionSize), colour(ColorScheme::light),
                           colour(ColorScheme::dark));
}

} // namespace

SettingsSidebarFooterView::SettingsSidebarFooterView(const QVariantMap &info, QWidget *parent)
    : QWidget(parent)
    , m_version(versionLabel(versionText(info)))
{
    auto *name = new SchemeLabel(QStringLiteral("Lumenpause"), SettingsFont::font(11, QFont::DemiBold),
                                 QColor::fromRgbF(0.34f, 0.36f, 0.33f),
                                 QColor::fromRgbF(0.68f, 0.70f, 0.67f), this);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(14, 10, 14, 10);
    row->setSpacing(8);
    row->addWidget(name, 0, Qt::AlignVCenter);
    row->addStretch(1);
    row->addWidget(m_version, 0, Qt::AlignVCenter);
}

QString SettingsSidebarFooterView::versionText(const QVariantMap &info)
{
    return QStringLiteral("v")
           + readInfoPlistString(info, QStringLiteral("CFBundleShortVersionString"))
                 .value_or(QStringLiteral("Unknown"));
}

QString SettingsSidebarFooterView::shownVersion() const
{
    return m_version->text();
}
