#include "sim/UnitConfig.h"

#include <array>
#include <cctype>
#include <stdexcept>

namespace telvane::sim {

namespace {

constexpr std::array<std::string_view, 13> SearchedCodes = {
    "4H", "AL", "AY", "CF", "MC", "AI", "CS", "ST", "SR", "CN", "SK", "J:", "XX.X"};

// Deliberately out of alphabetical order.
constexpr std::array<std::string_view, 11> DefaultSerials = {
    "K7P2", "B3X9", "R5D1", "E8N4", "W2G6", "D9T3", "P4V7", "G6Z8", "T1Q5", "M3W2", "N7R1"};

constexpr std::array<int, 11> DefaultBatteries = {92, 85, 78, 64, 97, 41, 88, 73, 15, 90, 56};

}  // namespace

bool ContainsSearchedCode(std::string_view text) {
  for (auto code : SearchedCodes)
    if (text.find(code) != std::string_view::npos) return true;
  return false;
}

bool IsAwardText(std::string_view text) {
  if (text.empty() || text.size() > 6) return false;
  bool digit = false;
  bool point = false;
  for (char c : text) {
    if (std::isdigit(static_cast<unsigned char>(c))) {
      digit = true;
    } else if (c == '.' && !point && digit) {
      point = true;
    } else {
      return false;
    }
  }
  return std::isdigit(static_cast<unsigned char>(text.back())) != 0;
}

std::vector<UnitConfig> DefaultUnits(int n) {
  if (n < 1 || n > static_cast<int>(DefaultSerials.size()))
    throw std::invalid_argument("the built-in network has 1 to 11 units, not " + std::to_string(n));
  std::vector<UnitConfig> units;
  for (int i = 0; i < n; ++i) {
    UnitConfig unit;
    unit.serial = std::string(DefaultSerials[static_cast<std::size_t>(i)]);
    unit.number = i + 1;
    unit.battery = DefaultBatteries[static_cast<std::size_t>(i)];
    // Judges a little apart, each a half point further on the next dive.
    const int tenths = 60 + 5 * (i % 5);
    for (int dive = 0; dive < 3; ++dive) {
      const int award = tenths + 5 * dive;
      unit.awards.push_back(std::to_string(award / 10) + "." + std::to_string(award % 10));
    }
    units.push_back(std::move(unit));
  }
  return units;
}

}  // namespace telvane::sim
