#include "core/helpers/Urls.h"

#include <gtest/gtest.h>

namespace velvara::core {
namespace {

TEST(UrlKinds, HtmlFilesByTheirLastFourOrFiveCharacters) {
  EXPECT_TRUE(isHtmlFile("INDEX.HTM"));
  EXPECT_TRUE(isHtmlFile("a.Html"));
  EXPECT_TRUE(isHtmlFile(".htm"));
  EXPECT_FALSE(isHtmlFile("page.shtml"));
  EXPECT_FALSE(isHtmlFile("a.htmlx"));
  EXPECT_FALSE(isHtmlFile("htm"));
  EXPECT_FALSE(isHtmlFile(""));
}

TEST(UrlKinds, WebAddressesStartWithHttpOrWwwInAnyCase) {
  EXPECT_TRUE(isWebAddress("HTTP://HOST/"));
  EXPECT_TRUE(isWebAddress("WWW.HOST.TEST"));
  EXPECT_TRUE(isWebAddress("http://"));
  EXPECT_FALSE(isWebAddress("https://host/"));
  EXPECT_FALSE(isWebAddress("ftp://host/"));
  EXPECT_FALSE(isWebAddress("http:/host"));
  EXPECT_FALSE(isWebAddress("www"));
  EXPECT_FALSE(isWebAddress(""));
  EXPECT_TRUE(isHttpUrl("Http://x"));
  EXPECT_FALSE(isHttpUrl("www.x"));
  EXPECT_TRUE(isWwwUrl("wWw.x"));
  EXPECT_FALSE(isWwwUrl("http://www.x"));
}

TEST(NormalizeUrl, AddsTheSchemeAndMendsDoubledBackslashesInWebAddressesOnly) {
  struct Case {
    const char* url;
    const char* normalized;
  };
  const Case cases[] = {
      {"www.Host.test/A", "http://www.Host.test/A"},
      {"WWW.HOST.TEST", "http://WWW.HOST.TEST"},
      {"http:\\\\host\\\\a\\b", "http://host//a\\b"},
      {"HTTP:\\\\\\host", "HTTP://\\host"},  // pairs are taken from the left
      {"C:\\\\photos\\\\a.jpg", "C:\\\\photos\\\\a.jpg"},
      {"https:\\\\host", "https:\\\\host"},
      {" www.host", " www.host"},  // blanks are not trimmed
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.url);
    EXPECT_EQ(normalizeUrl(c.url), c.normalized);
  }
}

TEST(ResolveRelativeUrl, JoinsLinksToTheBaseFolder) {
  struct Case {
    const char* base;
    const char* rel;
    bool resolved;
    const char* result;
  };
  const Case cases[] = {
      {"http://host/gallery/", "../other/x.html", true, "http://host/other/x.html"},
      {"http://host/a", "../../x.html", true, "http://x.html"},  // every part consumed, prefix stays
      {"http://host/a", "../../../x.html", false, ""},
      {"C:\\Gallery", "pic.JPG", true, "c:\\gallery/pic.jpg"},
      {"C:\\Gallery", "../pic.jpg", false, ""},
      {"/a/b", "x", true, "/a/b/x"},  // a leading "/" keeps the base whole
      {"/a/b", "../x", false, ""},
      {"  HTTP://Host/Gallery/Index  ", " Pics/A.JPG/ ", true, "http://host/gallery/index/pics/a.jpg"},
      {"www.Host.test/a/", "b.html", true, "http://www.host.test/a/b.html"},
      {"www.host.test", "../x", true, "http://x"},
      {"http://host//a", "../x", true, "http://host//x"},  // empty pieces count as parts
      {"relative/folder", "x.htm", true, "relative/folder/x.htm"},
      {"http://Host/CAF\u00C9/", "\u00C9T\u00C9.JPG", true, "http://host/caf\u00E9/\u00E9t\u00E9.jpg"},
      {"", "x", false, ""},
      {"http://host/", "", false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.base) + " + " + c.rel);
    std::string result = "stale";
    EXPECT_EQ(resolveRelativeUrl(c.base, c.rel, result), c.resolved);
    EXPECT_EQ(result, c.result);
  }
}

}  // namespace
}  // namespace velvara::core
