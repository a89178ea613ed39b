#include "linkcheck/Classification.h"

#include <cctype>
#include <filesystem>
#include <optional>
#include <system_error>

#include "core/helpers/Blanks.h"
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

// A link resolved against the base address, in two parts: the base's part,
// which the resolver hands back in lower case, and the link's own part as the
// user wrote it.
struct ResolvedLink {
  std::string base;
  std::string link;
  std::string whole() const { return base + link; }
};

std::optional<ResolvedLink> resolveLink(const std::string& baseUrl, const std::string& relUrl) {
  std::string resolved;
  if (!core::resolveRelativeUrl(baseUrl, relUrl, resolved)) return std::nullopt;
  // The resolver lower-cases the link after the same trimming; lower-casing
  // keeps every character's length, so the link's part ends the result.
  std::string link(core::trimBlanks(relUrl));
  if (!link.empty() && link.back() == '/') link.pop_back();
  while (link.starts_with("../")) link.erase(0, 3);
  return ResolvedLink{resolved.substr(0, resolved.size() - link.size()), link};
}

// The folder that the lower-cased base names on disk, found without regard
// to letter case: a base typed in another case than its folders names them
// still. Nothing when no such folder exists.
std::optional<std::filesystem::path> baseFolderOnDisk(const std::string& base) {
  namespace fs = std::filesystem;
  const fs::path wanted(base);
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
    if (!found) return std::nullopt;
  }
  return current;
}

// Whether the resolved link names a file or folder: its base without regard
// to case, the link's own part exactly as written, as on any file system
// that tells letter cases apart.
bool resolvedLinkExists(const ResolvedLink& resolved) {
  if (core::pathExists(resolved.whole())) return true;
  const auto folder = baseFolderOnDisk(resolved.base);
  return folder && core::pathExists((*folder / resolved.link).string());
}

}  // namespace

LinkStatus checkImageFile(const std::string& path) {
  return core::pathExists(path) ? LinkStatus::Validated : LinkStatus::ImageNotFound;
}

LinkVerdict classifyLink(const std::string& target, const std::string& baseUrl) {
  if (isTestableWebAddress(target) || core::isHtmlFile(target)) {
    std::string address = target;
    if (!isTestableWebAddress(address)) {
      const auto resolved = resolveLink(baseUrl, target);
      if (!resolved) return {LinkStatus::RelativeNotVerified, {}};
      address = resolved->whole();
      if (!isTestableWebAddress(address)) {
        return {resolvedLinkExists(*resolved) ? LinkStatus::Validated : LinkStatus::LinkFileNotFound, {}};
      }
    }
    if (address.ends_with('/')) address.pop_back();
    return {LinkStatus::NotVerifiedYet, address};
  }
  const std::string path = withoutFileScheme(target);
  if (core::pathExists(path)) return {LinkStatus::Validated, {}};
  if (const auto resolved = resolveLink(baseUrl, path)) {
    if (isTestableWebAddress(resolved->whole())) return {LinkStatus::ExternalNotVerified, {}};
    if (resolvedLinkExists(*resolved)) return {LinkStatus::Validated, {}};
  }
  return {LinkStatus::LinkNotFound, {}};
}

}  // namespace velvara::linkcheck
