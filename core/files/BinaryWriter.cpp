#include "core/files/BinaryWriter.h"

#include "core/text/Encoding.h"

namespace velvara::core {

void BinaryWriter::writeLong(std::int32_t value) {
  auto v = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) bytes_ += static_cast<char>((v >> shift) & 0xFF);
}

void BinaryWriter::writeInteger(std::int16_t value) {
  auto v = static_cast<std::uint16_t>(value);
  bytes_ += static_cast<char>(v & 0xFF);
  bytes_ += static_cast<char>(v >> 8);
}

void BinaryWriter::writeText(std::string_view utf8) {
  std::string encoded = encodeFileText(utf8);
  if (encoded.size() > 0xFFFF) throw TextTooLong("a text is longer than a file record can hold");
  writeInteger(static_cast<std::int16_t>(static_cast<std::uint16_t>(encoded.size())));
  bytes_ += encoded;
}

void BinaryWriter::writeBytes(std::span<const std::uint8_t> bytes) {
  bytes_.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

}  // namespace velvara::core
