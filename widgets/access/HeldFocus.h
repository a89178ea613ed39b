#pragma once
// Qt reports a widget focused to a screen reader also when its focus goes on
// to another widget (its focus proxy), so a chain of such widgets all read as
// focused. One whose focus goes on is marked here to report itself focused
// only while it holds the keyboard focus itself.
class QWidget;

namespace velvara::widgets {

// From now on a screen reader reads widget as focused only while it holds
// the focus itself. Before anything has asked for the widget's accessibility.
void reportFocusOnlyWhileHeld(QWidget& widget);

}  // namespace velvara::widgets
