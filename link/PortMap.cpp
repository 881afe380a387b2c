#include "link/PortMap.h"

#include <SimpleIni.h>

#include <cctype>
#include <list>

#include "common/Text.h"

namespace telvane {

namespace {

#ifdef _WIN32
std::string DefaultDevice(int n) { return n >= 1 ? "COM" + std::to_string(n) : std::string(); }
#else
// Built-in serial ports first (1 to 4), then USB serial adapters, then USB modems (CDC ACM),
// then the rest of the built-in ports.
struct Range {
  int first;
  int last;
  const char* prefix;
  int firstIndex;
};
constexpr Range DefaultTable[] = {
    {1, 4, "/dev/ttyS", 0},
    {5, 20, "/dev/ttyUSB", 0},
    {21, 36, "/dev/ttyACM", 0},
    {37, 50, "/dev/ttyS", 4},
};

std::string DefaultDevice(int n) {
  for (const Range& r : DefaultTable)
    if (n >= r.first && n <= r.last) return r.prefix + std::to_string(r.firstIndex + n - r.first);
  return {};
}
#endif

bool IsComPrefix(std::string_view prefix) {
  const char* com = "COM";
  for (std::size_t i = 0; i < 3; ++i)
    if (std::toupper(static_cast<unsigned char>(prefix[i])) != com[i]) return false;
  return true;
}

}  // namespace

PortMap PortMap::Load(const std::string& iniPath) {
  PortMap map;
  CSimpleIniA ini;
  if (ini.LoadFile(iniPath.c_str()) < 0) return map;
  std::list<CSimpleIniA::Entry> keys;
  ini.GetAllKeys("Ports", keys);
  for (const auto& key : keys) {
    // Keys are matched without regard to case, as the ini reader looks them up.
    std::string_view name = key.pItem;
    if (name.size() < 4 || !IsComPrefix(name.substr(0, 3))) continue;
    auto n = ParseInt(name.substr(3));
    std::string device = Trim(ini.GetValue("Ports", key.pItem, ""));
    if (n && *n >= 1 && !device.empty()) map.overrides_[*n] = device;
  }
  return map;
}

std::string PortMap::Device(int n) const {
  auto it = overrides_.find(n);
  return it != overrides_.end() ? it->second : DefaultDevice(n);
}

}  // namespace telvane
