#include "core/gallery/GalleryCells.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/support/TempDir.h"

namespace velvara::core {
namespace {

GallerySettings cellSettings() {
  GallerySettings settings;
  settings.titleAlign = "center";
  settings.imageWidth = "750";
  settings.imageHeight = "500";
  return settings;
}

CellArguments cell(const std::string& link, const std::string& linkText = "", const std::string& target = "_blank") {
  CellArguments c;
  c.title = "Sunset";
  c.alt = "Sunset";
  c.link = link;
  c.linkText = linkText;
  c.tooltip = "Evening";
  c.thumb = "thumbs/IMG_01.jpg";
  c.photo = "photos/IMG_01.jpg";
  c.target = target;
  c.fileName = "IMG_01.JPG";
  return c;
}

// Character references decoded once, as a browser decodes an attribute value.
std::string decodeReferences(const std::string& text) {
  static const std::map<std::string, std::string> named = {{"amp", "&"}, {"quot", "\""}, {"lt", "<"}, {"gt", ">"}};
  std::string out;
  for (std::string::size_type i = 0; i < text.size(); ++i) {
    const auto end = text.find(';', i);
    if (text[i] != '&' || end == std::string::npos) {
      out += text[i];
      continue;
    }
    const std::string name = text.substr(i + 1, end - i - 1);
    if (named.count(name)) {
      out += named.at(name);
    } else if (name.size() > 1 && name[0] == '#') {
      const bool hex = name[1] == 'x' || name[1] == 'X';
      out += static_cast<char>(std::stoi(name.substr(hex ? 2 : 1), nullptr, hex ? 16 : 10));
    } else {
      out += text[i];
      continue;
    }
    i = end;
  }
  return out;
}

// The attributes of the tag that starts at markup[at], read the way a
// browser's tokenizer reads them: names in order, values decoded.
struct Tag {
  std::vector<std::string> names;
  std::map<std::string, std::string> values;
};

Tag tagAt(const std::string& markup, std::string::size_type at) {
  Tag tag;
  std::string::size_type i = markup.find_first_of(" >", at);
  while (i < markup.size() && markup[i] != '>') {
    if (markup[i] == ' ') {
      ++i;
      continue;
    }
    const auto nameEnd = markup.find_first_of(" =>", i);
    const std::string name = markup.substr(i, nameEnd - i);
    i = nameEnd;
    std::string value;
    if (i < markup.size() && markup[i] == '=') {
      const char quote = markup[i + 1];
      const auto valueStart = quote == '\'' || quote == '"' ? i + 2 : i + 1;
      const auto valueEnd =
          quote == '\'' || quote == '"' ? markup.find(quote, valueStart) : markup.find_first_of(" >", valueStart);
      value = decodeReferences(markup.substr(valueStart, valueEnd - valueStart));
      i = quote == '\'' || quote == '"' ? valueEnd + 1 : valueEnd;
    }
    tag.names.push_back(name);
    tag.values[name] = value;
  }
  return tag;
}

TEST(LinkSubstitution, ReplacesFromTheSlashPercentOnWithTheFileName) {
  EXPECT_EQ(substituteLink("pictures/big/%", "IMG_01.JPG"), "pictures/big/IMG_01.JPG");
  EXPECT_EQ(substituteLink("folder/%x.html", "IMG_01.JPG"), "folder/IMG_01.JPG");
  EXPECT_EQ(substituteLink("a/%/b/%", "IMG_01.JPG"), "a/IMG_01.JPG");
  EXPECT_EQ(substituteLink("page.html?x=5%20", "IMG_01.JPG"), "page.html?x=5%20");
  EXPECT_EQ(substituteLink("", "IMG_01.JPG"), "");
}

TEST(LinkCell, WritesSixLinesWithTheSubstitutedLink) {
  PageLines lines;
  writeCellLink(lines, cellSettings(), cell("http://example.test/big/%", "ignored", "_self"));
  const PageLines expected = {
      "<!-- Image:Sunset -->",
      "<td class='tdImg'>",
      "<a href='http://example.test/big/IMG_01.JPG' target='_self'>",
      "<img class='eImage' alt=\"Sunset\" title=\"Evening\" src=\"thumbs/IMG_01.jpg\"></a>",
      "<p align=center><font class='tdTitle'>Sunset</font></p>",
      "</td>",
  };
  EXPECT_EQ(lines, expected);
}

TEST(LinkCell, WritesNothingWithoutALink) {
  PageLines lines;
  writeCellLink(lines, cellSettings(), cell(""));
  EXPECT_TRUE(lines.empty());
}

TEST(LightboxCell, WithoutLinkHasNoInnerLink) {
  PageLines lines;
  writeCellLightbox(lines, cellSettings(), cell("", "More"));
  const PageLines expected = {
      "<!-- Image:Sunset -->",
      "<td class='tdImg'>",
      "<a href='photos/IMG_01.jpg' rel='lightbox[id0]' title=\"Sunset\">",
      "<img class='eImage' alt=\"Sunset\" title=\"Evening\" src=\"thumbs/IMG_01.jpg\"></a>",
      "<p align=center><font class='tdTitle'>Sunset</font></p>",
      "</td>",
  };
  EXPECT_EQ(lines, expected);
}

TEST(LightboxCell, LinkWithoutTextShowsArrowsInTitleAndCaption) {
  PageLines lines;
  writeCellLightbox(lines, cellSettings(), cell("site/%", ""));
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[2],
            "<a href='photos/IMG_01.jpg' rel='lightbox[id0]' title=\"Sunset <a class='linkDevalVr' "
            "href='site/IMG_01.JPG' target='_blank'>&amp;gt;&amp;gt;</a>\">");
  EXPECT_EQ(lines[4],
            "<p align=center><font class='tdTitle'>Sunset <a class='linkDevalVr' href='site/IMG_01.JPG' "
            "target='_blank'>&gt;&gt;</a></font></p>");
}

TEST(LightboxCell, LinkTextIsShown) {
  PageLines lines;
  writeCellLightbox(lines, cellSettings(), cell("http://example.test/", "Visit", "_self"));
  EXPECT_EQ(lines[4],
            "<p align=center><font class='tdTitle'>Sunset <a class='linkDevalVr' href='http://example.test/' "
            "target='_self'>Visit</a></font></p>");
}

TEST(LightboxCell, QuotesCannotEndTheirAttributes) {
  CellArguments c = cell("it's.html", "say \"hi\"");
  c.title = "A \"big\" <b>day</b>";
  c.alt = c.title;
  c.tooltip = "Bob's";
  PageLines lines;
  writeCellLightbox(lines, cellSettings(), c);
  EXPECT_EQ(lines[0], "<!-- Image:A \"big\" <b>day</b> -->");
  EXPECT_EQ(lines[2],
            "<a href='photos/IMG_01.jpg' rel='lightbox[id0]' title=\"A &quot;big&quot; <b>day</b> <a "
            "class='linkDevalVr' href='it&amp;#39;s.html' target='_blank'>say &quot;hi&quot;</a>\">");
  EXPECT_EQ(lines[3],
            "<img class='eImage' alt=\"A &quot;big&quot; <b>day</b>\" title=\"Bob's\" src=\"thumbs/IMG_01.jpg\"></a>");
  EXPECT_EQ(lines[4],
            "<p align=center><font class='tdTitle'>A \"big\" <b>day</b> <a class='linkDevalVr' "
            "href='it&#39;s.html' target='_blank'>say \"hi\"</a></font></p>");
}

// Every cell opens with a comment that holds the title: "--" there could end
// the comment early ("-->", "--!>") and show the rest of it on the page. The
// title on the page stays as typed, and a title without "--" is written
// unchanged into the comment too.
TEST(Cells, ATitleCannotEndTheCommentOfItsCell) {
  const struct {
    const char* title;
    const char* comment;
  } cases[] = {{"a --> b", "<!-- Image:a - -> b -->"},
               {"x --!> y <!-- z", "<!-- Image:x - -!> y <!- - z -->"},
               {"---", "<!-- Image:- - - -->"},
               {"A - B -", "<!-- Image:A - B - -->"}};
  using Writer = void (*)(PageLines&, const GallerySettings&, const CellArguments&);
  for (const Writer write : {Writer{writeCellLink}, Writer{writeCellLightbox}, Writer{writeCellShadowbox}}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(c.title);
      CellArguments arguments = cell("page.html");
      arguments.title = c.title;
      PageLines lines;
      write(lines, cellSettings(), arguments);
      ASSERT_EQ(lines.size(), 6u);
      EXPECT_EQ(lines[0], c.comment);
      EXPECT_NE(lines[4].find(std::string("'tdTitle'>") + c.title), std::string::npos) << lines[4];
    }
  }
}

// The overlay takes the title attribute, which the browser has decoded once,
// and parses it as markup again: that markup must be the cell's own title
// line, and no text of a field may add an attribute at either level.
TEST(LightboxCell, CaptionMarkupIsTheTitleLineAtBothLevels) {
  const struct {
    const char* title;
    const char* link;
  } cases[] = {
      {"Sunset", "http://e.test/it&#39; onmouseover=&#39;alert(1)"},
      {"Sunset", "it' onmouseover='x"},
      {"Sunset", "a&amp;#39; b=&amp;#39;c"},
      {"Sunset", "x\" onclick=\"y"},
      {"Tom &amp; Jerry &lt;3", "q?a=1&b=2&#x27; c=&#x27;d"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.link);
    CellArguments arguments = cell(c.link, "More");
    arguments.title = c.title;
    PageLines lines;
    writeCellLightbox(lines, cellSettings(), arguments);
    Tag outer = tagAt(lines[2], 0);
    EXPECT_EQ(outer.names, (std::vector<std::string>{"href", "rel", "title"}));
    const std::string caption = outer.values["title"];
    const std::string titleLine = lines[4];
    const auto lineStart = titleLine.find("'tdTitle'>") + 10;
    EXPECT_EQ(caption, titleLine.substr(lineStart, titleLine.rfind("</font>") - lineStart));
    Tag inner = tagAt(caption, caption.find("<a"));
    EXPECT_EQ(inner.names, (std::vector<std::string>{"class", "href", "target"}));
    EXPECT_EQ(inner.values["href"], decodeReferences(c.link));
  }
}

TEST(ShadowboxCell, EmptyLinkOpensTheLargeImageWithSizePart) {
  PageLines lines;
  writeCellShadowbox(lines, cellSettings(), cell("", "", "_self"));
  const PageLines expected = {
      "<!-- Image:Sunset -->",
      "<td class='tdImg'>",
      "<a rel=\"shadowbox[vlr];width=750;height=500 "
      "options={counterType:'skip',continuous:true,animSequence:'sync'}\" class=\"option\" title=\"Evening\" "
      "href='photos/IMG_01.jpg'>",
      "<img class='eImage' src=\"thumbs/IMG_01.jpg\" alt=\"Sunset\" title=\"Evening\"></a>",
      "<p align=center><font class='tdTitle'>Sunset</font></p>",
      "</td>",
  };
  EXPECT_EQ(lines, expected);
}

TEST(ShadowboxCell, BlankTargetHasNoSizePart) {
  PageLines lines;
  writeCellShadowbox(lines, cellSettings(), cell("http://example.test/x", "", "_blank"));
  EXPECT_EQ(lines[2],
            "<a rel=\"shadowbox[vlr]; options={counterType:'skip',continuous:true,animSequence:'sync'}\" "
            "class=\"option\" title=\"Evening\" href='http://example.test/x'>");
}

TEST(ShadowboxCell, ExistingLocalFileLinksToItsGalleryCopy) {
  testing::TempDir dir;
  const std::string pdf = dir.file("plan #1.pdf");
  const std::string page = dir.file("page.html");
  for (const auto& path : {pdf, page}) std::fclose(std::fopen(path.c_str(), "w"));
  const std::string missing = dir.file("gone.pdf");

  const auto hrefOf = [](const std::string& link) {
    PageLines lines;
    writeCellShadowbox(lines, cellSettings(), cell(link));
    const auto at = lines[2].find("href='");
    return lines[2].substr(at + 6, lines[2].size() - at - 8);
  };
  EXPECT_EQ(hrefOf(pdf), "gallery/plan %231.pdf");
  EXPECT_EQ(hrefOf(missing), missing);
  EXPECT_EQ(hrefOf(page), page);
}

TEST(PagingCell, PagesOneTwoAndThreeOfThree) {
  PageLines first;
  writePagingCell(first, 1, 3);
  EXPECT_EQ(first, (PageLines{
                       "<td id='pagingCell'>",
                       "<span class=\"titlePages\">Pages:</span>",
                       "<span class=\"currentPage\">1</span>",
                       "<a href=\"vlr1.html\" class=\"otherPage\">2</a>",
                       "<a href=\"vlr2.html\" class=\"otherPage\">3</a>",
                       "<a id='linkNext' href='vlr1.html'>Next&nbsp;&raquo;</a>",
                       "</td>",
                       "</tr>",
                   }));
  PageLines second;
  writePagingCell(second, 2, 3);
  EXPECT_EQ(second, (PageLines{
                        "<td id='pagingCell'>",
                        "<span class=\"titlePages\">Pages:</span>",
                        "<a id='linkPrev' href='vlr.html'>&laquo;&nbsp;Prev</a>",
                        "<a href=\"vlr.html\" class=\"otherPage\">1</a>",
                        "<span class=\"currentPage\">2</span>",
                        "<a href=\"vlr2.html\" class=\"otherPage\">3</a>",
                        "<a id='linkNext' href='vlr2.html'>Next&nbsp;&raquo;</a>",
                        "</td>",
                        "</tr>",
                    }));
  PageLines third;
  writePagingCell(third, 3, 3);
  EXPECT_EQ(third, (PageLines{
                       "<td id='pagingCell'>",
                       "<span class=\"titlePages\">Pages:</span>",
                       "<a id='linkPrev' href='vlr1.html'>&laquo;&nbsp;Prev</a>",
                       "<a href=\"vlr.html\" class=\"otherPage\">1</a>",
                       "<a href=\"vlr1.html\" class=\"otherPage\">2</a>",
                       "<span class=\"currentPage\">3</span>",
                       "</td>",
                       "</tr>",
                   }));
}

}  // namespace
}  // namespace velvara::core
