#pragma once

#include <QLineEdit>

// The name field of the planned-break sheets: plain text on a faint capsule, 150 pixels
// wide, taking at most 200 characters whether typed or pasted (the scheduler keeps the
// first 80 of the trimmed name). Its outline turns red while its error shows. Return does
// nothing here: it neither saves nor closes the sheet.
class PlannedBreakNameField : public QLineEdit
{
    Q_OBJECT

public:
    static constexpr int fieldWidth = 150;
    static constexpr int maximumCharacters = 200;

    explicit PlannedBreakNameField(const QString &placeholder, QWidget *parent = nullptr);

    bool showsError() const { return m_error; }
    void setShowsError(bool error);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_error = false;
};
