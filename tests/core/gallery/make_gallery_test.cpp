#include "core/gallery/MakeGallery.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/gallery/GalleryPages.h"
#include "core/model/ProductInfo.h"
#include "tests/support/FakeHost.h"
#include "tests/support/TempDir.h"

namespace velvara::core {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

Lines crlfLines(const fs::path& path) {
  const std::string text = readFile(path);
  Lines lines;
  std::string::size_type start = 0;
  for (auto end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  EXPECT_EQ(start, text.size()) << path << ": the last line is not ended by CR LF";
  return lines;
}

Lines concat(std::initializer_list<Lines> parts) {
  Lines all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

const Lines kHeadStart = {
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">",
    "<html>",
    "<head>",
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-8859-1\">",
    "<title>Image Gallery</title>",
    "<meta name=\"generator\" content=\"Oren Talvik: Velvara\">",
    "",
    "<!--Include this rows in your header: START-->",
};
const Lines kLightboxBlock = {
    "<script type=\"text/javascript\" src=\"prototype.js\"></script>",
    "<script type=\"text/javascript\" src=\"scriptaculous.js?load=effects,builder\"></script>",
    "<script type=\"text/javascript\" src=\"lightbox.js\"></script>",
    "<link rel=\"stylesheet\" href=\"lightbox.css\" type=\"text/css\" media=\"screen\">",
};
const Lines kShadowboxBlock = {
    "<script type=\"text/javascript\" src=\"src/skin/classic/skin.js\"></script>",
    "<!-- To use Shadowbox in standalone mode, you only need to include the base adapter-->",
    "<script type=\"text/javascript\" src=\"src/adapter/shadowbox-base.js\"></script>",
    "<script type=\"text/javascript\" src=\"src/shadowbox.js\"></script>",
    "<script type=\"text/javascript\">",
    "Shadowbox.loadSkin('classic', 'src/skin'); // use the  'classic' skin",
    "Shadowbox.loadLanguage('en', 'src/lang'); // use the English language",
    "Shadowbox.loadPlayer(['flv', 'html', 'iframe', 'img', 'qt', 'swf', 'wmp'], 'src/player');",
    "window.onload = function()",
    "{Shadowbox.init();};",
    "</script>",
};
const Lines kSheetLink = {"<link rel=\"stylesheet\" href=\"library/ktvlr.css\" type=\"text/css\">"};
const Lines kHeadEnd = {"<!--Include this rows in your header: END-->", "</head>", "", "<body>"};

// The footer as this build writes it: a link only when the build names the
// product's home page (none by default).
Lines footer(int columns) {
  const std::string homePage = productHomePage();
  return {"<tr>",
          "<td id='pnCell' colspan='" + std::to_string(columns) + "'>",
          homePage.empty() ? "<span class='pn'>Created using Velvara</span>"
                           : "<a class='pn' href='" + homePage + "'>Created using Velvara</a>",
          "</td>",
          "</tr>",
          "</table>",
          "</div>",
          "<!-- Gallery END -->",
          "</body>",
          "</html>"};
}

TEST(PageHead, EachStyleHasItsBlockAndAnUnknownStyleNone) {
  const auto head = [](std::int16_t style) {
    PageLines lines;
    writePageHead(lines, style);
    return lines;
  };
  EXPECT_EQ(head(0), concat({kHeadStart, kLightboxBlock, kSheetLink, kHeadEnd}));
  EXPECT_EQ(head(1), concat({kHeadStart, kShadowboxBlock, kSheetLink, kHeadEnd}));
  EXPECT_EQ(head(2), concat({kHeadStart, kSheetLink, kHeadEnd}));
  EXPECT_EQ(head(3), concat({kHeadStart, kHeadEnd}));
}

TEST(PageFooter, TheTextLinksToTheHomePageOnlyWhenThereIsOne) {
  GallerySettings settings;
  settings.columns = 3;
  PageLines withHomePage;
  writeFooter(withHomePage, settings, "https://home.test/velvara/");
  PageLines without;
  writeFooter(without, settings, "");
  ASSERT_EQ(withHomePage.size(), 10u);
  EXPECT_EQ(withHomePage[1], "<td id='pnCell' colspan='3'>");
  EXPECT_EQ(withHomePage[2], "<a class='pn' href='https://home.test/velvara/'>Created using Velvara</a>");
  EXPECT_EQ(without[2], "<span class='pn'>Created using Velvara</span>");
  without[2] = withHomePage[2];
  EXPECT_EQ(without, withHomePage) << "only the text's line differs";
}

TEST(PageNames, CountsAndNames) {
  EXPECT_EQ(pageCount(4, 4), 1);
  EXPECT_EQ(pageCount(8, 4), 2);
  EXPECT_EQ(pageCount(9, 4), 3);
  EXPECT_EQ(pageCount(400, 400), 1);
  EXPECT_EQ(pageName(1, 1), "index.html");
  EXPECT_EQ(pageName(1, 3), "vlr.html");
  EXPECT_EQ(pageName(2, 3), "vlr1.html");
  EXPECT_EQ(pageName(3, 3), "vlr2.html");
}

class MakeGallery : public ::testing::Test {
 protected:
  MakeGallery() {
    setDefaultSettings(project.settings, "My Gallery", dir.path().string());
    project.settings.destFolder = dest.string();
  }

  void addImages(int count) {
    for (int i = 1; i <= count; ++i) {
      ImageItem image;
      image.sourcePath = "/photos/IMG_0" + std::to_string(i) + ".JPG";
      image.title = "Title " + std::to_string(i);
      image.tooltip = "Tip " + std::to_string(i);
      image.linkUrl = "http://example.test/" + std::to_string(i) + "/%";
      image.linkText = "Link " + std::to_string(i);
      image.outputBaseName = "IMG_0" + std::to_string(i);
      items.push_back(image);
    }
    project.images.replaceAfterLoad(items);
  }

  bool build(bool htmlOnly = true) { return makeGallery(host, project, library, dataFolder, htmlOnly); }

  Lines lightboxCell(int i, bool withLink) const {
    const std::string n = std::to_string(i);
    const std::string inner = withLink ? " <a class='linkDevalVr' href='http://example.test/" + n + "/IMG_0" + n +
                                             ".JPG' target='_blank'>Link " + n + "</a>"
                                       : "";
    return {
        "<!-- Image:Title " + n + " -->",
        "<td class='tdImg'>",
        "<a href='photos/IMG_0" + n + ".jpg' rel='lightbox[id0]' title=\"Title " + n + inner + "\">",
        "<img class='eImage' alt=\"Title " + n + "\" title=\"Tip " + n + "\" src=\"thumbs/IMG_0" + n + ".jpg\"></a>",
        "<p align=center><font class='tdTitle'>Title " + n + inner + "</font></p>",
        "</td>"};
  }

  Lines topBlock(const std::string& columns, const Lines& parent, const Lines& nameRowEnd) const {
    return concat({{"<!--Gallery START-->", "<div id='divVLR'>",
                    "<table id=\"tblThumbsLayout\" cellpadding=\"10\" cellspacing=\"5\">", "<tr>",
                    "<td id='topCell' colspan='" + columns + "'>"},
                   parent,
                   {"<table id='tblGalleryName' cellpadding=0 cellspacing=0 border=0 width=\"100%\">", "<tr>",
                    "<td id='galleryNameCell'>My Gallery</td>"},
                   nameRowEnd,
                   {"</table>", "</td>", "</tr>"}});
  }

  testing::TempDir dir;
  fs::path dest = dir.path() / "web";
  std::string dataFolder = (dir.path() / "data").string();
  testing::FakeHost host;
  Project project;
  ImageLibrary library;
  std::vector<ImageItem> items;
};

TEST_F(MakeGallery, OnePageLightboxGalleryLineByLine) {
  addImages(2);
  project.settings.addImageLinks = 1;
  ASSERT_TRUE(build());

  const Lines expected = concat({kHeadStart,
                                 kLightboxBlock,
                                 kSheetLink,
                                 kHeadEnd,
                                 topBlock("4", {}, {"</tr>"}),
                                 {"<tr>"},
                                 lightboxCell(1, true),
                                 lightboxCell(2, true),
                                 {"</tr>"},
                                 footer(4)});
  EXPECT_EQ(crlfLines(dest / "index.html"), expected);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(host.captions, (Lines{"Creating web folder...", "Image:/photos/IMG_01.JPG", "Image:/photos/IMG_02.JPG"}));
  EXPECT_EQ(host.captionRestores, 1);
  EXPECT_EQ(host.openedDocuments, Lines{(dest / "index.html").string()});
  EXPECT_TRUE(fs::exists(dest / "library" / "ktvlr.css"));
  EXPECT_TRUE(fs::exists(dest / "lightbox.css"));
}

TEST_F(MakeGallery, WithoutImageLinksNoCellCarriesALink) {
  addImages(1);
  ASSERT_TRUE(build());
  const Lines lines = crlfLines(dest / "index.html");
  const Lines cell = lightboxCell(1, false);
  EXPECT_NE(std::search(lines.begin(), lines.end(), cell.begin(), cell.end()), lines.end());
}

TEST_F(MakeGallery, PlainLinkStyleWithoutImageLinksHasEmptyRows) {
  addImages(2);
  project.settings.galleryStyle = 2;
  project.settings.columns = 1;
  ASSERT_TRUE(build());
  EXPECT_EQ(crlfLines(dest / "index.html"), concat({kHeadStart,
                                                    kSheetLink,
                                                    kHeadEnd,
                                                    topBlock("1", {}, {"</tr>"}),
                                                    {"<tr>", "</tr>", "<tr>", "</tr>"},
                                                    footer(1)}));
}

TEST_F(MakeGallery, ParentLineOnlyWithBothHomeFields) {
  addImages(1);
  project.settings.addParentLink = 1;
  project.settings.homeCaption = "Home";
  ASSERT_TRUE(build());
  const auto hasParent = [&] {
    const Lines lines = crlfLines(dest / "index.html");
    return std::any_of(lines.begin(), lines.end(), [](const auto& l) { return l.find("divParent") != l.npos; });
  };
  EXPECT_FALSE(hasParent());

  project.settings.homeCaption.clear();
  project.settings.homeUrl = "http://example.test/";
  ASSERT_TRUE(build());
  EXPECT_FALSE(hasParent());

  project.settings.homeCaption = "Home";
  ASSERT_TRUE(build());
  const Lines lines = crlfLines(dest / "index.html");
  EXPECT_EQ(
      lines[kHeadStart.size() + kLightboxBlock.size() + kSheetLink.size() + kHeadEnd.size() + 5],
      "<div id='divParent'><font style=\"font-size:12px\" color=\"#000080\"><a id='linkParent' "
      "href='http://example.test/'>Home</a> &gt <span id='currentGalleryLocation'>My Gallery</span></font></div>");
}

TEST_F(MakeGallery, ShadowboxPageAlwaysPassesTheLinkButNeverTheLinkText) {
  addImages(1);
  project.settings.galleryStyle = 1;
  ASSERT_TRUE(build());
  EXPECT_EQ(crlfLines(dest / "index.html"),
            concat({kHeadStart,
                    kShadowboxBlock,
                    kSheetLink,
                    kHeadEnd,
                    topBlock("4", {}, {"</tr>"}),
                    {"<tr>"},
                    {"<!-- Image:Title 1 -->", "<td class='tdImg'>",
                     "<a rel=\"shadowbox[vlr]; options={counterType:'skip',continuous:true,animSequence:'sync'}\" "
                     "class=\"option\" title=\"Tip 1\" href='http://example.test/1/IMG_01.JPG'>",
                     "<img class='eImage' src=\"thumbs/IMG_01.jpg\" alt=\"Title 1\" title=\"Tip 1\"></a>",
                     "<p align=center><font class='tdTitle'>Title 1</font></p>", "</td>"},
                    {"</tr>"},
                    footer(4)}));
  EXPECT_TRUE(fs::is_directory(dest / "gallery"));
}

TEST_F(MakeGallery, PageCountsAtFourByOne) {
  project.settings.columns = 4;
  project.settings.rows = 1;
  const auto pagesFor = [&](int count) {
    fs::remove_all(dest);
    items.clear();
    addImages(count);
    EXPECT_TRUE(build());
    Lines names;
    for (const auto& entry : fs::directory_iterator(dest)) {
      if (entry.path().extension() == ".html") names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  };
  EXPECT_EQ(pagesFor(4), (Lines{"index.html"}));
  EXPECT_EQ(pagesFor(8), (Lines{"vlr.html", "vlr1.html"}));
  EXPECT_EQ(pagesFor(9), (Lines{"vlr.html", "vlr1.html", "vlr2.html"}));
  EXPECT_EQ(host.openedDocuments.back(), (dest / "vlr.html").string());

  const struct {
    const char* file;
    int page;
    int firstImage;
    int lastImage;
  } pages[] = {{"vlr.html", 1, 1, 4}, {"vlr1.html", 2, 5, 8}, {"vlr2.html", 3, 9, 9}};
  for (const auto& page : pages) {
    PageLines paging;
    writePagingCell(paging, page.page, 3);
    Lines cells;
    for (int i = page.firstImage; i <= page.lastImage; ++i) cells = concat({cells, lightboxCell(i, false)});
    EXPECT_EQ(crlfLines(dest / page.file), concat({kHeadStart,
                                                   kLightboxBlock,
                                                   kSheetLink,
                                                   kHeadEnd,
                                                   topBlock("4", {}, paging),
                                                   {"<tr>"},
                                                   cells,
                                                   {"</tr>"},
                                                   footer(4)}))
        << page.file;
  }
}

TEST_F(MakeGallery, APageHasOnlyTheRowsItNeeds) {
  project.settings.columns = 2;
  project.settings.rows = 2;
  const auto rowsOf = [&](const fs::path& page) {
    // One text per row: the numbers of the images in it.
    Lines rows;
    for (const auto& line : crlfLines(page)) {
      if (line == "<tr>") rows.emplace_back();
      if (line.starts_with("<!-- Image:Title ")) rows.back() += line.substr(17, line.size() - 21);
    }
    rows.erase(rows.begin(), rows.begin() + 2);  // the top row and the gallery-name row
    rows.pop_back();                             // the footer row
    return rows;
  };
  addImages(4);
  ASSERT_TRUE(build());
  EXPECT_EQ(rowsOf(dest / "index.html"), (Lines{"12", "34"}));

  fs::remove_all(dest);
  items.clear();
  addImages(5);
  ASSERT_TRUE(build());
  EXPECT_EQ(rowsOf(dest / "vlr.html"), (Lines{"12", "34"}));
  EXPECT_EQ(rowsOf(dest / "vlr1.html"), (Lines{"5"}));
}

TEST_F(MakeGallery, PlainLinkStyleWithImageLinksSkipsImagesWithoutLink) {
  addImages(3);
  items[1].linkUrl.clear();
  project.images.replaceAfterLoad(items);
  project.settings.galleryStyle = 2;
  project.settings.addImageLinks = 1;
  ASSERT_TRUE(build());
  const auto cell = [](const std::string& n) -> Lines {
    return {
        "<!-- Image:Title " + n + " -->",
        "<td class='tdImg'>",
        "<a href='http://example.test/" + n + "/IMG_0" + n + ".JPG' target='_blank'>",
        "<img class='eImage' alt=\"Title " + n + "\" title=\"Tip " + n + "\" src=\"thumbs/IMG_0" + n + ".jpg\"></a>",
        "<p align=center><font class='tdTitle'>Title " + n + "</font></p>",
        "</td>"};
  };
  EXPECT_EQ(crlfLines(dest / "index.html"), concat({kHeadStart,
                                                    kSheetLink,
                                                    kHeadEnd,
                                                    topBlock("4", {}, {"</tr>"}),
                                                    {"<tr>"},
                                                    cell("1"),
                                                    cell("3"),
                                                    {"</tr>"},
                                                    footer(4)}));
  EXPECT_EQ(host.captions, (Lines{"Creating web folder...", "Image:/photos/IMG_01.JPG", "Image:/photos/IMG_02.JPG",
                                  "Image:/photos/IMG_03.JPG"}));
}

void writeText(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// A folder the build makes or writes into that is a link to a folder
// elsewhere stops the build before anything is touched: the other folder
// keeps its files and gets none of the build's.
TEST_F(MakeGallery, ALinkedGallerySubfolderStopsTheBuildUntouched) {
  const struct {
    std::int16_t style;
    const char* subfolder;
    bool htmlOnly;
    bool refused;
  } cases[] = {
      {0, "images", false, true}, {0, "thumbs", false, true},    {0, "photos", false, true},
      {0, "library", true, true}, {2, "images", true, true},     {1, "gallery", true, true},
      {1, "src", true, true},     {1, "src/player", true, true}, {0, "thumbs", true, false},
  };
  addImages(1);
  const fs::path outside = dir.path() / "outside";
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "style " << c.style << ", " << c.subfolder << ", html only " << c.htmlOnly);
    fs::remove_all(dest);
    fs::remove_all(outside);
    fs::create_directories(outside);
    writeText(outside / "mine.txt", "mine");
    const fs::path link = dest / c.subfolder;
    fs::create_directories(link.parent_path());
    fs::create_directory_symlink(outside, link);
    host.messages.clear();
    project.settings.galleryStyle = c.style;

    EXPECT_EQ(build(c.htmlOnly), !c.refused);
    EXPECT_EQ(readFile(outside / "mine.txt"), "mine");
    EXPECT_TRUE(fs::is_symlink(link));
    if (!c.refused) continue;
    EXPECT_EQ(std::distance(fs::directory_iterator(outside), fs::directory_iterator()), 1);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_NE(host.messages[0].text.find("'" + link.string() + "' is a symbolic link"), std::string::npos);
    EXPECT_FALSE(fs::exists(dest / "index.html"));
  }
}

// Every file the build writes replaces a link in its place instead of
// writing into the file the link points to.
TEST_F(MakeGallery, OutputFilesReplaceLinksInsteadOfWritingThroughThem) {
  addImages(1);
  writeText(dir.path() / "back.png", "picture");
  project.settings.pageBackImage = (dir.path() / "back.png").string();
  const fs::path outside = dir.path() / "outside";
  fs::create_directories(outside);
  fs::create_directories(dest / "library");
  const char* outputs[] = {"index.html", "lightbox.css", "prototype.js", "library/ktvlr.css", "library/back.png"};
  for (const char* output : outputs) {
    const fs::path target = outside / fs::path(output).filename();
    writeText(target, "mine");
    fs::create_symlink(target, dest / output);
  }
  ASSERT_TRUE(build());
  for (const char* output : outputs) {
    SCOPED_TRACE(output);
    EXPECT_EQ(readFile(outside / fs::path(output).filename()), "mine");
    EXPECT_EQ(fs::symlink_status(dest / output).type(), fs::file_type::regular);
  }
  EXPECT_EQ(readFile(dest / "library" / "back.png"), "picture");
}

// A file the build reads or links to, the open project's own file, or the
// data folder's files (default settings, remembered addresses) lying directly
// in a folder whose files the build deletes stop the build before anything is
// asked or deleted; in a subfolder, which stays, they do not. What counts is
// the file itself, however the build reaches it: through a link to it, a
// chain of links, a folder that is a link, or a destination that is a link;
// a link lying in such a folder is deleted too, wherever it points. A link to
// nothing, or a loop of links, keeps nothing there.
TEST_F(MakeGallery, AFileTheBuildNeedsInAFolderItEmptiesStopsTheBuild) {
  enum Kind { Source, PageBack, CellBack, LinkedFile, ProjectFile, DataFolderFile };
  enum Via { Direct, Link, Chain, LinkedFolder, LinkInFolder, LinkedDestination, Dangling, Loop };
  const struct {
    std::int16_t style;
    bool htmlOnly;
    const char* folder;
    Kind kind;
    Via via;
    bool refused;
  } cases[] = {
      {0, false, "photos", Source, Direct, true},
      {0, false, "thumbs", PageBack, Direct, true},
      {0, false, "images", CellBack, Direct, true},
      {0, false, "", Source, Direct, true},
      {1, true, "", Source, Direct, true},
      {1, false, "gallery", LinkedFile, Direct, true},
      {0, false, "photos/kept", Source, Direct, false},
      {0, true, "photos", Source, Direct, false},
      {2, false, "thumbs", LinkedFile, Direct, true},
      {0, false, "", ProjectFile, Direct, true},
      {1, true, "", ProjectFile, Direct, true},
      {0, false, "images", ProjectFile, Direct, true},
      {1, false, "gallery", ProjectFile, Direct, true},
      {0, true, "", ProjectFile, Direct, false},
      {0, false, "photos/kept", ProjectFile, Direct, false},
      {0, false, "", DataFolderFile, Direct, true},
      {1, true, "", DataFolderFile, Direct, true},
      {0, false, "thumbs", DataFolderFile, Direct, true},
      {0, true, "", DataFolderFile, Direct, false},
      {0, false, "photos", Source, Link, true},
      {0, false, "", Source, Chain, true},
      {1, false, "gallery", LinkedFile, Link, true},
      {0, false, "", PageBack, LinkedFolder, true},
      {0, false, "images", CellBack, Chain, true},
      {0, false, "", ProjectFile, Link, true},
      {1, true, "", ProjectFile, LinkedFolder, true},
      {0, false, "photos", Source, LinkInFolder, true},
      {0, false, "", ProjectFile, LinkInFolder, true},
      {0, false, "", DataFolderFile, Link, true},
      {0, false, "thumbs", ProjectFile, LinkedDestination, true},
      {0, false, "", Source, LinkedDestination, true},
      {0, false, "photos/kept", Source, Link, false},
      {0, true, "photos", Source, Chain, false},
      {0, false, "photos", Source, Dangling, false},
      {0, false, "", ProjectFile, Dangling, false},
      {0, false, "photos", Source, Loop, false},
  };
  const fs::path links = dir.path() / "links";
  const fs::path linkedDest = dir.path() / "web link";
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "style " << c.style << ", " << c.folder << ", kind " << c.kind << ", via "
                                      << c.via);
    fs::remove_all(dest);
    fs::remove_all(links);
    fs::remove(linkedDest);
    items.clear();
    addImages(1);
    project.settings.galleryStyle = c.style;
    project.settings.addImageLinks = 1;
    project.settings.pageBackImage.clear();
    project.settings.cellBackImage.clear();
    project.settings.destFolder = dest.string();
    project.projectFile.clear();
    dataFolder = (dir.path() / "data").string();
    const fs::path folder = *c.folder ? dest / c.folder : dest;
    fs::create_directories(folder);
    fs::create_directories(links / "deep" / "er");
    const std::string name = c.kind == ProjectFile ? "trip.vlr" : c.kind == DataFolderFile ? "default.vlm" : "mine.jpg";
    // The file the user would lose, and the path the build knows it by.
    const std::string file = (c.via == LinkInFolder ? links / name : folder / name).string();
    std::string known = file;
    writeText(file, "mine");
    writeText(folder / "other.txt", "other");
    switch (c.via) {
      case Direct:
        break;
      case Link:
      case Dangling:
        known = (links / name).string();
        fs::create_symlink(file, known);
        if (c.via == Dangling) fs::remove(file);
        break;
      case Chain:
        fs::create_symlink(file, links / "last");
        known = (links / name).string();
        fs::create_symlink("last", known);
        break;
      case LinkedFolder:
        // A relative link in a folder reached through a link of another
        // depth: only the real folder makes sense of the link's "..".
        fs::create_symlink(fs::relative(file, links / "deep" / "er"), links / "deep" / "er" / name);
        fs::create_directory_symlink(links / "deep" / "er", links / "folder");
        known = (links / "folder" / name).string();
        break;
      case LinkInFolder:
        known = (folder / ("link to " + name)).string();
        fs::create_symlink(file, known);
        break;
      case LinkedDestination:
        fs::create_directory_symlink(dest, linkedDest);
        project.settings.destFolder = linkedDest.string();
        break;
      case Loop:
        fs::remove(file);
        known = (links / name).string();
        fs::create_symlink(links / "loop", known);
        fs::create_symlink(known, links / "loop");
        break;
    }
    // The folder as the build names it, and the file it names in it.
    const std::string shownFolder =
        (c.via == LinkedDestination ? (*c.folder ? linkedDest / c.folder : linkedDest) : folder).string();
    const std::string shownFile = c.via == LinkInFolder ? known : file;
    switch (c.kind) {
      case Source:
        items[0].sourcePath = known;
        break;
      case PageBack:
        project.settings.pageBackImage = known;
        break;
      case CellBack:
        project.settings.cellBackImage = known;
        break;
      case LinkedFile:
        items[0].linkUrl = known;
        break;
      case ProjectFile:
        project.projectFile = known;
        break;
      case DataFolderFile:
        dataFolder = c.via == Direct ? folder.string() : (links / "data").string();
        if (c.via != Direct) fs::create_directory_symlink(folder, dataFolder);
        break;
    }
    project.images.replaceAfterLoad(items);
    host.messages.clear();

    EXPECT_EQ(build(c.htmlOnly), !c.refused);
    if (c.via == Dangling || c.via == Loop) continue;  // nothing to keep
    EXPECT_EQ(readFile(file), "mine");
    if (!c.refused) continue;
    EXPECT_EQ(readFile(folder / "other.txt"), "other");
    EXPECT_TRUE(fs::exists(fs::symlink_status(known)));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Exclamation);
    const std::string& text = host.messages[0].text;
    switch (c.kind) {
      case ProjectFile:
        EXPECT_EQ(text, "'" + shownFile + "', the file of the open project, lies in '" + shownFolder +
                            "', whose files the gallery build deletes before it writes its own. Save the project in "
                            "another folder or choose another destination folder.");
        break;
      case DataFolderFile:
        EXPECT_EQ(text, "'" + shownFolder +
                            "' is the program's data folder, which holds its default settings (default.vlm) and the "
                            "remembered web addresses (urls.txt). The gallery build deletes the files in it before it "
                            "writes its own: choose another destination folder.");
        break;
      default:
        EXPECT_EQ(text.find("'" + shownFile + "' lies in '" + shownFolder + "'"), 0u) << text;
    }
  }
}

TEST(CellArgumentsFor, LinksFollowTheStyleAndImageLinksSetting) {
  ImageItem image;
  image.sourcePath = "/photos/Pic 1.JPG";
  image.title = "Title";
  image.tooltip = "Tip";
  image.linkUrl = "http://example.test/";
  image.linkText = "More";
  image.outputBaseName = "a&copy.1 50%#?\n\t";
  image.openInSameWindow = true;
  const struct {
    std::int16_t style;
    std::int16_t addImageLinks;
    const char* link;
    const char* linkText;
  } cases[] = {
      {0, 0, "", ""},
      {0, 1, "http://example.test/", "More"},
      {2, 0, "", ""},
      {2, 1, "http://example.test/", "More"},
      {1, 0, "http://example.test/", ""},
      {1, 1, "http://example.test/", ""},
  };
  for (const auto& c : cases) {
    GallerySettings settings;
    settings.galleryStyle = c.style;
    settings.addImageLinks = c.addImageLinks;
    const CellArguments cell = cellArgumentsFor(settings, image);
    SCOPED_TRACE(::testing::Message() << "style " << c.style << ", image links " << c.addImageLinks);
    EXPECT_EQ(cell.link, c.link);
    EXPECT_EQ(cell.linkText, c.linkText);
    EXPECT_EQ(cell.title, "Title");
    EXPECT_EQ(cell.alt, "Title");
    EXPECT_EQ(cell.tooltip, "Tip");
    EXPECT_EQ(cell.thumb, "thumbs/a%26copy.1 50%25%23%3F%0A%09.jpg");
    EXPECT_EQ(cell.photo, "photos/a%26copy.1 50%25%23%3F%0A%09.jpg");
    EXPECT_EQ(cell.target, "_self");
    EXPECT_EQ(cell.fileName, "Pic 1.JPG");
  }
  image.openInSameWindow = false;
  EXPECT_EQ(cellArgumentsFor(GallerySettings{}, image).target, "_blank");
  image.outputBaseName = "../a\\b";
  EXPECT_EQ(cellArgumentsFor(GallerySettings{}, image).thumb, "thumbs/.._a_b.jpg");
}

TEST_F(MakeGallery, PagesArePureAsciiWhateverTheTitles) {
  addImages(1);
  items[0].title = "Caf\xC3\xA9 \xE2\x82\xAC";
  project.images.replaceAfterLoad(items);
  project.settings.webTitle =
      "\xC3\x9C"
      "ber";
  ASSERT_TRUE(build());
  const std::string page = readFile(dest / "index.html");
  EXPECT_TRUE(std::all_of(page.begin(), page.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
  EXPECT_NE(page.find("<td id='galleryNameCell'>&#220;ber</td>"), std::string::npos);
  EXPECT_NE(page.find("<!-- Image:Caf&#233; &#8364; -->"), std::string::npos);
}

TEST_F(MakeGallery, NoImagesTouchesNothing) {
  EXPECT_FALSE(build());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "No images!");
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(host.messages[0].title, std::string());
  EXPECT_FALSE(fs::exists(dest));
  EXPECT_TRUE(host.captions.empty());
}

TEST_F(MakeGallery, UnusableSettingsAreRefusedBeforeAnythingIsWritten) {
  addImages(1);
  const auto refused = [&](auto change, const std::string& text) {
    GallerySettings saved = project.settings;
    change(project.settings);
    host.messages.clear();
    EXPECT_FALSE(build());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, text);
    EXPECT_FALSE(fs::exists(dest));
    project.settings = saved;
  };
  refused([](GallerySettings& s) { s.columns = 0; },
          "The gallery needs at least one column and one row (columns: 0, rows: 100).");
  refused([](GallerySettings& s) { s.rows = -3; },
          "The gallery needs at least one column and one row (columns: 4, rows: -3).");
  refused([](GallerySettings& s) { s.thumbWidth = "12a"; },
          "The setting \"Thumbnail width\" must be a whole number from 1 to 100000: '12a'.");
  refused([](GallerySettings& s) { s.imageHeight = ""; },
          "The setting \"Large image height\" must be a whole number from 1 to 100000: ''.");
  refused([](GallerySettings& s) { s.jpegQuality = "99999"; },
          "The setting \"Resized image quality\" must be a whole number from 1 to 100: '99999'.");
  refused([](GallerySettings& s) { s.thumbHeight = "0"; },
          "The setting \"Thumbnail height\" must be a whole number from 1 to 100000: '0'.");
  EXPECT_TRUE(host.captions.empty());
}

TEST_F(MakeGallery, PageThatCannotBeWrittenEndsTheBuildWithItsPathAndReason) {
  addImages(1);
  fs::create_directories(dest / "index.html");
  EXPECT_FALSE(build());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(host.messages[0].text, "Error writing file:" + (dest / "index.html").string() + "\r\nIs a directory");
  EXPECT_EQ(host.captionRestores, 1);
  EXPECT_TRUE(host.openedDocuments.empty());
  EXPECT_FALSE(fs::exists(dest / "library" / "ktvlr.css"));
}

TEST_F(MakeGallery, DecliningTheQuestionStopsTheBuild) {
  addImages(1);
  fs::create_directories(dest);
  std::ofstream(dest / "old.html") << "old";
  host.answers.push_back(MessageAnswer::No);
  EXPECT_FALSE(build(false));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Question);
  EXPECT_EQ(host.captionRestores, 1);
  EXPECT_EQ(readFile(dest / "old.html"), "old");
  EXPECT_FALSE(fs::exists(dest / "index.html"));
}

TEST_F(MakeGallery, HtmlOnlyAsksNothingAndKeepsOtherFiles) {
  addImages(1);
  fs::create_directories(dest);
  std::ofstream(dest / "old.html") << "old";
  ASSERT_TRUE(build(true));
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(readFile(dest / "old.html"), "old");
}

TEST_F(MakeGallery, HtmlOnlyShadowboxStillAsksAboutAFolderWithFiles) {
  addImages(1);
  project.settings.galleryStyle = 1;
  fs::create_directories(dest);
  std::ofstream(dest / "old.html") << "old";
  host.answers.push_back(MessageAnswer::No);
  EXPECT_FALSE(build(true));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Question);
  EXPECT_EQ(host.captions, Lines{"Creating web folder..."});
  EXPECT_EQ(host.captionRestores, 1);
  EXPECT_EQ(readFile(dest / "old.html"), "old");
  EXPECT_FALSE(fs::exists(dest / "index.html"));
  EXPECT_TRUE(host.openedDocuments.empty());
}

TEST_F(MakeGallery, UnknownStyleWritesPagesWithoutPackageOrCells) {
  addImages(1);
  project.settings.galleryStyle = 7;
  fs::create_directories(dest / "library");
  ASSERT_TRUE(build());
  EXPECT_EQ(crlfLines(dest / "index.html"),
            concat({kHeadStart, kHeadEnd, topBlock("4", {}, {"</tr>"}), {"<tr>", "</tr>"}, footer(4)}));
  EXPECT_FALSE(fs::exists(dest / "lightbox.css"));
}

// Records, at each caption, caption restore and page opening, which of the
// build's outputs exist, so the order of the steps shows.
class StepLog : public testing::FakeHost {
 public:
  explicit StepLog(fs::path dest) : dest_(std::move(dest)) {}

  void setCaption(const std::string& caption) override {
    FakeHost::setCaption(caption);
    record(caption);
  }
  void restoreCaption() override {
    FakeHost::restoreCaption();
    record("restore");
  }
  void openDocument(const std::string& path) override {
    FakeHost::openDocument(path);
    record("open " + fs::path(path).filename().string());
  }

  Lines steps;

 private:
  void record(const std::string& event) {
    std::string outputs;
    for (const char* name : {"lightbox.css", "thumbs", "index.html", "library/ktvlr.css"}) {
      if (fs::exists(dest_ / name)) outputs += std::string(" +") + name;
    }
    steps.push_back(event + ":" + outputs);
  }

  fs::path dest_;
};

TEST_F(MakeGallery, PackageImagesPagesStyleSheetThenTheFirstPageIsOpened) {
  addImages(2);
  StepLog log(dest);
  // The previews are not cached, so no image is made; the first page is
  // still opened.
  ASSERT_TRUE(makeGallery(log, project, library, dataFolder, false));
  EXPECT_EQ(log.steps, (Lines{
                           "Creating web folder...:",
                           "Creating thumbnails...: +lightbox.css",
                           "restore: +lightbox.css +thumbs",
                           "Image:/photos/IMG_01.JPG: +lightbox.css +thumbs",
                           "Image:/photos/IMG_02.JPG: +lightbox.css +thumbs",
                           "restore: +lightbox.css +thumbs +index.html +library/ktvlr.css",
                           "open index.html: +lightbox.css +thumbs +index.html +library/ktvlr.css",
                       }));
  EXPECT_TRUE(log.messages.empty());
}

TEST_F(MakeGallery, StyleSheetThatCannotBeWrittenEndsTheBuild) {
  addImages(1);
  fs::create_directories(dest / "library" / "ktvlr.css");
  EXPECT_FALSE(build());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(host.messages[0].text,
            "Error writing file:" + (dest / "library" / "ktvlr.css").string() + "\r\nIs a directory");
  EXPECT_EQ(host.captionRestores, 1);
  EXPECT_EQ(host.windowEnabledChanges, std::vector<bool>{true});
  EXPECT_TRUE(host.openedDocuments.empty());
  EXPECT_TRUE(fs::exists(dest / "index.html"));
}

}  // namespace
}  // namespace velvara::core
