#include "widgets/design/PropertyBag.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velvara::widgets {

namespace {

// Whole and fractional numbers and Booleans convert into one another, as the
// designer's store reads a value written with another numeric type.
std::optional<double> numberOf(const PropertyValue& value) {
  if (const auto* b = std::get_if<bool>(&value)) return *b ? -1.0 : 0.0;
  if (const auto* i = std::get_if<std::int32_t>(&value)) return static_cast<double>(*i);
  if (const auto* d = std::get_if<double>(&value)) return *d;
  return std::nullopt;
}

}  // namespace

PropertyBag::PropertyBag(std::initializer_list<std::pair<std::string, PropertyValue>> entries) {
  for (const auto& [name, value] : entries) {
    auto existing = std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return e.first == name; });
    if (existing != entries_.end()) {
      existing->second = value;
    } else {
      entries_.emplace_back(name, value);
    }
  }
}

const PropertyValue* PropertyBag::find(std::string_view name) const {
  auto found = std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return e.first == name; });
  return found == entries_.end() ? nullptr : &found->second;
}

bool PropertyBag::readBool(std::string_view name, bool defaultValue) const {
  const PropertyValue* value = find(name);
  if (!value) return defaultValue;
  auto number = numberOf(*value);
  return number ? *number != 0 : defaultValue;
}

std::int32_t PropertyBag::readLong(std::string_view name, std::int32_t defaultValue) const {
  const PropertyValue* value = find(name);
  if (!value) return defaultValue;
  auto number = numberOf(*value);
  if (!number || !std::isfinite(*number)) return defaultValue;
  const double rounded = std::nearbyint(*number);
  if (rounded < std::numeric_limits<std::int32_t>::min() || rounded > std::numeric_limits<std::int32_t>::max()) {
    return defaultValue;
  }
  return static_cast<std::int32_t>(rounded);
}

double PropertyBag::readDouble(std::string_view name, double defaultValue) const {
  const PropertyValue* value = find(name);
  if (!value) return defaultValue;
  return numberOf(*value).value_or(defaultValue);
}

std::string PropertyBag::readText(std::string_view name, const std::string& defaultValue) const {
  const PropertyValue* value = find(name);
  const auto* text = value ? std::get_if<std::string>(value) : nullptr;
  return text ? *text : defaultValue;
}

QFont PropertyBag::readFont(std::string_view name, const QFont& defaultValue) const {
  const PropertyValue* value = find(name);
  const auto* font = value ? std::get_if<QFont>(value) : nullptr;
  return font ? *font : defaultValue;
}

QImage PropertyBag::readPicture(std::string_view name, const QImage& defaultValue) const {
  const PropertyValue* value = find(name);
  const auto* picture = value ? std::get_if<QImage>(value) : nullptr;
  return picture ? *picture : defaultValue;
}

void PropertyBag::write(std::string_view name, const PropertyValue& value, const PropertyValue& defaultValue) {
  auto existing = std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return e.first == name; });
  if (value == defaultValue) {
    if (existing != entries_.end()) entries_.erase(existing);
    return;
  }
  if (existing != entries_.end()) {
    existing->second = value;
  } else {
    entries_.emplace_back(std::string(name), value);
  }
}

const PropertyBag& FormDesign::control(const std::string& name) const {
  static const PropertyBag empty;
  auto found = controls_.find(name);
  return found == controls_.end() ? empty : found->second;
}

}  // namespace velvara::widgets
