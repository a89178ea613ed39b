#pragma once
// A folder of its own for one test, removed with everything in it afterwards.
#include <filesystem>
#include <string>
#include <vector>

namespace velvara::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The path of name inside the folder, as text.
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  // The names of the files and folders directly in the folder, sorted.
  std::vector<std::string> names() const;

 private:
  std::filesystem::path path_;
};

}  // namespace velvara::testing
