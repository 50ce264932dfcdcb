#pragma once

#include <QColor>
#include <QLabel>

// A label whose text colour has a light and a dark value, taken from the window's scheme
// (SettingsPalette::schemeOf) and switched when the scheme changes. Screen readers read its
// text as they read any label's.
class SchemeLabel : public QLabel
{
    Q_OBJECT

public:
    SchemeLabel(const QString &text, const QFont &font, const QColor &light, const QColor &dark,
                QWidget *parent = nullptr);

    void setColours(const QColor &light, const QColor &dark);

protected:
    void changeEvent(QEvent *event) override;

private:
    void applyColour();

    QColor m_light;
    QColor m_dark;
    bool m_applying = false;
};
