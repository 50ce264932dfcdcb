#pragma once

#include <QList>
#include <QPair>
#include <QWidget>

class CurveAnimation;
class OnboardingValueChoice;

// A titled row of tiles for picking one whole number: a heading (symbol and title) over
// tiles that share the row's width. The tile whose value equals the selection shows
// selected, none when no tile has it; the change of look runs under a spring. Choosing a
// tile (pointer, keyboard or screen reader) reports its value (chosen), the one already
// selected too, and writes nothing itself: the step that owns the value stores it and hands
// it back through setSelection. Screen readers know the row as a group named by its title,
// which they say as the focus enters it: "15m" alone could be any setting.
class OnboardingValueSelector : public QWidget
{
    Q_OBJECT

public:
    using Options = QList<QPair<QString, int>>; // label, value

    OnboardingValueSelector(const QString &icon, const QString &title, const Options &options,
                            QWidget *parent = nullptr);

    // Each tile's objectName is "<field>:<value>", naming it for automation.
    void setFieldName(const QString &field);
    int selection() const { return m_selection; }
    void setSelection(int value);
    // Dimmed to a third and deaf to clicks (while long breaks are off), or back, over the
    // row's ease-out.
    void setDimmed(bool dimmed);
    bool isDimmed() const { return m_dimmed; }
    const QList<OnboardingValueChoice *> &tiles() const { return m_tiles; }

signals:
    void chosen(int value);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void applyOpacity(qreal opacity);

    QString m_icon;
    QString m_title;
    Options m_options;
    QList<OnboardingValueChoice *> m_tiles;
    int m_selection;
    qreal m_opacity = 1;
    bool m_dimmed = false;
    CurveAnimation *m_dimming;
};
