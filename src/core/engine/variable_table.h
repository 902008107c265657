#pragma once

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

 private:
  std::vector<std::unique_ptr<VariableEntry>> entries_;
};

}  // namespace vr
