#include "settings_ui/panes/app/AboutDetailView.h"

#include "core/Clock.h"
#include "core/InfoDictionary.h"
#include "core/UpdateCoordinator.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/PaneParts.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingCard.h"
#include "settings_ui/components/SettingsRowDivider.h"
#include "settings_ui/panes/app/ApplicationIconView.h"
#include "settings_ui/panes/app/IconRowButton.h"
#include "settings_ui/window/ContentServices.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QVBoxLayout>

namespace {

constexpr int iconSide = 64;
constexpr qreal iconCornerRadius = 14;
const QMargins linkPadding(16, 10, 16, 10);
const QString versionKey = QStringLiteral("CFBundleShortVersionString");

} // namespace

QWidget *AboutDetailView::make(const ContentServices &services)
{
    return new AboutDetailView(services);
}

AboutDetailView::AboutDetailView(const ContentServices &services, QWidget *parent)
    : QWidget(parent)
    , m_clock(*services.clock)
    , m_appServices(services.appServices)
    , m_openUrl(services.openUrl)
    , m_info(services.info)
{
    setObjectName(QStringLiteral("pane:About"));
    QVBoxLayout *column = PaneParts::column(this);
    column->addWidget(buildHeaderCard());
    column->addWidget(buildLinksCard());
    SchemeLabel *footer = PaneLabels::tertiary(QStringLiteral("Built for people who forget to step away."), 11);
    footer->setAlignment(Qt::AlignHCenter);
    footer->setContentsMargins(0, 8, 0, 0);
    column->addWidget(footer);
    column->addStretch(1);
}

QUrl AboutDetailView::homePage()
{
    return QUrl(QStringLiteral("https://lumenpause.example/"));
}

QUrl AboutDetailView::contactPage()
{
    return QUrl(QStringLiteral("https://lumenpause.example/contact"));
}

QUrl AboutDetailView::feedbackPage()
{
    return QUrl(QStringLiteral("https://lumenpause.example/feedback"));
}

QString AboutDetailView::shareText()
{
    return QStringLiteral("Lumenpause for Linux \u2014 break reminders that respect your flow. ")
           + homePage().toString();
}

QWidget *AboutDetailView::buildHeaderCard()
{
    const QVariantMap info = m_info.value_or(QVariantMap());
    const QString name = m_info ? resolveAppDisplayName(info) : resolveAppDisplayName();
    const std::optional<QString> version = m_info ? readInfoPlistString(info, versionKey)
                                                  : readInfoPlistString(versionKey);
    auto *content = new QWidget;
    auto *stack = new QVBoxLayout(content);
    stack->setContentsMargins(0, 16, 0, 16);
    stack->setSpacing(14);
    stack->addWidget(new ApplicationIconView(iconSide, iconCornerRadius), 0, Qt::AlignHCenter);
    auto *names = new QVBoxLayout;
    names->setSpacing(3);
    SchemeLabel *title = PaneLabels::primary(name, 16, QFont::DemiBold);
    title->setObjectName(QStringLiteral("appName"));
    names->addWidget(title, 0, Qt::AlignHCenter);
    SchemeLabel *versionLabel =
        PaneLabels::secondary(QStringLiteral("Version ") + version.value_or(QStringLiteral("Unknown")), 11);
    versionLabel->setObjectName(QStringLiteral("version"));
    names->addWidget(versionLabel, 0, Qt::AlignHCenter);
    stack->addLayout(names);
    stack->addWidget(PaneLabels::tertiary(QStringLiteral("Lumen pause. Not your keyboard."), 12), 0,
                     Qt::AlignHCenter);
    auto *card = new SettingCard;
    card->addRow(content);
    return card;
}

QWidget *AboutDetailView::buildLinksCard()
{
    auto *card = new SettingCard;
    auto *updates = linkRow(QStringLiteral("checkForUpdates"), QStringLiteral("arrow.triangle.2.circlepath"),
                            NamedColor::blue, QStringLiteral("Check for Updates"));
    connect(updates, &QAbstractButton::clicked, this, &AboutDetailView::checkForUpdates);
    auto *bug = linkRow(QStringLiteral("reportBug"), QStringLiteral("ladybug"), NamedColor::red,
                        QStringLiteral("Report a Bug"));
    connect(bug, &QAbstractButton::clicked, this, [this] { openPage(feedbackPage()); });
    auto *website = linkRow(QStringLiteral("website"), QStringLiteral("globe"), NamedColor::blue,
                            QStringLiteral("Website"));
    website->setTrailingSymbol(QStringLiteral("arrow.up.right"));
    connect(website, &QAbstractButton::clicked, this, [this] { openPage(homePage()); });
    auto *contact = linkRow(QStringLiteral("contact"), QStringLiteral("envelope"), NamedColor::green,
                            QStringLiteral("Contact"));
    contact->setTrailingSymbol(QStringLiteral("arrow.up.right"));
    connect(contact, &QAbstractButton::clicked, this, [this] { openPage(contactPage()); });
    m_shareRow = linkRow(QStringLiteral("share"), QStringLiteral("square.and.arrow.up"), NamedColor::green,
                         QStringLiteral("Share Lumenpause"));
    connect(m_shareRow, &QAbstractButton::clicked, this, &AboutDetailView::share);
    setShowCopied(false);
    const QList<IconRowButton *> rows = {updates, bug, website, contact, m_shareRow};
    for (IconRowButton *row : rows) {
        if (row != rows.first())
            card->addRow(new SettingsRowDivider);
        card->addRow(row);
    }
    return card;
}

IconRowButton *AboutDetailView::linkRow(const QString &name, const QString &symbol, NamedColor tint,
                                        const QString &title)
{
    auto *row = new IconRowButton(symbol, tint, title, linkPadding);
    row->setObjectName(name);
    return row;
}

void AboutDetailView::openPage(const QUrl &page)
{
    if (!page.isValid())
        return;
    if (m_openUrl)
        m_openUrl(page);
    else
        QDesktopServices::openUrl(page);
}

void AboutDetailView::checkForUpdates()
{
    // Whether anything is checked, and what the person sees of it, is the update service's
    // business and the application's result dialog's, as for the tray menu's command.
    UpdateCoordinator::shared().checkForUpdates(*m_appServices);
}

void AboutDetailView::share()
{
    // setText replaces whatever the clipboard held, so it holds the share text alone.
    QGuiApplication::clipboard()->setText(shareText());
    setShowCopied(true);
    m_copiedResets.push_back(m_clock.schedule(copiedSeconds, false, [this] {
        setShowCopied(false);
        m_copiedResets.clear();
    }));
}

void AboutDetailView::setShowCopied(bool shown)
{
    m_showCopied = shown;
    if (shown)
        m_shareRow->setTrailingText(QStringLiteral("Copied!"), NamedColor::blue);
    else
        m_shareRow->setTrailingText(QStringLiteral("Copy link"), NamedColor::tertiaryLabel);
}

void AboutDetailView::hideEvent(QHideEvent *event)
{
    // Nothing waits on the clock behind a hidden window; the mark would be stale by the time
    // the window is back anyway.
    m_copiedResets.clear();
    if (m_showCopied)
        setShowCopied(false);
    QWidget::hideEvent(event);
}
