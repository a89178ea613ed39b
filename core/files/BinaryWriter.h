#pragma once
// Builds the bytes of the program's binary files in memory: little-endian
// Longs and Integers, texts as a 2-byte length and their bytes.
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace velvara::core {

// A text whose file form would not fit a 2-byte length. The record writers
// say which text it is: the added string that names its field, and for an
// image record the image's index in the list.
class TextTooLong : public std::length_error {
 public:
  using std::length_error::length_error;

  int fieldNameId = 0;
  // The field's number among the reserved texts of its record, from 1;
  // 0 for a field that has a name of its own.
  int reservedNumber = 0;
  std::optional<std::size_t> imageIndex;
};

class BinaryWriter {
 public:
  void writeLong(std::int32_t value);
  void writeInteger(std::int16_t value);
  // True = -1, False = 0.
  void writeBoolean(bool value) { writeInteger(value ? -1 : 0); }
  // Encodes the UTF-8 text for the file; throws TextTooLong past 65535 bytes.
  void writeText(std::string_view utf8);
  void writeBytes(std::span<const std::uint8_t> bytes);

  std::string take() { return std::move(bytes_); }

 private:
  std::string bytes_;
};

}  // namespace velvara::core
