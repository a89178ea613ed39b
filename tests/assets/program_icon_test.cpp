// The program's icon as the program carries it for its windows: a PNG at
// each size the desktop's icon theme holds, each as large as its name says.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "assets/Assets.h"

namespace velvara::assets {
namespace {

std::uint32_t bigEndian(Bytes bytes, std::size_t at) {
  return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 | std::uint32_t{bytes[at + 2]} << 8 |
         bytes[at + 3];
}

TEST(ProgramIcon, EverySizeIsASquarePngOfThatSize) {
  EXPECT_EQ(names("ICON"), (std::vector<std::string>{"16", "22", "24", "32", "48", "64", "128", "256"}));
  for (const std::string& name : names("ICON")) {
    SCOPED_TRACE(name);
    const auto png = find("ICON", name);
    ASSERT_TRUE(png);
    ASSERT_GT(png->size(), 24u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(png->data()) + 1, 3), "PNG");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(png->data()) + 12, 4), "IHDR");
    EXPECT_EQ(bigEndian(*png, 16), std::stoul(name)) << "width";
    EXPECT_EQ(bigEndian(*png, 20), std::stoul(name)) << "height";
  }
}

}  // namespace
}  // namespace velvara::assets
