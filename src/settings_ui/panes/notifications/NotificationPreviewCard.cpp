#include "settings_ui/panes/notifications/NotificationPreviewCard.h"

#include "core/AppSettings.h"
#include "menubar/HUDPresenter.h"
#include "menubar/ReminderQueue.h"
#include "settings_ui/components/PaneRows.h"
#include "settings_ui/components/SettingsRowDivider.h"
#include "settings_ui/components/SymbolGlyphs.h"
#include "settings_ui/components/ValueComboBox.h"
#include "settings_ui/panes/notifications/NotificationPreview.h"
#include "settings_ui/panes/notifications/NotificationPreviewBox.h"
#include "settings_ui/panes/notifications/TintedButton.h"

#include <QBoxLayout>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include <iterator>

namespace {

constexpr int pickerWidth = 180;
constexpr int iconSide = 16;

struct TypeOption
{
    const char *label;
    const char *symbol;
    const char *value;
};

constexpr TypeOption typeOptions[] = {
    {"Break reminder", "leaf.fill", "break"},
    {"Typing health", "hand.raised.fill", "typing"},
    {"Posture", "figure.stand", "posture"},
    {"Blink", "eye.fill", "blink"},
};

// A menu's symbols are grey, which reads on the light and the dark menu alike.
QIcon symbolIcon(const QString &symbol)
{
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        QPixmap pixmap(QSize(iconSide, iconSide) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        SymbolGlyphs::paint(painter, symbol, QPointF(iconSide / 2.0, iconSide / 2.0), 13, QFont::Medium,
                            NamedColors::color(NamedColor::gray, ColorScheme::light));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QWidget *padded(QWidget *content, const QMargins &margins)
{
    QBoxLayout *layout = nullptr;
    QWidget *row = PaneRows::row(margins, 0, &layout);
    layout->addWidget(content);
    return row;
}

} // namespace

NotificationPreviewCard::NotificationPreviewCard(AppSettings &settings, ServiceRef<ReminderQueue> reminders,
                                                 ServiceRef<HUDPresenter> hud, const QString &type,
                                                 QWidget *parent)
    : SettingCard(parent)
    , m_settings(settings)
    , m_reminders(reminders)
    , m_hud(hud)
    , m_type(type)
{
    addRow(buildTypeRow());
    addRow(new SettingsRowDivider);
    m_box = new NotificationPreviewBox(currentLook());
    addRow(padded(m_box, QMargins(16, 12, 16, 12)));
    addRow(new SettingsRowDivider);
    addRow(buildButtonRow());
    connect(&settings, &AppSettings::hudStyleChanged, this, &NotificationPreviewCard::showLook);
    connect(&settings, &AppSettings::showCountdownInHUDChanged, this, &NotificationPreviewCard::showLook);
    connect(&settings, &AppSettings::headsUpSecondsChanged, this, &NotificationPreviewCard::showLook);
}

QWidget *NotificationPreviewCard::buildTypeRow()
{
    QList<ValueComboBox::Option> options;
    for (const TypeOption &option : typeOptions)
        options.append({QLatin1String(option.label), QString::fromLatin1(option.value)});
    m_picker = new ValueComboBox(options, pickerWidth);
    m_picker->setObjectName(QStringLiteral("notificationType"));
    for (int index = 0; index < int(std::size(typeOptions)); ++index)
        m_picker->setItemIcon(index, symbolIcon(QLatin1String(typeOptions[index].symbol)));
    m_picker->setValue(m_type);
    connect(m_picker, &ValueComboBox::valueActivated, this, [this](const QVariant &value) {
        m_type = value.toString();
        showLook();
        emit typeChosen(m_type);
    });
    return PaneRows::withControl(QStringLiteral("Notification type"), 13, m_picker, QMargins(16, 10, 16, 10));
}

QWidget *NotificationPreviewCard::buildButtonRow()
{
    auto *button = new TintedButton(QStringLiteral("play.fill"), QStringLiteral("Preview Notification"),
                                    NamedColor::blue);
    button->setObjectName(QStringLiteral("previewNotification"));
    connect(button, &QAbstractButton::clicked, this,
            [this] { NotificationPreview::present(m_type, m_settings, *m_reminders, *m_hud); });
    QBoxLayout *layout = nullptr;
    QWidget *row = PaneRows::row(QMargins(16, 12, 16, 12), 0, &layout);
    layout->addStretch(1);
    layout->addWidget(button);
    layout->addStretch(1);
    return row;
}

NotificationPreviewBox::Look NotificationPreviewCard::currentLook() const
{
    return {m_type, m_settings.hudStyle(), m_settings.showCountdownInHUD(),
            NotificationPreview::effectiveLeadTime(m_settings.headsUpSeconds())};
}

void NotificationPreviewCard::showLook()
{
    m_box->setLook(currentLook());
}
