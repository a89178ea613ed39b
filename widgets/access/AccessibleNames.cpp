#include "widgets/access/AccessibleNames.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

namespace velvara::widgets {

void setComboBoxName(QComboBox& combo, const QString& name) {
  combo.setAccessibleName(name);
  if (QLineEdit* field = combo.lineEdit()) field->setAccessibleName(name);
  combo.view()->setAccessibleName(name);
}

}  // namespace velvara::widgets
