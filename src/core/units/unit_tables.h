#pragma once

#include <string>
#include <vector>

namespace vr {

// One unit type (length, mass …). The key links units to their type and is
// never shown; names holds the English name, "|", the Russian name.
struct UnitTypeRecord {
  std::string key;
  std::string names;
};

// One unit. conversion is a fragment of an expression toward the type's
// first (international) unit, or "toward|from" for affine scales such as
// temperatures. sign records whether the line began with "+" or "-"; nothing
// depends on it.
struct UnitRecord {
  bool sign = true;
  std::string typeKey;
  std::string names;
  std::string conversion;
};

// Both tables in file order: lists show them in that order, lookups take
// the first match, and the first unit of a type is its international unit.
struct UnitTables {
  std::vector<UnitTypeRecord> types;
  std::vector<UnitRecord> units;

  void Clear() {
    types.clear();
    units.clear();
  }
};

// The one pair of tables of the process, filled at start-up.
UnitTables& Units();

// Saves the live tables, empties them, and restores them when it goes out of
// scope, so that a test can load its own table without leaking it.
class ScopedUnitTables {
 public:
  ScopedUnitTables();
  ~ScopedUnitTables();
  ScopedUnitTables(const ScopedUnitTables&) = delete;
  ScopedUnitTables& operator=(const ScopedUnitTables&) = delete;
  UnitTables& operator*() { return Units(); }
  UnitTables* operator->() { return &Units(); }

 private:
  UnitTables saved_;
};

}  // namespace vr
