#include "linkcheck/Classification.h"

#include <cctype>
#include <filesystem>
#include <system_error>

#include "core/helpers/KeyedCollection.h"
#include "core/helpers/Paths.h"
#include "core/helpers/Urls.h"

namespace velvara::linkcheck {
namespace {

// The helpers take only "http://" and "www." for web addresses; a link
// checker that called every "https://" link missing would be wrong about
// most of the web, so those are tested too.
bool isTestableWebAddress(const std::string& text) {
  return core::isWebAddress(text) || core::foldKeyCase(text.substr(0, 8)) == "https://";
}

// "file:///C:/a.jpg" names C:/a.jpg. Here an absolute path starts with "/",
// so "file:///home/a.jpg" keeps that slash and names /home/a.jpg.
std::string withoutFileScheme(const std::string& target) {
  if (!target.starts_with("file:///")) return target;
  const std::string rest = target.substr(8);
  const bool drive = rest.size() >= 2 && std::isalpha(static_cast<unsigned char>(rest[0])) && rest[1] == ':';
  return drive ? rest : target.substr(7);
}

// Resolved links come back in lower case, which only names the file on a
// file system that ignores case. Here a resolved path counts as existing when
// a path that differs from it only in letter case exists.
bool resolvedPathExists(const std::string& path) {
  namespace fs = std::filesystem;
  if (core::pathExists(path)) return true;
  const fs::path wanted(path);
  fs::path current = wanted.is_absolute() ? wanted.root_path() : fs::path(".");
  for (const fs::path& part : wanted.relative_path()) {
    if (part.empty() || part == ".") continue;
    std::error_code error;
    if (part == ".." || fs::exists(current / part, error)) {
      current /= part;
      continue;
    }
    const std::string folded = core::foldKeyCase(part.string());
    bool found = false;
    for (fs::directory_iterator it(current, error), end; !error && it != end; it.increment(error)) {
      if (core::foldKeyCase(it->path().filename().string()) == folded) {
        current = it->path();
        found = true;
        break;
      }
    }
    if (!found) return false;
  }
  return true;
}

}  // namespace

LinkStatus checkImageFile(const std::string& path) {
  return core::pathExists(path) ? LinkStatus::Validated : LinkStatus::ImageNotFound;
}

LinkVerdict classifyLink(const std::string& target, const std::string& baseUrl) {
  if (isTestableWebAddress(target) || core::isHtmlFile(target)) {
    std::string address = target;
    if (!isTestableWebAddress(address)) {
      if (!core::resolveRelativeUrl(baseUrl, target, address)) return {LinkStatus::RelativeNotVerified, {}};
      if (!isTestableWebAddress(address)) {
        return {resolvedPathExists(address) ? LinkStatus::Validated : LinkStatus::LinkFileNotFound, {}};
      }
    }
    if (address.ends_with('/')) address.pop_back();
    return {LinkStatus::NotVerifiedYet, address};
  }
  const std::string path = withoutFileScheme(target);
  if (core::pathExists(path)) return {LinkStatus::Validated, {}};
  std::string resolved;
  if (core::resolveRelativeUrl(baseUrl, path, resolved)) {
    if (core::isWebAddress(resolved)) return {LinkStatus::ExternalNotVerified, {}};
    if (resolvedPathExists(resolved)) return {LinkStatus::Validated, {}};
  }
  return {LinkStatus::LinkNotFound, {}};
}

}  // namespace velvara::linkcheck
