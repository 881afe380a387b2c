#pragma once
// Where the program keeps its settings and translation file: the machine-wide
// application-data folder followed by "Kelm/OstrelUtils/". The program never creates it;
// the installer does.
#include <string>

namespace telvane {

#ifdef _WIN32
inline constexpr char PathSeparator = '\\';
#else
inline constexpr char PathSeparator = '/';
#endif

// The settings file's name inside the data folder; the port map is read from it before
// start-up proper reads the rest.
inline constexpr const char* SettingsFileName = "Telvane.ini";

// The machine-wide application-data folder, or empty when it cannot be found. The
// environment variable TELVANE_COMMON_APPDATA names it instead on every platform (portable
// use, tests); otherwise it is the common application-data special folder on Windows and
// /var/lib elsewhere. It counts as found only when it exists as a folder.
std::string CommonAppDataFolder();

// `commonFolder` + "Kelm/OstrelUtils/" with this platform's separators; empty for an empty
// folder.
std::string DataPathIn(const std::string& commonFolder);

// The folder part of a file's path, with its trailing separator.
std::string FolderOf(const std::string& filePath);

}  // namespace telvane
