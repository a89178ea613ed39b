#pragma once
// Names a screen reader reads for the parts Qt makes of a control.
#include <QString>

class QComboBox;
class QTabBar;

namespace velvara::widgets {

// A combo box reaches a screen reader in three parts: the box, the field the
// user types into (when it is editable) and the list it opens. Each gets the
// same name, so that whichever has the focus is read as what it is.
void setComboBoxName(QComboBox& combo, const QString& name);

// Qt names the buttons that scroll a tab bar in its language of the moment
// when it makes them; from now on they are named again in Qt's language
// whenever that changes.
void followLanguageInScrollButtons(QTabBar& tabs);

}  // namespace velvara::widgets
