#include "core/gallery/ShadowboxPackage.h"

#include <array>
#include <string_view>

#include "core/gallery/PackageFolder.h"

namespace velvara::core {

namespace {

constexpr std::string_view kGroup = "SHADOWBOX";

constexpr std::array<std::string_view, 7> kPlayers = {"shadowbox-flv.js", "shadowbox-html.js", "shadowbox-iframe.js",
                                                      "shadowbox-img.js", "shadowbox-qt.js",   "shadowbox-swf.js",
                                                      "shadowbox-wmp.js"};

constexpr std::array<std::string_view, 5> kIcons = {"close.png", "next.png", "pause.png", "play.png", "previous.png"};

std::string joinPath(const std::string& folder, std::string_view name) { return folder + "/" + std::string(name); }

}  // namespace

void writeShadowboxBinary(const std::string& fileName, const std::string& folder) {
  writeBinaryAssetIfMissing(kGroup, fileName, joinPath(folder, fileName));
}

void writeShadowboxText(Host& host, const std::string& fileName, const std::string& folder) {
  writeTextAsset(host, kGroup, fileName, joinPath(folder, fileName));
}

bool writeShadowboxFiles(Host& host, const std::string& folder, bool clearFolder) {
  if (!prepareGalleryFolder(host, folder, clearFolder)) return false;

  // Each later step makes one folder below the gallery folder and fills it;
  // a failure is reported under that folder's path and ends the whole build.
  struct Step {
    std::string_view subfolder;
    void (*fill)(Host&, const std::string&);
  };
  const std::array<Step, 9> steps = {{
      {"/src", [](Host& h, const std::string& dir) { writeShadowboxText(h, "shadowbox.js", dir); }},
      {"/src/adapter", [](Host& h, const std::string& dir) { writeShadowboxText(h, "shadowbox-base.js", dir); }},
      {"/src/lang", [](Host& h, const std::string& dir) { writeShadowboxText(h, "shadowbox-en.js", dir); }},
      {"/src/player",
       [](Host& h, const std::string& dir) {
         for (auto player : kPlayers) writeShadowboxText(h, std::string(player), dir);
       }},
      {"/src/skin", nullptr},
      {"/src/skin/classic",
       [](Host& h, const std::string& dir) {
         writeShadowboxBinary("loading.gif", dir);
         writeShadowboxBinary("icons.psd", dir);
         writeShadowboxText(h, "skin.css", dir);
         writeShadowboxText(h, "skin.js", dir);
       }},
      {"/src/skin/classic/icons",
       [](Host&, const std::string& dir) {
         for (auto icon : kIcons) writeShadowboxBinary(std::string(icon), dir);
       }},
      {"/library", nullptr},
      {"/gallery", nullptr},
  }};

  for (const auto& step : steps) {
    const std::string dir = folder + std::string(step.subfolder);
    const bool done = runPackageStep(host, dir, [&] {
      createFolderIfMissing(dir);
      if (step.fill) step.fill(host, dir);
    });
    if (!done) return false;
  }
  return true;
}

}  // namespace velvara::core
