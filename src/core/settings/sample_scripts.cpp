#include "settings/sample_scripts.h"

#include <string>
#include <string_view>
#include <system_error>

#include "files/script_file_name.h"
#include "values/utf8_text.h"

namespace vr {
namespace {

bool IsSampleLibrary(const std::string& fileName) {
  return IsScriptFileName(fileName) && !EqualsIgnoreCase(fileName, "startup.usc");
}

}  // namespace

int CopySampleScripts(const std::filesystem::path& from, const std::filesystem::path& to) {
  int copied = 0;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code fileError;
    if (!it->is_regular_file(fileError) || !IsSampleLibrary(it->path().filename().string())) {
      continue;
    }
    if (std::filesystem::copy_file(it->path(), to / it->path().filename(),
                                   std::filesystem::copy_options::skip_existing, fileError)) {
      ++copied;
    }
  }
  return copied;
}

}  // namespace vr
