#include "engine/StringList.h"

#include <algorithm>
#include <stdexcept>

namespace telvane {

namespace {
unsigned char Fold(char c) {
  auto u = static_cast<unsigned char>(c);
  return (u >= 'a' && u <= 'z') ? static_cast<unsigned char>(u - 'a' + 'A') : u;
}
}  // namespace

int CompareText(std::string_view a, std::string_view b) {
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    unsigned char x = Fold(a[i]), y = Fold(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

void StringList::Add(std::string entry) {
  if (!sorted_) {
    entries_.push_back(std::move(entry));
    return;
  }
  auto pos = std::lower_bound(entries_.begin(), entries_.end(), entry,
                              [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; });
  if (pos != entries_.end() && CompareText(*pos, entry) == 0) return;
  entries_.insert(pos, std::move(entry));
}

std::string StringList::TakeFront() {
  if (entries_.empty()) throw std::logic_error("TakeFront on an empty list");
  std::string front = std::move(entries_.front());
  entries_.erase(entries_.begin());
  return front;
}

void StringList::Delete(std::size_t index) {
  if (index >= entries_.size()) throw std::out_of_range("StringList::Delete index out of range");
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
}

void StringList::DeleteWithPrefix(std::string_view prefix) {
  for (std::size_t i = entries_.size(); i-- > 0;)
    if (std::string_view(entries_[i]).substr(0, prefix.size()) == prefix) Delete(i);
}

}  // namespace telvane
