#include "core/gallery/GalleryCells.h"

#include "core/gallery/GalleryPages.h"
#include "core/gallery/HtmlText.h"
#include "core/helpers/Paths.h"
#include "core/helpers/Urls.h"

namespace velvara::core {

namespace {

std::string imageComment(const CellArguments& cell) { return "<!-- Image:" + inComment(cell.title) + " -->"; }

std::string titleLine(const GallerySettings& settings, const std::string& title) {
  return "<p align=" + settings.titleAlign + "><font class='tdTitle'>" + title + "</font></p>";
}

}  // namespace

void writeCellLink(PageLines& lines, const GallerySettings& settings, const CellArguments& cell) {
  if (cell.link.empty()) return;
  const std::string link = substituteLink(cell.link, cell.fileName);
  lines.push_back(imageComment(cell));
  lines.push_back("<td class='tdImg'>");
  lines.push_back("<a href='" + inSingleQuotes(link) + "' target='" + cell.target + "'>");
  lines.push_back("<img class='eImage' alt=\"" + inDoubleQuotes(cell.alt) + "\" title=\"" +
                  inDoubleQuotes(cell.tooltip) + "\" src=\"" + inDoubleQuotes(cell.thumb) + "\"></a>");
  lines.push_back(titleLine(settings, cell.title));
  lines.push_back("</td>");
}

void writeCellShadowbox(PageLines& lines, const GallerySettings& settings, const CellArguments& cell) {
  std::string link = substituteLink(cell.link, cell.fileName);
  if (link.empty()) {
    link = cell.photo;
  } else if (std::string copy = galleryCopyHref(link); !copy.empty()) {
    link = copy;
  }
  const std::string size = cell.target != "_blank" ? "width=" + inDoubleQuotes(settings.imageWidth) +
                                                         ";height=" + inDoubleQuotes(settings.imageHeight)
                                                   : std::string();
  lines.push_back(imageComment(cell));
  lines.push_back("<td class='tdImg'>");
  lines.push_back("<a rel=\"shadowbox[vlr];" + size +
                  " options={counterType:'skip',continuous:true,animSequence:'sync'}\" class=\"option\" title=\"" +
                  inDoubleQuotes(cell.tooltip) + "\" href='" + inSingleQuotes(link) + "'>");
  lines.push_back("<img class='eImage' src=\"" + inDoubleQuotes(cell.thumb) + "\" alt=\"" + inDoubleQuotes(cell.alt) +
                  "\" title=\"" + inDoubleQuotes(cell.tooltip) + "\"></a>");
  lines.push_back(titleLine(settings, cell.title));
  lines.push_back("</td>");
}

void writeCellLightbox(PageLines& lines, const GallerySettings& settings, const CellArguments& cell) {
  const std::string link = substituteLink(cell.link, cell.fileName);
  const std::string shown = cell.linkText.empty() ? "&gt;&gt;" : cell.linkText;
  std::string inner;
  if (!link.empty()) {
    inner =
        " <a class='linkDevalVr' href='" + inSingleQuotes(link) + "' target='" + cell.target + "'>" + shown + "</a>";
  }
  lines.push_back(imageComment(cell));
  lines.push_back("<td class='tdImg'>");
  // The overlay reads the title back as markup and shows it as its caption:
  // the caption then is the same markup as the cell's own title line.
  lines.push_back("<a href='" + inSingleQuotes(cell.photo) + "' rel='lightbox[id0]' title=\"" +
                  markupInDoubleQuotes(cell.title + inner) + "\">");
  lines.push_back("<img class='eImage' alt=\"" + inDoubleQuotes(cell.alt) + "\" title=\"" +
                  inDoubleQuotes(cell.tooltip) + "\" src=\"" + inDoubleQuotes(cell.thumb) + "\"></a>");
  lines.push_back(titleLine(settings, cell.title + inner));
  lines.push_back("</td>");
}

void writePagingCell(PageLines& lines, int current, int pages) {
  lines.push_back("<td id='pagingCell'>");
  lines.push_back("<span class=\"titlePages\">Pages:</span>");
  if (current > 1)
    lines.push_back("<a id='linkPrev' href='" + pageName(current - 1, pages) + "'>&laquo;&nbsp;Prev</a>");
  for (int i = 1; i <= pages; ++i) {
    if (i == current) {
      lines.push_back("<span class=\"currentPage\">" + std::to_string(i) + "</span>");
    } else {
      lines.push_back("<a href=\"" + pageName(i, pages) + "\" class=\"otherPage\">" + std::to_string(i) + "</a>");
    }
  }
  if (current < pages)
    lines.push_back("<a id='linkNext' href='" + pageName(current + 1, pages) + "'>Next&nbsp;&raquo;</a>");
  lines.push_back("</td>");
  lines.push_back("</tr>");
}

}  // namespace velvara::core
