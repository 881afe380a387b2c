#pragma once
// How one simulated unit is set up: who it is, what it reports, what award its judge enters
// and how it misbehaves.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace telvane::sim {

enum class FaultKind {
  None,
  Silent,     // a dead unit: hears nothing, says nothing
  NeverAcks,  // answers inquiries, queries and award requests, but acknowledges nothing
  DropsAcks,  // loses the given fraction of its acknowledgements
  BadCheck,   // every reply carries a wrong check character
  Late,       // every reply comes after lateMs instead of the normal turnaround
};

struct Fault {
  FaultKind kind = FaultKind::None;
  double dropFraction = 0.0;
  int lateMs = 0;
};

struct UnitConfig {
  // Four letters or digits; none of the codes the program searches replies for may appear in
  // it, since the program would then take a serial code reply for another reply.
  std::string serial;
  // 0: no number until the program assigns one.
  int number = 0;
  // Battery level 0 to 99, reported as two decimal digits.
  int battery = 90;
  // Awards the judge enters, one per dive from the first award-entry request on and used in
  // turn (a single entry is a fixed award). Empty: the judge never enters one, so the unit
  // never answers an award request and polling goes on.
  std::vector<std::string> awards;
  // Answers the keep-alive with an alive reply; a real unit keeps quiet by default.
  bool answersKeepAlive = false;
  Fault fault;
};

// The two-letter codes the program looks for anywhere in a reply, and the award-entry mask.
bool ContainsSearchedCode(std::string_view text);

// A valid award text: a decimal number of at most six characters ("7", "7.5", "10.0").
bool IsAwardText(std::string_view text);

// Units 1 to n of the built-in network: numbered in order, serial codes that do not sort in
// unit order (so a reset renumbers them), batteries and awards that differ from unit to unit.
std::vector<UnitConfig> DefaultUnits(int n);

}  // namespace telvane::sim
