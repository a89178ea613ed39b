#pragma once
// The user's documents folder and the program's data folder inside it, which
// holds the default settings and the remembered web addresses. Neither shows
// a message.
#include <string>

namespace velvara::core {

// The documents folder without a trailing separator; "" when the system
// cannot tell it.
std::string getPersonalFolder();

// The documents folder followed by "/VLR", made when missing (with the
// documents folder itself when that is missing too); "" when there is no
// documents folder, when the folder cannot be made, or when something that is
// not a folder stands at its path.
std::string getDataFolder();

// The data folder the program works with: getDataFolder(), else the folder of
// the running program.
std::string chooseDataFolder();

// The data folder the program works with where it holds files already,
// found without making anything: getDataFolder()'s folder when it is there,
// else the folder of the running program (where the program keeps its files
// when it cannot make that folder; a folder not made yet holds nothing).
std::string findDataFolder();

}  // namespace velvara::core
