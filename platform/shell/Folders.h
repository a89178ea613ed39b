#pragma once
// Where the user's documents and the running program live.
#include <string>

namespace velvara::shell {

// The XDG documents folder: XDG_DOCUMENTS_DIR from user-dirs.dirs in
// $XDG_CONFIG_HOME (else ~/.config), else $HOME/Documents; "" without a home.
std::string documentsFolder();

// The folder of the running executable.
std::string programFolder();

// The running executable's file name without its extension.
std::string programName();

}  // namespace velvara::shell
