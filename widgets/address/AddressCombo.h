#pragma once
// The combo box in which the user types a web address or picks a remembered
// one (the edit panel's link box, the URL dialog). Its list offers the
// remembered addresses; what is typed stays exactly as typed. Qt's editable
// combo box would complete typed text from the list and, when the field is
// left, put a list entry that matches it without regard to case in its
// place: a link to "page.html" would be stored as a remembered "Page.HTML",
// or "http://e.test/long" as a remembered longer address.
#include <QComboBox>
#include <string>

#include "core/helpers/KeyedCollection.h"

namespace velvara::widgets {

class AddressCombo : public QComboBox {
  Q_OBJECT

 public:
  explicit AddressCombo(QWidget* parent = nullptr);

  // The list: every remembered address that is not empty, in the order
  // they were remembered.
  void offer(const core::KeyedCollection<std::string>& addresses);
};

}  // namespace velvara::widgets
