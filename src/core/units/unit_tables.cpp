#include "units/unit_tables.h"

#include <utility>

namespace vr {

UnitTables& Units() {
  static UnitTables live;
  return live;
}

ScopedUnitTables::ScopedUnitTables() : saved_(std::move(Units())) { Units().Clear(); }

ScopedUnitTables::~ScopedUnitTables() { Units() = std::move(saved_); }

}  // namespace vr
