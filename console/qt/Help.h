#pragma once
// The Help item: the help program when it is installed, else the user guide, opened with the
// desktop's associated program (no shell in between).
#include <string>

namespace telvane {

// `programFolder` ends with the path separator. Says so in a box when there is nothing to
// open, so a click on Help always shows something.
void OpenHelp(const std::string& programFolder);

}  // namespace telvane
