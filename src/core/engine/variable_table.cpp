#include "engine/variable_table.h"

#include <algorithm>

#include "values/utf8_text.h"

namespace vr {

VariableTable::VariableTable(const VariableTable& other) { *this = other; }

VariableTable& VariableTable::operator=(const VariableTable& other) {
  if (this == &other) return *this;
  ++generation_;
  entries_.clear();
  entries_.reserve(other.entries_.size());
  for (const auto& e : other.entries_) entries_.push_back(std::make_unique<VariableEntry>(*e));
  return *this;
}

VariableEntry& VariableTable::Set(std::string_view name, const Value& value) {
  if (VariableEntry* existing = Find(name)) {
    existing->value = value;
    return *existing;
  }
  auto entry = std::make_unique<VariableEntry>();
  entry->name = std::string(name);
  entry->value = value;
  entries_.push_back(std::move(entry));
  ++generation_;
  return *entries_.back();
}

VariableEntry* VariableTable::Find(std::string_view name) {
  for (auto& e : entries_) {
    if (EqualsIgnoreCase(e->name, name)) return e.get();
  }
  return nullptr;
}

const VariableEntry* VariableTable::Find(std::string_view name) const {
  return const_cast<VariableTable*>(this)->Find(name);
}

bool VariableTable::Remove(std::string_view name) {
  auto it = std::find_if(entries_.begin(), entries_.end(),
                         [&](const auto& e) { return EqualsIgnoreCase(e->name, name); });
  if (it == entries_.end()) return false;
  entries_.erase(it);
  ++generation_;
  return true;
}

void VariableTable::Clear() {
  entries_.clear();
  ++generation_;
}

VariableEntry* VariableTable::At(int index) {
  if (index < 0 || index >= Count()) return nullptr;
  return entries_[static_cast<std::size_t>(index)].get();
}

const VariableEntry* VariableTable::At(int index) const {
  return const_cast<VariableTable*>(this)->At(index);
}

}  // namespace vr
