#include "engine/variable_table.h"

#include <algorithm>
#include <utility>

#include "files/ascii.h"
#include "values/utf8_text.h"

namespace vr {

namespace {

// Generations come from one counter for all tables, so that a scope whose
// caller changed, or a table used for another call, never shows an old
// value again.
std::uint64_t NextGeneration() {
  static std::uint64_t counter = 0;
  return ++counter;
}

// Up to this many entries a name is looked for by comparing it with each.
constexpr std::size_t kIndexedFrom = 8;
// Entries a cleared table keeps for reuse.
constexpr std::size_t kSpareEntries = 16;

constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

std::uint64_t HashBytes(std::uint64_t h, std::string_view bytes) {
  for (const char c : bytes) {
    h ^= static_cast<unsigned char>(c);
    h *= kFnvPrime;
  }
  return h;
}

}  // namespace

// The hash of the lower-cased name; names that are pure ASCII, nearly all
// of them, are folded on the fly without building the lower-cased text.
std::size_t VariableTable::NameHash::operator()(std::string_view name) const {
  std::uint64_t h = kFnvOffset;
  for (const char c : name) {
    if (static_cast<unsigned char>(c) >= 0x80) return static_cast<std::size_t>(HashBytes(kFnvOffset, Utf8ToLower(name)));
    h ^= static_cast<unsigned char>(AsciiLower(c));
    h *= kFnvPrime;
  }
  return static_cast<std::size_t>(h);
}

bool VariableTable::NameEqual::operator()(std::string_view a, std::string_view b) const {
  return EqualsIgnoreCase(a, b);
}

VariableTable::VariableTable(const VariableTable& other) { *this = other; }

VariableTable& VariableTable::operator=(const VariableTable& other) {
  if (this == &other) return *this;
  Clear();
  fallback_ = nullptr;
  // What a scope shows: its caller's variables, some of them replaced by
  // its own, then the names only it has, as a copy followed by Set would
  // have them.
  if (other.fallback_ != nullptr) CopyEntries(*other.fallback_);
  CopyEntries(other);
  return *this;
}

void VariableTable::CopyEntries(const VariableTable& other) {
  entries_.reserve(entries_.size() + other.entries_.size());
  for (const auto& e : other.entries_) {
    if (VariableEntry* existing = FindOwn(e->name)) {
      existing->value = e->value;
    } else {
      Append(e->name, e->value);
    }
  }
}

void VariableTable::Touch() { generation_ = NextGeneration(); }

VariableEntry& VariableTable::Append(std::string_view name, const Value& value) {
  std::unique_ptr<VariableEntry> entry;
  if (spare_.empty()) {
    entry = std::make_unique<VariableEntry>();
  } else {
    entry = std::move(spare_.back());
    spare_.pop_back();
  }
  entry->name.assign(name);
  entry->value = value;
  VariableEntry& added = *entry;
  entries_.push_back(std::move(entry));
  if (indexed_) {
    index_.emplace(added.name, &added);
  } else if (entries_.size() > kIndexedFrom) {
    index_.reserve(entries_.size() * 2);
    for (const auto& e : entries_) index_.emplace(e->name, e.get());
    indexed_ = true;
  }
  return added;
}

VariableEntry* VariableTable::FindOwn(std::string_view name) const {
  if (indexed_) {
    const auto found = index_.find(name);
    return found == index_.end() ? nullptr : found->second;
  }
  for (const auto& e : entries_) {
    if (EqualsIgnoreCase(e->name, name)) return e.get();
  }
  return nullptr;
}

VariableEntry& VariableTable::Set(std::string_view name, const Value& value) {
  if (VariableEntry* existing = FindOwn(name)) {
    existing->value = value;
    return *existing;
  }
  Touch();
  return Append(name, value);
}

VariableEntry* VariableTable::Find(std::string_view name) {
  return const_cast<VariableEntry*>(std::as_const(*this).Find(name));
}

const VariableEntry* VariableTable::Find(std::string_view name) const {
  if (const VariableEntry* own = FindOwn(name)) return own;
  return fallback_ != nullptr ? fallback_->FindOwn(name) : nullptr;
}

bool VariableTable::Remove(std::string_view name) {
  VariableEntry* entry = FindOwn(name);
  if (entry == nullptr) return false;
  if (indexed_) index_.erase(entry->name);
  const auto it = std::find_if(entries_.begin(), entries_.end(),
                               [&](const auto& e) { return e.get() == entry; });
  entries_.erase(it);
  Touch();
  return true;
}

void VariableTable::Clear() {
  index_.clear();
  indexed_ = false;
  for (auto& e : entries_) {
    if (spare_.size() >= kSpareEntries) break;
    // A long text is let go of now rather than kept for a later entry.
    if (e->value.text.capacity() > 64) std::string().swap(e->value.text);
    spare_.push_back(std::move(e));
  }
  entries_.clear();
  Touch();
}

VariableEntry* VariableTable::At(int index) {
  if (index < 0 || index >= Count()) return nullptr;
  return entries_[static_cast<std::size_t>(index)].get();
}

const VariableEntry* VariableTable::At(int index) const {
  return const_cast<VariableTable*>(this)->At(index);
}

void VariableTable::BeginScope(const VariableTable& caller) {
  Clear();
  fallback_ = caller.fallback_ != nullptr ? caller.fallback_ : &caller;
  // A scope's own entries (a calling function's parameters and locals) are
  // few; they are carried over so that the chain never grows deeper than
  // one table, however deep the calls nest.
  if (caller.fallback_ != nullptr) CopyEntries(caller);
}

void VariableTable::EndScope() {
  Clear();
  fallback_ = nullptr;
}

}  // namespace vr
