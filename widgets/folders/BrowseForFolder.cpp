#include "widgets/folders/BrowseForFolder.h"

namespace velvara::widgets {

std::string browseForFolder(core::Prompts& prompts, const std::string& title, const std::string& startFolder) {
  return prompts.askFolder({title, startFolder}).value_or(std::string());
}

}  // namespace velvara::widgets
