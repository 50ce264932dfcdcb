#include "settings_ui/components/PercentSlider.h"

#include "settings_ui/components/WheelToPane.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QSignalBlocker>

namespace {

class PercentSliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit PercentSliderAccessible(PercentSlider *slider)
        : QAccessibleWidget(slider, QAccessible::Slider)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return QString::number(slider()->shownPercent()) + QStringLiteral(" percent");
        return QAccessibleWidget::text(kind);
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return slider()->shownPercent(); }
    void setCurrentValue(const QVariant &value) override
    {
        slider()->setValue(slider()->positionForPercent(value.toDouble()));
    }
    QVariant maximumValue() const override { return slider()->percentRange().highest; }
    QVariant minimumValue() const override { return slider()->percentRange().lowest; }
    QVariant minimumStepSize() const override { return slider()->percentRange().step; }

private:
    PercentSlider *slider() const { return static_cast<PercentSlider *>(widget()); }
};

// Asked for each class of a widget's chain in turn, from its own up, so it answers for every
// subclass before the stock slider's interface would.
QAccessibleInterface *percentSliderFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String(PercentSlider::staticMetaObject.className()))
        return nullptr;
    auto *slider = qobject_cast<PercentSlider *>(object);
    return slider ? new PercentSliderAccessible(slider) : nullptr;
}

} // namespace

PercentSlider::PercentSlider(const QString &accessibleName, Range range, QWidget *parent)
    : QSlider(Qt::Horizontal, parent)
    , m_range(range)
    , m_shownPercent(range.lowest)
{
    static const bool installed = [] {
        QAccessible::installFactory(&percentSliderFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setSingleStep(1);
    setPageStep(2);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(accessibleName);
    WheelToPane::install(this);
}

void PercentSlider::showPercent(qint64 percent, int position)
{
    const QSignalBlocker block(this);
    m_shownPercent = percent;
    setValue(position);
    QAccessibleValueChangeEvent event(this, QVariant::fromValue(percent));
    QAccessible::updateAccessibility(&event);
}
