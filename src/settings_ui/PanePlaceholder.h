#pragma once

#include <QLabel>

// What a section shows until its pane is built: the pane's title, as a pane's header
// shows it.
class PanePlaceholder : public QLabel
{
    Q_OBJECT

public:
    explicit PanePlaceholder(const QString &title, QWidget *parent = nullptr);
};
