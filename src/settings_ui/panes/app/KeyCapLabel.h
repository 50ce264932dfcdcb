#pragma once

#include "settings_ui/components/SchemeLabel.h"

// The keys of a shortcut as a small cap: the key text in a monospaced face on a faint
// rounded plate with a thin border, both in the label colour at a low opacity. Read by
// screen readers as the text it shows.
class KeyCapLabel : public SchemeLabel
{
    Q_OBJECT

public:
    static constexpr qreal cornerRadius = 5;

    explicit KeyCapLabel(const QString &keys, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
