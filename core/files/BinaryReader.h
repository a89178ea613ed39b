#pragma once
// Reads the little-endian fields of the program's binary files from a buffer
// that holds the whole file. Every read is checked against the end: a field
// that would run past it throws MalformedFile, so a damaged file is refused
// as a whole instead of being read from memory that is not there.
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

namespace velvara::core {

class MalformedFile : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class BinaryReader {
 public:
  explicit BinaryReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::int32_t readLong();
  std::int16_t readInteger();
  // Booleans are Integers; any value but 0 counts as True.
  bool readBoolean() { return readInteger() != 0; }
  // A 2-byte length and that many bytes, decoded into UTF-8.
  std::string readText();
  std::span<const std::uint8_t> readBytes(std::size_t count);

  std::size_t remaining() const { return bytes_.size() - position_; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

}  // namespace velvara::core
