// Writes a project file (".vlr") for the browser tests, so that they can make
// galleries with the headless build driver the way a saved project would.
//
//   velvara-make-test-project SPEC OUT.vlr
//
// SPEC holds one "key=value" per line. Settings start from the program's
// defaults; the keys destFolder, webTitle, galleryStyle, columns, rows,
// addImageLinks, imageWidth and imageHeight override them. Every line
// "image=path|title|tooltip|link|linkText" adds an image as the program's
// adding command does (base name from the title, made unique, opening in a new
// window); a sixth field "_self" or "_blank" sets where its link opens.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "core/files/ProjectFileFormat.h"
#include "core/model/GallerySettings.h"
#include "core/model/ImageList.h"

namespace {

using velvara::core::GallerySettings;
using velvara::core::ImageItem;

std::vector<std::string> splitFields(const std::string& text) {
  std::vector<std::string> fields;
  std::stringstream stream(text);
  for (std::string field; std::getline(stream, field, '|');) fields.push_back(field);
  if (!text.empty() && text.back() == '|') fields.emplace_back();
  return fields;
}

// The open mode of an image's link: "_self" opens it in the same window.
bool parseOpenMode(const std::string& mode, bool& sameWindow) {
  if (mode != "_self" && mode != "_blank") return false;
  sameWindow = mode == "_self";
  return true;
}

bool applySetting(GallerySettings& settings, const std::string& key, const std::string& value) {
  if (key == "destFolder") {
    settings.destFolder = value;
  } else if (key == "webTitle") {
    settings.webTitle = value;
  } else if (key == "galleryStyle") {
    settings.galleryStyle = static_cast<std::int16_t>(std::stoi(value));
  } else if (key == "columns") {
    settings.columns = std::stoi(value);
  } else if (key == "rows") {
    settings.rows = std::stoi(value);
  } else if (key == "addImageLinks") {
    settings.addImageLinks = static_cast<std::int16_t>(std::stoi(value));
  } else if (key == "imageWidth") {
    settings.imageWidth = value;
  } else if (key == "imageHeight") {
    settings.imageHeight = value;
  } else {
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: velvara-make-test-project SPEC OUT.vlr\n";
    return 2;
  }
  std::ifstream spec(argv[1]);
  if (!spec) {
    std::cerr << "cannot read " << argv[1] << "\n";
    return 1;
  }
  GallerySettings settings;
  setDefaultSettings(settings, "Test gallery", "");
  velvara::core::ImageList list;
  std::vector<ImageItem> images;
  for (std::string line; std::getline(spec, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    const auto eq = line.find('=');
    if (eq == std::string::npos) {
      std::cerr << "not key=value: " << line << "\n";
      return 1;
    }
    const std::string key = line.substr(0, eq);
    const std::string value = line.substr(eq + 1);
    if (key == "image") {
      const auto fields = splitFields(value);
      if (fields.size() != 5 && fields.size() != 6) {
        std::cerr << "an image needs path|title|tooltip|link|linkText[|_self or _blank]: " << value << "\n";
        return 1;
      }
      ImageItem item;
      item.sourcePath = fields[0];
      item.title = fields[1];
      item.tooltip = fields[2];
      item.linkUrl = fields[3];
      item.linkText = fields[4];
      if (fields.size() == 6 && !parseOpenMode(fields[5], item.openInSameWindow)) {
        std::cerr << "an image opens its link in \"_self\" or \"_blank\": " << fields[5] << "\n";
        return 1;
      }
      item.outputBaseName = velvara::core::uniqueImageName(list, item.title);
      images.push_back(item);
      list.replaceAfterLoad(images);
    } else if (!applySetting(settings, key, value)) {
      std::cerr << "unknown key: " << key << "\n";
      return 1;
    }
  }
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out << velvara::core::serializeProjectFile(settings, images);
  out.close();
  if (!out) {
    std::cerr << "cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
