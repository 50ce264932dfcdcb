#include "support/PickerChoice.h"

#include "settings_ui/components/ValueComboBox.h"

#include <gtest/gtest.h>

void choose(ValueComboBox *picker, const QString &label)
{
    const int index = picker->findText(label);
    ASSERT_GE(index, 0) << label.toStdString();
    picker->setCurrentIndex(index);
    emit picker->activated(index);
}
