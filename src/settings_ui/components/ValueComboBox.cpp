#include "settings_ui/components/ValueComboBox.h"

#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/ValueComboBoxAccessible.h"
#include "settings_ui/components/WheelToPane.h"

#include <QAbstractItemView>
#include <QEvent>

#include <algorithm>

QList<ValueComboBox::Option> ValueComboBox::numbered(const QList<qint64> &numbers, const QString &unit, qint64 scale)
{
    QList<Option> options;
    for (const qint64 number : numbers)
        options.append({QString::number(number) + unit, QVariant::fromValue(number * scale)});
    return options;
}

ValueComboBox::ValueComboBox(const QList<Option> &options, int width, QWidget *parent)
    : QComboBox(parent)
    , m_preferredWidth(width)
{
    ValueComboBoxAccessible::install();
    setFont(SettingsFont::font(SettingsFont::bodySize));
    for (const Option &option : options)
        addItem(option.label, option.value);
    setCurrentIndex(-1);
    setFocusPolicy(Qt::StrongFocus);
    WheelToPane::install(this);
    connect(this, &QComboBox::activated, this,
            [this](int index) { emit valueActivated(itemData(index)); });
    updateWidth();
}

void ValueComboBox::setValue(const QVariant &value)
{
    setCurrentIndex(findData(value));
}

QVariant ValueComboBox::value() const
{
    return currentIndex() < 0 ? QVariant() : currentData();
}

bool ValueComboBox::isListOpen() const
{
    return view()->isVisible();
}

void ValueComboBox::pick(int index)
{
    if (index < 0 || index >= count())
        return;
    setCurrentIndex(index);
    hidePopup();
    emit activated(index);
}

void ValueComboBox::changeEvent(QEvent *event)
{
    QComboBox::changeEvent(event);
    // The window's style and font arrive after construction; the width follows them.
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange)
        updateWidth();
}

void ValueComboBox::updateWidth()
{
    const SizeAdjustPolicy policy = sizeAdjustPolicy();
    // The size hint of the longest label, arrow and frame included.
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    const int needed = sizeHint().width();
    setSizeAdjustPolicy(policy);
    setFixedWidth(std::max(m_preferredWidth, needed));
}
