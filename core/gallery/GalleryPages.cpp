#include "core/gallery/GalleryPages.h"

#include "core/gallery/DisplayStyle.h"
#include "core/gallery/HtmlText.h"
#include "core/helpers/Paths.h"

namespace velvara::core {

namespace {

void writeCell(PageLines& lines, const GallerySettings& settings, const ImageItem& image) {
  if (const DisplayStyle* style = displayStyleOf(settings.galleryStyle)) {
    style->writeCell(lines, settings, cellArgumentsFor(settings, image));
  }
}

}  // namespace

std::int64_t pageCount(std::int64_t imageCount, std::int64_t perPage) {
  return imageCount / perPage + (imageCount % perPage != 0 ? 1 : 0);
}

std::string pageName(std::int64_t page, std::int64_t pages) {
  const std::string base = pages == 1 ? "index" : "vlr";
  return page == 1 ? base + ".html" : base + std::to_string(page - 1) + ".html";
}

void writePageHead(PageLines& lines, std::int16_t galleryStyle) {
  lines.insert(lines.end(), {
                                "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">",
                                "<html>",
                                "<head>",
                                "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-8859-1\">",
                                "<title>Image Gallery</title>",
                                "<meta name=\"generator\" content=\"Oren Talvik: Velvara\">",
                                "",
                                "<!--Include this rows in your header: START-->",
                            });
  if (const DisplayStyle* style = displayStyleOf(galleryStyle)) {
    lines.insert(lines.end(), style->headLines.begin(), style->headLines.end());
  }
  lines.insert(lines.end(), {"<!--Include this rows in your header: END-->", "</head>", "", "<body>"});
}

void writeTopBlock(PageLines& lines, const GallerySettings& settings, std::int64_t page, std::int64_t pages) {
  const std::string columns = std::to_string(settings.columns);
  lines.push_back("<!--Gallery START-->");
  lines.push_back("<div id='divVLR'>");
  lines.push_back("<table id=\"tblThumbsLayout\" cellpadding=\"" + inDoubleQuotes(settings.cellPadding) +
                  "\" cellspacing=\"" + inDoubleQuotes(settings.cellSpacing) + "\">");
  lines.push_back("<tr>");
  lines.push_back("<td id='topCell' colspan='" + columns + "'>");
  if (settings.addParentLink == 1 && !settings.homeCaption.empty() && !settings.homeUrl.empty()) {
    lines.push_back("<div id='divParent'><font style=\"font-size:12px\" color=\"" +
                    inDoubleQuotes(settings.webTitleColor) + "\"><a id='linkParent' href='" +
                    inSingleQuotes(settings.homeUrl) + "'>" + settings.homeCaption +
                    "</a> &gt <span id='currentGalleryLocation'>" + settings.webTitle + "</span></font></div>");
  }
  lines.push_back("<table id='tblGalleryName' cellpadding=0 cellspacing=0 border=0 width=\"100%\">");
  lines.push_back("<tr>");
  lines.push_back("<td id='galleryNameCell'>" + settings.webTitle + "</td>");
  if (pages > 1) {
    writePagingCell(lines, static_cast<int>(page), static_cast<int>(pages));
  } else {
    lines.push_back("</tr>");
  }
  lines.push_back("</table>");
  lines.push_back("</td>");
  lines.push_back("</tr>");
}

CellArguments cellArgumentsFor(const GallerySettings& settings, const ImageItem& image) {
  const DisplayStyle* style = displayStyleOf(settings.galleryStyle);
  const bool alwaysLinks = style != nullptr && style->alwaysLinks;
  const bool withLinks = settings.addImageLinks == 1;
  CellArguments cell;
  cell.title = image.title;
  cell.alt = image.title;
  cell.link = alwaysLinks || withLinks ? image.linkUrl : std::string();
  cell.linkText = !alwaysLinks && withLinks ? image.linkText : std::string();
  cell.tooltip = image.tooltip;
  const GalleryFiles files = galleryFilesOf(settings, image);
  cell.thumb = files.thumbHref;
  cell.photo = files.photoHref;
  cell.target = image.openInSameWindow ? "_self" : "_blank";
  cell.fileName = getFileName(image.sourcePath, true);
  return cell;
}

std::size_t writeThumbnailRows(PageLines& lines, const GallerySettings& settings, const std::vector<ImageItem>& images,
                               std::size_t index, const std::function<void(const ImageItem&)>& beforeCell) {
  for (std::int32_t row = 1; row <= settings.rows; ++row) {
    lines.push_back("<tr>");
    for (std::int32_t column = 1; column <= settings.columns && index < images.size(); ++column) {
      beforeCell(images[index]);
      writeCell(lines, settings, images[index]);
      ++index;
    }
    lines.push_back("</tr>");
    if (index >= images.size()) break;
  }
  return index;
}

void writeFooter(PageLines& lines, const GallerySettings& settings, std::string_view homePage) {
  lines.push_back("<tr>");
  lines.push_back("<td id='pnCell' colspan='" + std::to_string(settings.columns) + "'>");
  lines.push_back(homePage.empty() ? std::string("<span class='pn'>Created using Velvara</span>")
                                   : "<a class='pn' href='" + std::string(homePage) + "'>Created using Velvara</a>");
  lines.insert(lines.end(), {"</td>", "</tr>", "</table>", "</div>", "<!-- Gallery END -->", "</body>", "</html>"});
}

}  // namespace velvara::core
