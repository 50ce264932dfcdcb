#pragma once

#include <QComboBox>
#include <QList>
#include <QVariant>

// The menu picker of the settings panes: a list of (label, stored value) options at a fixed
// width, widened when the desktop's font would cut the longest label. It shows the option of
// the value it is given, or none (index -1) while that value matches no option, and it
// writes nothing by itself: it reports the user's choice through valueActivated, also when
// the user picks the option already shown, since that may be what makes a value of no option
// a real one. The mouse wheel scrolls the pane instead of changing the choice. Screen readers
// see it as ValueComboBoxAccessible describes.
class ValueComboBox : public QComboBox
{
    Q_OBJECT

public:
    struct Option
    {
        QString label;
        QVariant value;
    };

    ValueComboBox(const QList<Option> &options, int width, QWidget *parent = nullptr);

    // Options labelled with each number and its unit ("5 min"), each storing the number times
    // `scale` (5 min stored as 300 seconds).
    static QList<Option> numbered(const QList<qint64> &numbers, const QString &unit, qint64 scale = 1);

    // Shows the option holding `value`, or none; emits nothing the model would hear.
    void setValue(const QVariant &value);
    // The shown option's value; invalid while none is shown.
    QVariant value() const;
    int preferredWidth() const { return m_preferredWidth; }

    bool isListOpen() const;
    // What Return on an entry of the open list does: shows that entry, closes the list and
    // reports the choice.
    void pick(int index);

signals:
    void valueActivated(const QVariant &value);

protected:
    void changeEvent(QEvent *event) override;

private:
    void updateWidth();

    int m_preferredWidth;
};
