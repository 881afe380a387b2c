#include "engine/StringList.h"

#include <gtest/gtest.h>

#include <vector>

namespace telvane {
namespace {

using Entries = std::vector<std::string>;

TEST(StringListTest, SortedListsIgnoreCaseInOrderAndDuplicates) {
  StringList list(true);
  for (const char* e : {"abcd", "0B", "ABCD", "01", "0a", "09", "0A", "Zz9", "AbCe"}) list.Add(e);
  EXPECT_EQ(list.Entries(), (Entries{"01", "09", "0a", "0B", "abcd", "AbCe", "Zz9"}));
}

TEST(StringListTest, UnitPrefixesSortInUnitOrder) {
  StringList pending(true);
  for (const char* unit : {"0B", "03", "0A", "01", "02", "09", "04", "08", "05", "07", "06"}) pending.Add(std::string(unit) + "\x01frame");
  Entries prefixes;
  for (const auto& e : pending) prefixes.push_back(e.substr(0, 2));
  EXPECT_EQ(prefixes, (Entries{"01", "02", "03", "04", "05", "06", "07", "08", "09", "0A", "0B"}));
}

TEST(StringListTest, UnsortedListsKeepOrderAndDuplicates) {
  StringList list;
  for (const char* e : {"b", "a", "b"}) list.Add(e);
  EXPECT_EQ(list.Entries(), (Entries{"b", "a", "b"}));
  EXPECT_EQ(list.TakeFront(), "b");
  EXPECT_EQ(list.Entries(), (Entries{"a", "b"}));
}

TEST(StringListTest, DeleteWithPrefixRemovesOnlyThatUnit) {
  StringList list(true);
  for (const char* e : {"03J", "03SR", "30X", "0303", "13"}) list.Add(e);
  list.DeleteWithPrefix("03");
  EXPECT_EQ(list.Entries(), (Entries{"13", "30X"}));
}

TEST(StringListTest, MisuseThrows) {
  StringList list;
  EXPECT_THROW(list.TakeFront(), std::logic_error);
  EXPECT_THROW(list.Delete(0), std::out_of_range);
}

}  // namespace
}  // namespace telvane
