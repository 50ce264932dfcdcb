#pragma once

#include "onboarding/OnboardingModeOption.h"

#include <QWidget>

class OnboardingModeChoice;

// A column of rows for picking one mode by its text value. The row whose value equals the
// selection shows selected, none for a value of no option; the change runs under a spring.
// Choosing a row (pointer, keyboard or screen reader) reports its value (chosen) and writes
// nothing itself. Screen readers know the column as a group under its accessible name, the
// question it answers, which they say as the focus enters it.
class OnboardingModeSelector : public QWidget
{
    Q_OBJECT

public:
    explicit OnboardingModeSelector(const OnboardingModeOptions &options, QWidget *parent = nullptr);

    // Each row's objectName is "<field>:<value>".
    void setFieldName(const QString &field);
    QString selection() const { return m_selection; }
    void setSelection(const QString &value);
    const QList<OnboardingModeChoice *> &rows() const { return m_rows; }

signals:
    void chosen(const QString &value);

private:
    QList<OnboardingModeChoice *> m_rows;
    QString m_selection;
};
