#pragma once

#include <string_view>

#include "graphs/graph_kind.h"

namespace vr {

// The side of the graph windows that the line flow talks to. The window
// registers one with the session; without one (the command-line front end)
// the session checks commands on graph models of its own.
class GraphCommandTarget {
 public:
  virtual ~GraphCommandTarget() = default;
  // Takes the command's argument text (upper case, between the command's
  // "(" and the last ")" of the line). 0 when accepted, else a small
  // negative code for an unusable range field or the engine's ErrorCode.
  virtual int SetFromCommand(GraphKind kind, std::string_view argument) = 0;
  // Shows the graph after an accepted command, or redraws it when shown.
  virtual void Present(GraphKind kind) = 0;
};

}  // namespace vr
