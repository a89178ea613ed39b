#pragma once
// Every open and save question of the program goes through showFileDialog.
// Each call starts from its own flags: what an earlier question asked for
// (a file that must exist) never carries over to a later one.
#include <string>
#include <vector>

namespace velvara::core {

class Host;

// The filter "description|patterns|description|patterns..." (patterns joined
// by ";") as the platform's dialog takes it: "description (pattern pattern)"
// for each pair. A pattern list already in the description is replaced by
// the pair's own patterns.
std::vector<std::string> dialogNameFilters(const std::string& filter);

// The file proposed to the user: "" without defaultName, else folder and
// defaultName joined by one separator.
std::string proposedFileName(const std::string& folder, const std::string& defaultName);

// Asks for a file through the host. True when one was chosen: fileName then
// holds its full path and folder its folder. A cancel is never a choice, not
// even when a file name was proposed; folder and fileName are then unchanged.
// A save question with an extension adds "." and extension to a chosen name
// that does not end in them (in any case), so that the file shows where the
// program looks for it; a name ending in "." gets only the extension. When
// that names an existing file the user is asked before it is replaced, and No
// shows the dialog again on that name.
bool showFileDialog(Host& host, std::string& folder, std::string& fileName, const std::string& title,
                    const std::string& defaultName, const std::string& filter, bool mustExist, bool isSave,
                    const std::string& extension = {});

}  // namespace velvara::core
