#pragma once
// Designed property values of controls, as a form designer would store them
// with each control it places.
//
// A control reads its stored values back when its form loads, each entry by
// name with the default that a missing entry takes, and writes them in the
// same order when it is saved, leaving out every entry equal to its default.
// Forms declare their controls' designed values in one table per form:
//
//   // In the form's own file, next to its layout:
//   const widgets::FormDesign& settingsDesign() {
//     static const widgets::FormDesign design{
//         {"usThumbWidth", {{"Min", 10.0}, {"Max", 1000.0}, {"UpDownVisible", true},
//                           {"UpDownInc", 10.0}, {"AfterString", "px"}}},
//         {"usColumns", {{"Min", 1.0}, {"Max", 50.0}}},
//     };
//     return design;
//   }
//   ...
//   auto* box = usNumericBox::fromDesign(settingsDesign(), "usThumbWidth", strings, prompts, this);
//
// Only the entries that differ from the control's defaults need to be listed;
// the control's own header lists its entries, their types and defaults. A
// number may be given as a whole number or with a fraction; the reader takes
// it in the entry's own type.
#include <QFont>
#include <QImage>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace velvara::widgets {

// One stored value: a Boolean, a whole number (16 or 32 bits), a number with
// a fraction, a text, a font or a picture.
using PropertyValue = std::variant<bool, std::int32_t, double, std::string, QFont, QImage>;

class PropertyBag {
 public:
  PropertyBag() = default;
  PropertyBag(std::initializer_list<std::pair<std::string, PropertyValue>> entries);

  // The stored value of name in the entry's type, or defaultValue when the
  // bag holds no such entry or one of a kind that does not convert.
  bool readBool(std::string_view name, bool defaultValue) const;
  std::int32_t readLong(std::string_view name, std::int32_t defaultValue) const;
  double readDouble(std::string_view name, double defaultValue) const;
  std::string readText(std::string_view name, const std::string& defaultValue) const;
  QFont readFont(std::string_view name, const QFont& defaultValue) const;
  QImage readPicture(std::string_view name, const QImage& defaultValue) const;

  // Stores value under name, replacing an earlier entry, unless it equals
  // defaultValue: then the entry is removed, so the bag holds only what
  // differs from the defaults.
  void write(std::string_view name, const PropertyValue& value, const PropertyValue& defaultValue);

  // The stored entries in the order they were first written.
  const std::vector<std::pair<std::string, PropertyValue>>& entries() const { return entries_; }
  const PropertyValue* find(std::string_view name) const;

 private:
  std::vector<std::pair<std::string, PropertyValue>> entries_;
};

// One form's designed values, control by control, keyed by the control's
// design name ("usPicInRow", "lblColor_17").
class FormDesign {
 public:
  FormDesign(std::initializer_list<std::pair<const std::string, PropertyBag>> controls) : controls_(controls) {}

  // The control's stored values; an empty bag (every entry at its default)
  // when the form stores nothing for it.
  const PropertyBag& control(const std::string& name) const;

 private:
  std::map<std::string, PropertyBag> controls_;
};

}  // namespace velvara::widgets
