#pragma once

#include "settings_ui/components/SchemeLabel.h"

// The orange "Paused" mark beside the sidebar's "BREAKS" header, with a pause symbol before
// the word; its hover text says where break reminders are resumed. Read as the text
// "Paused" with that help as its description.
class PausedBadge : public SchemeLabel
{
    Q_OBJECT

public:
    explicit PausedBadge(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
