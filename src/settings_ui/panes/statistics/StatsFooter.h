#pragma once

#include "core/AppTheme.h"

#include <QColor>
#include <QWidget>

class QAbstractButton;
class QLabel;

// The foot of the statistics pane: the note that the data stays on this computer, the
// button that clears it, an orange line while what is counted cannot be saved, and, after a
// clear that left the stored history in place, a red line saying why.
class StatsFooter : public QWidget {
    Q_OBJECT

public:
    explicit StatsFooter(QWidget *parent = nullptr);

    QAbstractButton *clearButton() const { return m_clear; }
    // Shows "Statistics could not be cleared: <reason>"; an empty reason hides the line.
    void setClearError(const QString &reason);
    QString clearError() const;
    // Shows "Statistics can't be saved: <reason>"; an empty reason hides the line.
    void setSaveError(const QString &reason);
    QString saveError() const;
    // The warning colour of that line: orange, darkened further on the light ground than a
    // tint's text colour is, as small text wants a 4.5:1 contrast there.
    static QColor saveErrorColour(ColorScheme scheme);

signals:
    void clearRequested();

private:
    QAbstractButton *m_clear;
    QLabel *m_saveError;
    QLabel *m_error;
};
