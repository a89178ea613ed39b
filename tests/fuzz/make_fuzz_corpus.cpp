// Writes the fuzzing seeds (valid files of every reader) and the regression
// corpus of damaged files: every truncation of small valid files, counts and
// lengths past the end, huge counts, wrong headers and invalid UTF-8.
//   make_fuzz_corpus <folder>  ->  <folder>/seeds/<reader>/, <folder>/regression/<reader>/
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "core/files/ProjectFileFormat.h"
#include "core/files/SettingsFileFormat.h"
#include "core/files/TextExchangeFormat.h"
#include "tests/support/SampleFiles.h"

namespace fs = std::filesystem;
using namespace velvara;

namespace {

class Corpus {
 public:
  Corpus(fs::path folder) : folder_(std::move(folder)) { fs::create_directories(folder_); }
  void add(const std::string& name, const std::string& bytes) {
    std::ofstream(folder_ / name, std::ios::binary) << bytes;
  }
  void addTruncations(const std::string& name, const std::string& bytes) {
    for (std::size_t size = 0; size < bytes.size(); ++size)
      add(name + "-cut" + std::to_string(size), bytes.substr(0, size));
  }

 private:
  fs::path folder_;
};

std::string patched(std::string bytes, std::size_t at, const std::string& with) {
  return bytes.replace(at, with.size(), with);
}

std::string header(const char* name) { return std::string(name) + std::string(4, '\0'); }

const std::string kInvalidUtf8[] = {"\xC3",         "\xE2\x82", "\xF0\x9F\x98",    "\xC0\xAF",
                                    "\xED\xA0\x80", "\xFF\xFE", "\xF4\x90\x80\x80"};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_fuzz_corpus <folder>\n";
    return 2;
  }
  fs::path root = argv[1];
  auto settings = testing::sampleSettings();
  auto images = testing::sampleImages();
  core::ImageItem small;
  small.sourcePath = "/p/a.jpg";
  small.title = "a";
  std::string project = core::serializeProjectFile(settings, images);
  std::string smallProject = core::serializeProjectFile(core::GallerySettings{}, {small});
  std::string oldProject =
      testing::makeOldProjectFile(core::GallerySettings{}, {core::OldImageItem{"C:\\p\\a.jpg", "a", "", "", true, 0}});
  std::string settingsFile = core::serializeSettingsFile(settings);
  std::string text = core::formatTextExchange(images);
  std::string urls =
      "www.127.0.0.1/a\r\n  http://127.0.0.1/b  \r\n\r\nhttp:\\\\127.0.0.1\\\\c\r\nhttp://127.0.0.1/日本\r\n";

  Corpus(root / "seeds/settings_file").add("sample.vls", settingsFile);
  Corpus(root / "seeds/settings_file").add("empty.vls", core::serializeSettingsFile({}));
  Corpus projectSeeds(root / "seeds/project_file");
  projectSeeds.add("sample.vlr", project);
  projectSeeds.add("small.vlr", smallProject);
  projectSeeds.add("old.vlr", oldProject);
  Corpus(root / "seeds/text_file").add("sample.txt", text);
  Corpus(root / "seeds/url_list").add("urls.txt", urls);

  Corpus projects(root / "regression/project_file");
  projects.addTruncations("small", smallProject);
  projects.addTruncations("old", oldProject);
  for (std::string count : {std::string("\x02\0\0\0", 4), std::string("\xFF\xFF\xFF\x7F", 4),
                            std::string("\xFF\xFF\xFF\xFF", 4), std::string("\0\0\0\x80", 4)}) {
    projects.add("count-" + std::to_string(static_cast<unsigned char>(count[3])) + "-" +
                     std::to_string(static_cast<unsigned char>(count[0])),
                 patched(smallProject, 144, count));
    projects.add("old-count-" + std::to_string(static_cast<unsigned char>(count[3])) + "-" +
                     std::to_string(static_cast<unsigned char>(count[0])),
                 patched(oldProject, 144, count));
  }
  for (std::size_t at : {std::size_t{18}, std::size_t{148}, std::size_t{150}}) {
    projects.add("length-past-end-" + std::to_string(at), patched(smallProject, at, "\xFF\xFF"));
  }
  for (const char* wrong : {"VLR103", "VLR105", "vlr104", "VLR10", "GIF89a"}) {
    projects.add(std::string("header-") + wrong, patched(smallProject, 0, header(wrong)));
  }
  for (std::size_t i = 0; i < std::size(kInvalidUtf8); ++i) {
    core::ImageItem bad = small;
    bad.title = std::string(kInvalidUtf8[i].size(), 'x');
    std::string file = core::serializeProjectFile(core::GallerySettings{}, {bad});
    projects.add("invalid-utf8-" + std::to_string(i),
                 patched(file, 148 + 2 + small.sourcePath.size() + 2, kInvalidUtf8[i]));
  }

  Corpus settingsFiles(root / "regression/settings_file");
  settingsFiles.addTruncations("empty", core::serializeSettingsFile({}));
  settingsFiles.add("length-past-end", patched(core::serializeSettingsFile({}), 18, "\x7F\x00"));
  settingsFiles.add("old-header", patched(core::serializeSettingsFile({}), 0, header("VLR100")));

  Corpus texts(root / "regression/text_file");
  texts.addTruncations("small", core::formatTextExchange({small}));
  for (std::size_t i = 0; i < std::size(kInvalidUtf8); ++i) {
    texts.add("invalid-utf8-" + std::to_string(i),
              "{\r\npath=" + kInvalidUtf8[i] + "\r\ntitle=" + kInvalidUtf8[i] + "\r\n}\r\n");
  }
  texts.add("unclosed", "{\r\npath=/a.jpg\r\n{\r\npath=/b.jpg\r\n}\r\n{\r\npath=/c.jpg");
  texts.add("lone-cr-and-nul", std::string("{\rpath=/a\0b.jpg\r}\r\r\n\n", 22));

  Corpus urlFiles(root / "regression/url_list");
  urlFiles.addTruncations("urls", urls);
  for (std::size_t i = 0; i < std::size(kInvalidUtf8); ++i) {
    urlFiles.add("invalid-utf8-" + std::to_string(i), "www." + kInvalidUtf8[i] + "\r\nhttp://" + kInvalidUtf8[i]);
  }
  urlFiles.add("backslashes", "http:\\\\\\\\\\\r\nWWW.\\\\\\\r\n \t \r\n");
  return 0;
}
