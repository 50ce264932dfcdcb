#pragma once

#include <QString>

class ValueComboBox;

// The user picks the entry of `picker` labelled `label`: it becomes current and the picker
// says it was activated. A failure when there is no such entry.
void choose(ValueComboBox *picker, const QString &label);
