// The Lightbox package the program carries: the right third-party versions,
// our overlay script, and control images of the sizes the overlay lays out.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <string>
#include <string_view>

#include "assets/Assets.h"

namespace velvara::assets {
namespace {

constexpr std::string_view kGroup = "LIGHTBOX204";

std::string text(std::string_view name) {
  const auto bytes = find(kGroup, name);
  if (!bytes) return {};
  return {reinterpret_cast<const char*>(bytes->data()), bytes->size()};
}

unsigned little16(const std::string& data, std::size_t at) {
  return static_cast<unsigned char>(data[at]) | (static_cast<unsigned char>(data[at + 1]) << 8);
}

TEST(LightboxAssets, HoldsEveryPackageFileUnderAnyLetterCase) {
  for (const char* name : {"CLOSE", "CLOSELABEL", "NEXTLABEL", "PREVLABEL", "LOADING", "EFFECTS.JS", "BUILDER.JS",
                           "LIGHTBOX.JS", "PROTOTYPE.JS", "SCRIPTACULOUS.JS"}) {
    const auto upper = find(kGroup, name);
    ASSERT_TRUE(upper.has_value()) << name;
    EXPECT_GT(upper->size(), 100u) << name;
    std::string lower(name);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(find("lightbox204", lower).has_value()) << lower;
  }
}

TEST(LightboxAssets, ThirdPartyScriptsAreTheVersionsTheOverlayIsWrittenFor) {
  EXPECT_NE(text("prototype.js").find("Version: '1.7.3'"), std::string::npos);
  EXPECT_NE(text("scriptaculous.js").find("Version: '1.9.0'"), std::string::npos);
  EXPECT_EQ(text("effects.js").rfind("// script.aculo.us effects.js v1.9.0", 0), 0u);
  EXPECT_EQ(text("builder.js").rfind("// script.aculo.us builder.js v1.9.0", 0), 0u);
}

// lightbox.css is generated separately and styles the overlay by these ids;
// a renamed element would silently lose its style.
TEST(LightboxAssets, OverlayScriptBuildsEveryElementTheStyleSheetNames) {
  const std::string script = text("lightbox.js");
  for (const char* id : {"overlay", "lightbox", "outerImageContainer", "imageContainer", "lightboxImage", "hoverNav",
                         "prevLink", "nextLink", "loading", "imageDataContainer", "imageData", "imageDetails",
                         "caption", "numberDisplay", "bottomNavClose"}) {
    EXPECT_NE(script.find("{ id: '" + std::string(id) + "'"), std::string::npos) << id;
  }
  for (const char* image : {"images/", "'loading.gif'", "'closelabel.gif'"}) {
    EXPECT_NE(script.find(image), std::string::npos) << image;
  }
}

TEST(LightboxAssets, ControlImagesAreGifsOfTheOverlaysSizes) {
  struct Expected {
    const char* name;
    unsigned width;
    unsigned height;
  };
  for (const auto& [name, width, height] :
       {Expected{"close", 22, 22}, Expected{"closelabel", 66, 22}, Expected{"nextlabel", 63, 32},
        Expected{"prevlabel", 63, 32}, Expected{"loading", 32, 32}}) {
    const std::string gif = text(name);
    ASSERT_GE(gif.size(), 13u) << name;
    EXPECT_EQ(gif.substr(0, 6), "GIF89a") << name;
    EXPECT_EQ(little16(gif, 6), width) << name;
    EXPECT_EQ(little16(gif, 8), height) << name;
    EXPECT_EQ(gif.back(), ';') << name;
  }
}

TEST(LightboxAssets, LoadingImageIsAnEndlessAnimation) {
  const std::string gif = text("loading");
  EXPECT_NE(gif.find("NETSCAPE2.0\x03\x01\x00\x00", 0, 15), std::string::npos);
  std::size_t frames = 0;
  for (std::size_t at = gif.find("\x21\xf9\x04"); at != std::string::npos; at = gif.find("\x21\xf9\x04", at + 1)) {
    if (gif.size() > at + 8 && gif[at + 8] == '\x2c') ++frames;
  }
  EXPECT_GE(frames, 4u);
}

}  // namespace
}  // namespace velvara::assets
