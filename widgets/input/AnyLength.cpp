#include "widgets/input/AnyLength.h"

#include <QLineEdit>
#include <limits>

namespace velvara::widgets {

void takeAnyLength(QLineEdit& field) { field.setMaxLength(std::numeric_limits<int>::max()); }

}  // namespace velvara::widgets
