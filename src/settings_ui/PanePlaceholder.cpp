#include "settings_ui/PanePlaceholder.h"

#include "settings_ui/SettingsFont.h"

PanePlaceholder::PanePlaceholder(const QString &title, QWidget *parent)
    : QLabel(title, parent)
{
    setFont(SettingsFont::font(20, QFont::Bold));
    setTextFormat(Qt::PlainText);
}
