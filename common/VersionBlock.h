#pragma once
// The platform's version-information services, as the version reader uses them. On Windows
// they are the system's own; elsewhere the program file carries a version block of the same
// layout (VersionBlockWriter.h) and these functions find it in any file. File names are UTF-8.
// Errors are kept as the platform keeps them: a last-error code per thread, set by each call
// that fails (on Windows the system's codes; elsewhere errno values, ENODATA for a file or
// block that lacks what was asked for).
#include <cstdint>
#include <string>

namespace telvane::version_block {

// Size in bytes of the file's version block; 0 when it has none or cannot be read.
std::uint32_t InfoSize(const std::string& fileName, std::uint32_t& handle);
// Copies the version block into the caller's `size` bytes at `block`.
bool LoadInfo(const std::string& fileName, std::uint32_t handle, std::uint32_t size, void* block);
// Finds the value at `path` in a loaded block; `value` stays valid while the block lives.
bool QueryValue(const void* block, const std::string& path, const void*& value,
                std::uint32_t& length);
std::uint32_t LastError();
// The system's description of an error code, as it gives it.
std::string ErrorDescription(std::uint32_t code);
// Full path of the running program's own file.
std::string ProgramFilePath();
// A text value found by QueryValue, as UTF-8.
std::string ValueText(const void* value, std::uint32_t length);

}  // namespace telvane::version_block
