#pragma once

#include "settings_ui/components/ToggleSwitch.h"
#include "settings_ui/components/ValueComboBox.h"

#include <QSignalBlocker>

// Ties a control of a pane to one property of a model (AppSettings and its kind):
// - the control is set from the model under a QSignalBlocker, so building a pane writes
//   nothing;
// - only the user's own signal (a switch turned by pointer, key or screen reader, a pick)
//   calls the model's setter, so persistence and side effects stay in the model;
// - the control follows the model's change signal, whoever changed it.
// The connections end with the control.
class SettingBinding
{
public:
    template <typename Model, typename Getter, typename Setter, typename Changed>
    static void bindSwitch(ToggleSwitch *control, Model *model, Getter getter, Setter setter,
                           Changed changed)
    {
        const auto show = [control, model, getter] {
            const QSignalBlocker block(control);
            control->setChecked(bool((model->*getter)()));
        };
        show();
        QObject::connect(control, &QAbstractButton::toggled, model,
                         [model, setter](bool checked) { (model->*setter)(checked); });
        QObject::connect(model, changed, control, show);
    }

    // `Value` is the type the model's setter takes; the picker's options hold such values.
    template <typename Value, typename Model, typename Getter, typename Setter, typename Changed>
    static void bindChoice(ValueComboBox *control, Model *model, Getter getter, Setter setter,
                           Changed changed)
    {
        const auto show = [control, model, getter] {
            const QSignalBlocker block(control);
            control->setValue(QVariant::fromValue(Value((model->*getter)())));
        };
        show();
        QObject::connect(control, &ValueComboBox::valueActivated, model,
                         [model, setter](const QVariant &value) {
                             (model->*setter)(value.value<Value>());
                         });
        QObject::connect(model, changed, control, show);
    }
};
