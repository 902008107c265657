#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
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
//
// Lookup goes through a hash index of the case-folded names, so defining or
// finding a variable costs the same with ten variables or a hundred
// thousand; the entries themselves stay in creation order, which is the
// order the variables dialog and the options file show.
//
// A table may be the local scope of a user-function call (BeginScope): it
// then holds only what the call has set itself (its parameters and its
// assignments) and looks every other name up in the caller's variables,
// which it never changes. This gives the function the caller's variables
// by value without copying them on every call.
class VariableTable {
 public:
  VariableTable() = default;
  // Copies every variable `other` shows, its scope's caller's included; the
  // copy is a plain table of its own.
  VariableTable(const VariableTable& other);
  VariableTable& operator=(const VariableTable& other);

  // Replaces the value of this table's own entry with that name, or appends
  // a new one; in a scope a caller's variable of that name is then hidden,
  // not changed.
  VariableEntry& Set(std::string_view name, const Value& value);
  // This table's own entry, else (in a scope) the caller's. An entry found
  // in the caller's table must only be read: set values through Set.
  VariableEntry* Find(std::string_view name);
  const VariableEntry* Find(std::string_view name) const;
  // Remove, Clear, Count and At concern this table's own entries only.
  bool Remove(std::string_view name);
  void Clear();
  int Count() const { return static_cast<int>(entries_.size()); }
  // From the head; a negative or too large index gives nullptr.
  VariableEntry* At(int index);
  const VariableEntry* At(int index) const;

  // Makes this table the scope of a call made by an engine whose variables
  // are `caller`: the own entries are dropped, and names not set here are
  // looked up in what `caller` shows. `caller` must outlive the scope and
  // must not change while it lasts (the caller is waiting for the call).
  void BeginScope(const VariableTable& caller);
  // Drops the own entries and forgets the caller.
  void EndScope();

  // Changes whenever an entry is added or removed here or in the caller's
  // table (not when a value is replaced), and when a scope begins or ends,
  // so that a binding to entries can tell it is still good. The value is
  // never the same for two different states.
  std::uint64_t Generation() const {
    return fallback_ != nullptr && fallback_->generation_ > generation_ ? fallback_->generation_
                                                                        : generation_;
  }

 private:
  // Hash and equality of names without regard to case, agreeing with
  // EqualsIgnoreCase.
  struct NameHash {
    std::size_t operator()(std::string_view name) const;
  };
  struct NameEqual {
    bool operator()(std::string_view a, std::string_view b) const;
  };

  VariableEntry* FindOwn(std::string_view name) const;
  VariableEntry& Append(std::string_view name, const Value& value);
  void CopyEntries(const VariableTable& other);
  void Touch();

  std::vector<std::unique_ptr<VariableEntry>> entries_;
  // Keys view the names held by the entries. A few names (a call's
  // parameters) are found faster by comparing them one by one, so the index
  // is only built once the table has grown past that.
  std::unordered_map<std::string_view, VariableEntry*, NameHash, NameEqual> index_;
  bool indexed_ = false;
  // Entries of a cleared table kept for the next ones, so that a scope
  // made for every call does not allocate its parameters again and again.
  std::vector<std::unique_ptr<VariableEntry>> spare_;
  // The caller's variables while this table is a call's scope; always a
  // plain table, never a scope itself.
  const VariableTable* fallback_ = nullptr;
  std::uint64_t generation_ = 0;
};

}  // namespace vr
