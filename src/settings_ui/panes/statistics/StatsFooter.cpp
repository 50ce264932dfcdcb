#include "settings_ui/panes/statistics/StatsFooter.h"

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SymbolTile.h"
#include "settings_ui/panes/statistics/HoverSymbolButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr qreal noteSize = 10;
constexpr qreal reasonSize = 11;
// How far the light scheme's warning orange moves towards the label colour.
constexpr qreal warningDarkening = 0.5;
const QString errorPrefix = QStringLiteral("Statistics could not be cleared: ");
const QString saveErrorPrefix = QStringLiteral("Statistics can't be saved: ");

// A line that says why, as plain text: the reason comes from the file system.
QLabel *reasonLine(const QString &name, const QColor &light, const QColor &dark)
{
    QLabel *line = new SchemeLabel(QString(), SettingsFont::font(reasonSize), light, dark);
    line->setObjectName(name);
    line->setWordWrap(true);
    line->hide();
    return line;
}

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
    , m_saveError(reasonLine(QStringLiteral("saveError"), saveErrorColour(ColorScheme::light),
                             saveErrorColour(ColorScheme::dark)))
    // Red as text is drawn: on a light ground the bright red alone reads too faintly.
    , m_error(reasonLine(QStringLiteral("clearError"),
                         NamedColors::textColor(NamedColor::red, ColorScheme::light),
                         NamedColors::textColor(NamedColor::red, ColorScheme::dark)))
{
    m_clear->setObjectName(QStringLiteral("clearStatistics"));
    connect(m_clear, &QAbstractButton::clicked, this, &StatsFooter::clearRequested);

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
    stack->addWidget(m_saveError);
    stack->addWidget(m_error);
}

QColor StatsFooter::saveErrorColour(ColorScheme scheme)
{
    if (scheme == ColorScheme::dark)
        return NamedColors::textColor(NamedColor::orange, scheme);
    return NamedColors::blend(NamedColors::color(NamedColor::orange, scheme),
                              NamedColors::color(NamedColor::label, scheme), warningDarkening);
}

void StatsFooter::setSaveError(const QString &reason)
{
    m_saveError->setText(reason.isEmpty() ? QString() : saveErrorPrefix + reason);
    m_saveError->setVisible(!reason.isEmpty());
}

QString StatsFooter::saveError() const
{
    return m_saveError->text();
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
