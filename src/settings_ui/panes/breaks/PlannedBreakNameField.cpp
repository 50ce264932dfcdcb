#include "settings_ui/panes/breaks/PlannedBreakNameField.h"

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SettingsPalette.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int horizontalPadding = 8;
constexpr int verticalPadding = 5;

} // namespace

PlannedBreakNameField::PlannedBreakNameField(const QString &placeholder, QWidget *parent)
    : QLineEdit(parent)
{
    setObjectName(QStringLiteral("name"));
    setAccessibleName(QStringLiteral("Name"));
    setPlaceholderText(placeholder);
    setFont(SettingsFont::font(13, QFont::Medium));
    setFrame(false);
    setMaxLength(maximumCharacters);
    setTextMargins(horizontalPadding, verticalPadding, horizontalPadding, verticalPadding);
    setFixedWidth(fieldWidth);
    // The capsule is painted under the text; the field itself draws no ground.
    QPalette clear = palette();
    clear.setColor(QPalette::Base, Qt::transparent);
    setPalette(clear);
}

void PlannedBreakNameField::setShowsError(bool error)
{
    if (error == m_error)
        return;
    m_error = error;
    update();
}

QSize PlannedBreakNameField::sizeHint() const
{
    return QSize(fieldWidth, QFontMetrics(font()).height() + 2 * verticalPadding + 2);
}

void PlannedBreakNameField::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const ColorScheme scheme = SettingsPalette::schemeOf(this);
        const QRectF shape = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        QPainterPath capsule;
        capsule.addRoundedRect(shape, shape.height() / 2, shape.height() / 2);
        painter.fillPath(capsule, NamedColors::withOpacity(NamedColors::color(NamedColor::label, scheme), 0.05));
        QColor border = m_error ? NamedColors::color(NamedColor::red, scheme) : QColor(Qt::transparent);
        if (!m_error && hasFocus())
            border = SettingsPalette::focusRing(scheme);
        painter.strokePath(capsule, QPen(border, 1));
    }
    QLineEdit::paintEvent(event);
}
