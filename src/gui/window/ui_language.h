#pragma once

namespace vr {

// Switches the texts of every window between English (the texts in the
// code) and Russian (the translations compiled into the program). Windows
// follow through their QEvent::LanguageChange handlers.
void ApplyUiLanguage(bool english);

}  // namespace vr
