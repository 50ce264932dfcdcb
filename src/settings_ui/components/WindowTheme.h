#pragma once

#include "core/AppTheme.h"

#include <QObject>

class QWidget;
class ThemeManager;

// Dresses one of our windows: the Fusion style on every widget of its tree, those added
// later included, and our palette for the scheme in effect, switched as the user's theme or,
// under "System", the desktop changes; the menus, drop-down lists and tool tips it opens
// take that scheme too. A widget's style does not pass to its children the way a palette
// does, hence the watch on the tree. Lives as long as its root widget.
class WindowTheme : public QObject
{
    Q_OBJECT

public:
    WindowTheme(QWidget *root, ThemeManager &theme);

    ColorScheme scheme() const { return m_scheme; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void adopt(QWidget *widget);
    void applyScheme(ColorScheme scheme);

    QWidget *m_root;
    ColorScheme m_scheme;
};
