#include "widgets/design/TabIndex.h"

#include <QVariant>
#include <QWidget>

namespace velvara::widgets {

namespace {
constexpr const char* kTabIndexProperty = "TabIndex";
}

void setTabIndex(QWidget& control, int tabIndex) { control.setProperty(kTabIndexProperty, tabIndex); }

std::optional<int> tabIndexOf(const QWidget& control) {
  const QVariant value = control.property(kTabIndexProperty);
  bool ok = false;
  const int index = value.toInt(&ok);
  if (!value.isValid() || !ok) return std::nullopt;
  return index;
}

QWidget* controlWithTabIndex(QWidget& form, int tabIndex) {
  if (tabIndex == -1) return nullptr;
  for (QWidget* control : form.findChildren<QWidget*>()) {
    if (tabIndexOf(*control) == tabIndex) return control;
  }
  return nullptr;
}

}  // namespace velvara::widgets
