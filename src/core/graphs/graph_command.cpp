#include "graphs/graph_command.h"

#include <array>

#include "engine/error_messages.h"

namespace vr {

std::optional<GraphCommand> FindGraphCommand(std::string_view upperLine) {
  struct Prefix {
    std::string_view text;
    GraphKind kind;
  };
  static constexpr std::array<Prefix, 3> kPrefixes{{{"GRAPH2D(", GraphKind::Graph2D},
                                                    {"GRAPH3D(", GraphKind::Graph3D},
                                                    {"GRAPHPOLAR(", GraphKind::Polar}}};
  for (const Prefix& prefix : kPrefixes) {
    const std::size_t at = upperLine.find(prefix.text);
    if (at == std::string_view::npos) continue;
    const std::size_t begin = at + prefix.text.size();
    const std::size_t close = upperLine.rfind(')');
    std::string argument;
    if (close != std::string_view::npos && close > begin) {
      argument = std::string(upperLine.substr(begin, close - begin));
    }
    return GraphCommand{prefix.kind, std::move(argument)};
  }
  return std::nullopt;
}

std::string GraphCommandText(GraphKind kind, int code) {
  if (code == 0) return {};
  switch (kind) {
    case GraphKind::Graph2D:
      if (code == -1) return "Can`t evaluate the start point";
      if (code == -2) return "Can`t evaluate the end point";
      break;
    case GraphKind::Graph3D:
      if (code == -1) return "Can`t evaluate the X start point";
      if (code == -2) return "Can`t evaluate the X end point";
      if (code == -3) return "Can`t evaluate the Y start point";
      if (code == -4) return "Can`t evaluate the Y end point";
      break;
    case GraphKind::Polar:
      if (code == -1) return "Invalid function";
      break;
  }
  return GetErrorText(code);
}

}  // namespace vr
