#pragma once
// Qt's text fields cut a longer text to 32,767 characters without a word, so
// a long title read from a project or text file would lose its end as soon
// as its field stored it again. Our fields take a text of any length; a save
// that cannot hold one says so and names it.
class QLineEdit;

namespace velvara::widgets {

// The field keeps every character it is given or the user types.
void takeAnyLength(QLineEdit& field);

}  // namespace velvara::widgets
