#include "widgets/address/AddressCombo.h"

#include <QLineEdit>

#include "widgets/input/AnyLength.h"

namespace velvara::widgets {

AddressCombo::AddressCombo(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  // Without a completer nothing is completed while typing, and only a list
  // entry equal to the text, letter case included, counts as chosen.
  setCompleter(nullptr);
  takeAnyLength(*lineEdit());
}

void AddressCombo::offer(const core::KeyedCollection<std::string>& addresses) {
  clear();
  for (const auto& [key, address] : addresses) {
    if (!address.empty()) addItem(QString::fromStdString(address));
  }
}

}  // namespace velvara::widgets
