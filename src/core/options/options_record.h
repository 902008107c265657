#pragma once

#include <cstdint>
#include <string>

namespace vr {

// Left, top, width and height of a window; -1 means "not placed yet".
struct GraphGeometry {
  std::int32_t left = -1;
  std::int32_t top = -1;
  std::int32_t width = -1;
  std::int32_t height = -1;
};

struct WindowRect {
  std::int32_t top = -1;
  std::int32_t left = -1;
  std::int32_t width = -1;
  std::int32_t height = -1;
};

// Results show 0 to this many significant digits ("Precision").
inline constexpr std::int32_t kMaxPrecision = 15;
// A stored precision outside 0..kMaxPrecision is taken as kMaxPrecision.
inline constexpr std::int32_t ValidPrecision(std::int32_t precision) {
  return precision < 0 || precision > kMaxPrecision ? kMaxPrecision : precision;
}

// Every setting of the program, with its default. Colours are 0x00BBGGRR.
// The operations, the text forms and the windows read the live record when
// they run, so a change takes effect with the next evaluation.
struct OptionsRecord {
  std::int32_t radian = 1;
  std::int32_t format = 1;
  std::int32_t saveVars = 1;
  std::int32_t saveExpr = 1;
  std::int32_t saveWindowsPositions = 1;
  std::int32_t saveResults = 0;
  std::int32_t english = 1;
  std::int32_t precision = kMaxPrecision;
  WindowRect mainWindow;
  WindowRect functionsDialog;
  GraphGeometry graph2D;
  GraphGeometry graph3D;
  GraphGeometry graphPolar;  // kept while the program runs, never saved
  std::int32_t varsDialogTop = -1;
  std::int32_t varsDialogLeft = -1;
  std::int32_t dateFormat = 0;
  std::string numberFormat = "%.15g";
  std::int32_t showCalcResult = 1;
  std::int32_t showScriptResult = 0;
  std::uint32_t backColor = 0x00FFFFFF;
  std::uint32_t textColor = 0x00000000;
  std::uint32_t textHighlight = 0x00C80000;
  std::uint32_t buttonHighlight = 0x00BDC1BD;
  std::uint32_t digitColor = 0x00000000;
  std::uint32_t functionColor = 0x00000000;
  std::uint32_t operationColor = 0x00000000;
  std::int16_t fontSize = 1;
  std::int32_t stayOnTop = 0;
  std::uint8_t unitMode = 0;  // never saved
  std::int32_t numberBase = 0;
  std::uint16_t hotKeyKey = 0;
  std::uint16_t hotKeyModifiers = 0;
  std::int32_t minToTray = 0;
  std::int32_t autoStart = 0;
  std::int32_t startMinimized = 0;
  std::int32_t closeMinimize = 0;
  std::int32_t autoClip = 0;
  // Seconds one line may run before it is stopped; 0: as long as it takes.
  std::int32_t timeLimit = 0;

  // Rebuilds numberFormat from format and precision, made valid.
  void RebuildNumberFormat();
};

// The printf pattern for doubles from "Format" and "Precision".
std::string BuildNumberFormat(int format, int precision);

// The one live record of the process.
OptionsRecord& Options();

// Saves the live record and restores it when it goes out of scope; tests use
// it to change settings without leaking them into other tests.
class ScopedOptions {
 public:
  ScopedOptions();
  ~ScopedOptions();
  ScopedOptions(const ScopedOptions&) = delete;
  ScopedOptions& operator=(const ScopedOptions&) = delete;
  OptionsRecord& operator*() { return Options(); }
  OptionsRecord* operator->() { return &Options(); }

 private:
  OptionsRecord saved_;
};

}  // namespace vr
