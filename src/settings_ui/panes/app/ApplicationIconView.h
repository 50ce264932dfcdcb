#pragma once

#include <QWidget>

// The application's icon as the About pane shows it: the icon the desktop was given for the
// application, on a rounded square; while there is none, the floating notice's stand-in for
// it (the leaf on a green tile), so the pane never shows a blank. Decoration only: the name
// beneath it says whose icon it is.
class ApplicationIconView : public QWidget
{
    Q_OBJECT

public:
    ApplicationIconView(int side, qreal cornerRadius, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qreal m_cornerRadius;
};
