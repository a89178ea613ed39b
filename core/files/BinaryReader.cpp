#include "core/files/BinaryReader.h"

#include "core/text/Encoding.h"

namespace velvara::core {

std::span<const std::uint8_t> BinaryReader::readBytes(std::size_t count) {
  if (count > remaining()) throw MalformedFile("field runs past the end of the file");
  auto field = bytes_.subspan(position_, count);
  position_ += count;
  return field;
}

std::int32_t BinaryReader::readLong() {
  auto b = readBytes(4);
  auto value = static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
               static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
  return static_cast<std::int32_t>(value);
}

std::int16_t BinaryReader::readInteger() {
  auto b = readBytes(2);
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(b[0] | b[1] << 8));
}

std::string BinaryReader::readText() {
  // The length is read unsigned: a text of 32768 bytes or more keeps its length.
  auto b = readBytes(2);
  std::size_t length = static_cast<std::size_t>(b[0]) | static_cast<std::size_t>(b[1]) << 8;
  auto text = readBytes(length);
  return decodeFileText(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
}

}  // namespace velvara::core
