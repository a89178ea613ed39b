#pragma once
// Tab indexes of a form's controls, for the controls that move the focus to
// "the control with tab index n" (the numeric box's Up, Down and Enter keys).
// A form gives each control it wants to be found its index; controls without
// one are skipped by the search.
#include <optional>

class QWidget;

namespace velvara::widgets {

void setTabIndex(QWidget& control, int tabIndex);
std::optional<int> tabIndexOf(const QWidget& control);

// The first control of form, in the order the form's controls were created,
// whose tab index is tabIndex; nullptr for -1 or when no control has it.
QWidget* controlWithTabIndex(QWidget& form, int tabIndex);

}  // namespace velvara::widgets
