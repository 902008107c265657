#pragma once

#include <string_view>

#include "scripts/script_statement_list.h"

namespace vr {

// Where a false If or ElIf at index ifIndex goes on: after the Else or the
// EndIf of its own block, or to the ElIf of its block itself (which is then
// evaluated as a condition). Nested blocks are skipped whole. -1 when the
// function's EndFunc or the end of the list comes first.
int FindElseOrEndIf(const ScriptStatementList& list, int ifIndex);

// The statement after the EndIf that closes the block of the Else (or the
// ElIf after a taken branch) at index from, skipping nested blocks; -1 when
// there is none before the end of the list.
int FindEndIf(const ScriptStatementList& list, int from);

// The Label statement called name (any letter case) of the function that
// holds the Goto at gotoIndex: first looked for above the Goto, then from
// the Goto down; never beyond the function's own Func and EndFunc. -1 when
// the function has no such label.
int FindLabel(const ScriptStatementList& list, std::string_view name, int gotoIndex);

}  // namespace vr
