#include "settings_ui/components/SchemeLabel.h"

#include "settings_ui/components/SettingsPalette.h"

#include <QEvent>

SchemeLabel::SchemeLabel(const QString &text, const QFont &font, const QColor &light,
                         const QColor &dark, QWidget *parent)
    : QLabel(text, parent)
    , m_light(light)
    , m_dark(dark)
{
    setFont(font);
    setTextFormat(Qt::PlainText);
    applyColour();
}

void SchemeLabel::setColours(const QColor &light, const QColor &dark)
{
    m_light = light;
    m_dark = dark;
    applyColour();
}

void SchemeLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    // The label's own colour change comes back as a palette change; the window's does too,
    // and only that one asks for a new colour.
    if (event->type() == QEvent::PaletteChange && !m_applying)
        applyColour();
}

void SchemeLabel::applyColour()
{
    m_applying = true;
    QPalette palette = this->palette();
    // The window colour stays the inherited one, so the scheme can still be read from it.
    palette.setColor(QPalette::WindowText, SettingsPalette::isDark(this) ? m_dark : m_light);
    setPalette(palette);
    m_applying = false;
}
