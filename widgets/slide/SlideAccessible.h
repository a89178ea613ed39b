#pragma once
// A thumbnail cell as a screen reader meets it: an item of a list, named as
// its owner names it, selectable, selected while its frame shows the
// selection, and focused while it is the current cell and the keyboard is in
// the list it lies on. Its frame and picture box are its drawing, not items
// of their own.
namespace velvara::widgets {

class usSlide;

// Makes every cell reach a screen reader as above; once is enough.
void installSlideAccessibility();

// Tells a screen reader that the cell became the current one, when the
// keyboard is in its list (as a list view reports its current item).
void announceCurrent(usSlide& cell);

}  // namespace velvara::widgets
