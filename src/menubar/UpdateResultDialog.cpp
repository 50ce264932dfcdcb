#include "menubar/UpdateResultDialog.h"

#include "settings_ui/components/WindowTheme.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString headingFor(UpdateCheckResult::Status status)
{
    switch (status) {
    case UpdateCheckResult::Status::newerVersionAvailable:
        return QStringLiteral("A new version is available");
    case UpdateCheckResult::Status::upToDate: return QStringLiteral("You're up to date");
    case UpdateCheckResult::Status::feedUnreadable: return QStringLiteral("Update check failed");
    case UpdateCheckResult::Status::noUpdateFeed: return QStringLiteral("No update feed");
    }
    return QString();
}

QLabel *plainLabel(QWidget *parent, const QString &objectName)
{
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    // Texts carry versions taken from the feed: never let them render as markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

} // namespace

UpdateResultDialog::UpdateResultDialog(ThemeManager &theme, QWidget *parent, UrlOpener opener)
    : QDialog(parent)
    , m_opener(opener ? std::move(opener) : UrlOpener(&QDesktopServices::openUrl))
    , m_heading(plainLabel(this, QStringLiteral("heading")))
    , m_message(plainLabel(this, QStringLiteral("message")))
{
    setWindowTitle(QStringLiteral("Software Update"));
    setModal(false);
    QFont headingFont = m_heading->font();
    headingFont.setBold(true);
    m_heading->setFont(headingFont);

    auto *buttons = new QDialogButtonBox(this);
    m_openButton = buttons->addButton(QStringLiteral("Open Download Page"),
                                      QDialogButtonBox::AcceptRole);
    m_openButton->setObjectName(QStringLiteral("openPage"));
    // Words alone, as on the application's other dialogs: the style's close symbol is drawn
    // black, and would vanish on the dark scheme's button.
    m_closeButton = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    m_closeButton->setObjectName(QStringLiteral("close"));
    connect(m_openButton, &QPushButton::clicked, this, &UpdateResultDialog::openPage);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_message);
    layout->addWidget(buttons);
    setMinimumWidth(360);
    new WindowTheme(this, theme);
}

void UpdateResultDialog::showResult(const UpdateCheckResult &result)
{
    m_heading->setText(headingFor(result.status()));
    m_message->setText(result.message());
    m_pageUrl = result.status() == UpdateCheckResult::Status::newerVersionAvailable
        ? result.pageUrl()
        : QUrl();
    const bool offersPage = m_pageUrl.isValid() && !m_pageUrl.isEmpty();
    m_openButton->setVisible(offersPage);
    (offersPage ? m_openButton : m_closeButton)->setDefault(true);
    (offersPage ? m_closeButton : m_openButton)->setDefault(false);
    show();
    raise();
    activateWindow();
}

void UpdateResultDialog::openPage()
{
    if (!m_pageUrl.isEmpty())
        m_opener(m_pageUrl);
    accept();
}
