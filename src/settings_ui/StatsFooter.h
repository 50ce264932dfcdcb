#pragma once

#include <QWidget>

class QAbstractButton;
class QLabel;

// The foot of the statistics pane: the note that the data stays on this computer, the
// button that clears it, and, after a clear that left the stored history in place, a red
// line saying why.
class StatsFooter : public QWidget {
    Q_OBJECT

public:
    explicit StatsFooter(QWidget *parent = nullptr);

    QAbstractButton *clearButton() const { return m_clear; }
    // Shows "Statistics could not be cleared: <reason>"; an empty reason hides the line.
    void setClearError(const QString &reason);
    QString clearError() const;

signals:
    void clearRequested();

private:
    QAbstractButton *m_clear;
    QLabel *m_error;
};
