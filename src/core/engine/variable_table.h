#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "values/value.h"

namespace vr {

struct VariableEntry {
  std::string name;
  Value value;
};

// The variables in order of creation; names compare without regard to case.
// Entries keep their address while they exist, so a caller that evaluates
// one expression many times may bind a variable once and write its value
// directly (graphs, root, integral).
class VariableTable {
 public:
  VariableTable() = default;
  VariableTable(const VariableTable& other);
  VariableTable& operator=(const VariableTable& other);

  // Replaces the value of the entry with that name, or appends a new one.
  VariableEntry& Set(std::string_view name, const Value& value);
  VariableEntry* Find(std::string_view name);
  const VariableEntry* Find(std::string_view name) const;
  bool Remove(std::string_view name);
  void Clear();
  int Count() const { return static_cast<int>(entries_.size()); }
  // From the head; a negative or too large index gives nullptr.
  VariableEntry* At(int index);
  const VariableEntry* At(int index) const;

  // Changes whenever an entry is added or removed (not when a value is
  // replaced), so that a binding to entries can tell it is still good.
  std::uint64_t Generation() const { return generation_; }

 private:
  std::vector<std::unique_ptr<VariableEntry>> entries_;
  std::uint64_t generation_ = 0;
};

}  // namespace vr
