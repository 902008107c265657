#pragma once

#include <string_view>

#include "engine/output_sink.h"

namespace vr {

class ExpressionEditor;

// Engine output meant for the expression window: Write statements of user
// functions insert their line at the caret, "cls" empties the window.
class EditorOutput : public OutputSink {
 public:
  explicit EditorOutput(ExpressionEditor& editor) : editor_(editor) {}
  void WriteLine(std::string_view text) override;
  void ClearWindow() override;

 private:
  ExpressionEditor& editor_;
};

}  // namespace vr
