#pragma once
// A thumbnail cell as a screen reader meets it: an item of a list, named as
// its owner names it, selectable, selected while its frame shows the
// selection, and focused while it holds the keyboard focus itself (a cell
// whose focus goes on to another control is not). Its frame and picture box
// are its drawing, not items of their own.
namespace velvara::widgets {

// Makes every cell reach a screen reader as above; once is enough.
void installSlideAccessibility();

}  // namespace velvara::widgets
