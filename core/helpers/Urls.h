#pragma once
// Classifying, normalising and joining web addresses.
#include <string>

namespace velvara::core {

bool isHtmlFile(const std::string& name);
bool isHttpUrl(const std::string& text);
bool isWwwUrl(const std::string& text);
bool isWebAddress(const std::string& text);
std::string normalizeUrl(const std::string& url);
// Joins relUrl to baseUrl; False (and result empty) when no address results.
bool resolveRelativeUrl(const std::string& baseUrl, const std::string& relUrl, std::string& result);

}  // namespace velvara::core
