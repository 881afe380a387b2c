#pragma once
// What the Help item opens: the separate help program when it is installed beside this one,
// otherwise the user guide, so that Help is never a click that does nothing.
#include <string>

namespace telvane {

#ifdef _WIN32
inline constexpr const char* HelpProgramName = "Telvane_Help.exe";
#else
inline constexpr const char* HelpProgramName = "Telvane_Help";
#endif
inline constexpr const char* UserGuideName = "user-guide.md";

// `programFolder` ends with the path separator. The help program, else the first user guide
// found (beside the program in the build tree and on Windows, in share/doc/telvane of an
// installation elsewhere); empty when there is neither.
std::string HelpTarget(const std::string& programFolder);

}  // namespace telvane
