#pragma once
// Classifying, normalising and joining web addresses.
#include <string>
#include <string_view>

namespace velvara::core {

bool isHtmlFile(const std::string& name);
bool isHttpUrl(const std::string& text);
bool isWwwUrl(const std::string& text);
bool isWebAddress(const std::string& text);
std::string normalizeUrl(const std::string& url);
// Joins relUrl to baseUrl; False (and result empty) when no address results.
bool resolveRelativeUrl(const std::string& baseUrl, const std::string& relUrl, std::string& result);

// A name of one of the gallery's own files for use in an address: "%", "#",
// "?", "&" (in an attribute "&copy." or "&amp;" would be read as a character)
// and control characters (an address drops line breaks and tabs) are
// percent-encoded, everything else stays as it is.
std::string galleryFileReference(std::string_view name);

}  // namespace velvara::core
