#include "settings_ui/StatsFooter.h"

#include "settings_ui/HoverSymbolButton.h"
#include "settings_ui/NamedColors.h"
#include "settings_ui/PaneLabels.h"
#include "settings_ui/SchemeLabel.h"
#include "settings_ui/SettingsFont.h"
#include "settings_ui/SymbolTile.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr qreal noteSize = 10;
const QString errorPrefix = QStringLiteral("Statistics could not be cleared: ");

QWidget *privacyNote()
{
    auto *note = new QWidget;
    auto *row = new QHBoxLayout(note);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(
        new SymbolTile(QStringLiteral("lock.shield"), 12, QFont::Medium, QSize(12, 12),
                       NamedColors::color(NamedColor::secondaryLabel, ColorScheme::light),
                       NamedColors::color(NamedColor::secondaryLabel, ColorScheme::dark)),
        0, Qt::AlignVCenter);
    QLabel *text = PaneLabels::secondary(
        QStringLiteral("Your data stays on this computer - nothing leaves your device."), noteSize,
        QFont::Medium);
    text->setObjectName(QStringLiteral("privacyNote"));
    row->addWidget(text, 0, Qt::AlignVCenter);
    return note;
}

} // namespace

StatsFooter::StatsFooter(QWidget *parent)
    : QWidget(parent)
    , m_clear(new HoverSymbolButton(QStringLiteral("trash"), NamedColor::red,
                               QStringLiteral("Clear local statistics")))
    // Red as text is drawn: on a light ground the bright red alone reads too faintly.
    , m_error(PaneLabels::tinted(QString(), 11, QFont::Normal, NamedColor::red))
{
    m_clear->setObjectName(QStringLiteral("clearStatistics"));
    connect(m_clear, &QAbstractButton::clicked, this, &StatsFooter::clearRequested);
    m_error->setObjectName(QStringLiteral("clearError"));
    m_error->setWordWrap(true);
    m_error->hide();

    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);
    row->addWidget(privacyNote(), 0, Qt::AlignVCenter);
    row->addStretch(1);
    row->addWidget(m_clear, 0, Qt::AlignVCenter);
    auto *stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(6);
    stack->addLayout(row);
    stack->addWidget(m_error);
}

void StatsFooter::setClearError(const QString &reason)
{
    m_error->setText(reason.isEmpty() ? QString() : errorPrefix + reason);
    m_error->setVisible(!reason.isEmpty());
}

QString StatsFooter::clearError() const
{
    return m_error->text();
}
