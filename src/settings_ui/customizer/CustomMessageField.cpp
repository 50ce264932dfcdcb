#include "settings_ui/customizer/CustomMessageField.h"

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SettingsPalette.h"
#include "core/TextLimit.h"

#include <QPainter>
#include <QPainterPath>
#include <QSignalBlocker>

#include <algorithm>

namespace {

const QString placeholder = QStringLiteral("Your message...");

} // namespace

CustomMessageField::CustomMessageField(QWidget *parent)
    : QLineEdit(parent)
{
    setObjectName(QStringLiteral("break.customMessage"));
    setPlaceholderText(placeholder);
    setAccessibleName(placeholder);
    setFont(SettingsFont::font(textSize));
    setFrame(false);
    setTextMargins(padding - 2, padding, padding - 2, padding);
    // The rounded fill is ours: the line edit's own base stays clear over it, whatever
    // palette the window's theme passes down.
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::transparent);
    setPalette(colours);
    connect(this, &QLineEdit::textChanged, this, &CustomMessageField::onTextChanged);
}

void CustomMessageField::setMessage(const QString &message)
{
    m_accepted = message;
    if (message == text())
        return;
    const QSignalBlocker quiet(this);
    setText(message);
    // A text shown from the settings reads from its start; one being typed keeps its cursor.
    if (!hasFocus())
        setCursorPosition(0);
}

void CustomMessageField::onTextChanged(const QString &changed)
{
    QString accepted = changed;
    if (!TextLimit::onlyRemoves(m_accepted, changed))
        accepted = TextLimit::cut(changed, maxCharacters);
    if (accepted.size() != changed.size()) {
        const int cursor = std::min(cursorPosition(), int(accepted.size()));
        const QSignalBlocker quiet(this);
        setText(accepted);
        setCursorPosition(cursor);
    }
    m_accepted = accepted;
    emit edited(accepted);
}

void CustomMessageField::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor primary = NamedColors::color(NamedColor::label, SettingsPalette::schemeOf(this));
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius, cornerRadius);
        painter.fillPath(shape, NamedColors::withOpacity(primary, 0.04));
        painter.strokePath(shape, QPen(NamedColors::withOpacity(primary, 0.08), 1));
    }
    QLineEdit::paintEvent(event);
}
