#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "graphs/graph_kind.h"

namespace vr {

struct GraphCommand {
  GraphKind kind;
  std::string argument;  // between the command's "(" and the last ")"
};

// The graph command a line holds, looked for anywhere in the upper-case form
// of the line: "GRAPH2D(" first, then "GRAPH3D(", then "GRAPHPOLAR(".
std::optional<GraphCommand> FindGraphCommand(std::string_view upperLine);

// The text written below a graph command line for the code its graph gave:
// empty for 0, the graph's own message for its range codes, else the
// engine's message. The graph messages are English in both languages.
std::string GraphCommandText(GraphKind kind, int code);

}  // namespace vr
