#pragma once
// A combo box reaches a screen reader in three parts: the box, the field the
// user types into (when it is editable) and the list it opens. Each gets the
// same name, so that whichever has the focus is read as what it is.
#include <QString>

class QComboBox;

namespace velvara::widgets {

void setComboBoxName(QComboBox& combo, const QString& name);

}  // namespace velvara::widgets
