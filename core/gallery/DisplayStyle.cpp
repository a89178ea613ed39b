#include "core/gallery/DisplayStyle.h"

#include "core/gallery/LightboxPackage.h"
#include "core/gallery/ShadowboxPackage.h"

namespace velvara::core {
namespace {

const char* const kStyleSheetLink = "<link rel=\"stylesheet\" href=\"library/ktvlr.css\" type=\"text/css\">";

bool writeLightboxPackage(Host& host, const GallerySettings& settings, bool htmlOnly) {
  return writeLightboxFiles(host, settings, settings.destFolder, !htmlOnly, true);
}

bool writeShadowboxPackage(Host& host, const GallerySettings& settings, bool) {
  return writeShadowboxFiles(host, settings.destFolder, true);
}

const DisplayStyle kLightbox{
    {
        "<script type=\"text/javascript\" src=\"prototype.js\"></script>",
        "<script type=\"text/javascript\" src=\"scriptaculous.js?load=effects,builder\"></script>",
        "<script type=\"text/javascript\" src=\"lightbox.js\"></script>",
        "<link rel=\"stylesheet\" href=\"lightbox.css\" type=\"text/css\" media=\"screen\">",
        kStyleSheetLink,
    },
    writeCellLightbox,
    writeLightboxPackage,
};

const DisplayStyle kShadowbox{
    {
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
        kStyleSheetLink,
    },
    writeCellShadowbox,
    writeShadowboxPackage,
    true,
};

// The plain-link style loads the Lightbox package too, without using it on
// its pages.
const DisplayStyle kSimple{{kStyleSheetLink}, writeCellLink, writeLightboxPackage};

}  // namespace

const DisplayStyle* displayStyleOf(std::int16_t galleryStyle) {
  switch (static_cast<GalleryStyle>(galleryStyle)) {
    case GalleryStyle::Lightbox:
      return &kLightbox;
    case GalleryStyle::Shadowbox:
      return &kShadowbox;
    case GalleryStyle::Simple:
      return &kSimple;
  }
  return nullptr;
}

}  // namespace velvara::core
