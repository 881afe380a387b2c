#pragma once
// An indexed list of 8-bit strings. Sorted lists keep ascending order compared without
// regard to ASCII letter case and ignore an entry equal (ignoring case) to one present;
// unsorted lists keep insertion order and accept duplicates.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace telvane {

class StringList {
 public:
  explicit StringList(bool sorted = false) : sorted_(sorted) {}

  // Sorted: inserts in order, or leaves the list unchanged for a duplicate. Unsorted: appends.
  void Add(std::string entry);
  std::string TakeFront();
  void Delete(std::size_t index);
  // Deletes, from the last entry to the first, every entry that begins with `prefix`.
  void DeleteWithPrefix(std::string_view prefix);
  void Clear() { entries_.clear(); }

  std::size_t Count() const { return entries_.size(); }
  bool Empty() const { return entries_.empty(); }
  bool Sorted() const { return sorted_; }
  const std::string& operator[](std::size_t index) const { return entries_.at(index); }
  const std::vector<std::string>& Entries() const { return entries_; }
  auto begin() const { return entries_.begin(); }
  auto end() const { return entries_.end(); }

 private:
  bool sorted_;
  std::vector<std::string> entries_;
};

// ASCII case-insensitive three-way comparison of bytes (bytes above 127 compare unsigned).
int CompareText(std::string_view a, std::string_view b);

}  // namespace telvane
