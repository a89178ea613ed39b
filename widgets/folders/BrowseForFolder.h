#pragma once
// Lets the user pick a folder in the platform's folder dialog, opened on a
// start folder. The add-folder command and the settings editor's destination
// button use it; both take "" as a cancelled choice and change nothing then.
#include <string>

#include "core/host/Prompts.h"

namespace velvara::widgets {

// The chosen folder's full path, or "" when the user cancelled. A start
// folder that does not exist, or "", leaves the dialog on its own choice.
std::string browseForFolder(core::Prompts& prompts, const std::string& title, const std::string& startFolder);

}  // namespace velvara::widgets
