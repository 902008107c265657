#pragma once

#include <string_view>
#include <vector>

namespace vr {

// One row of the functions list that the window shows: the name as the user
// types it and what it does, in both interface languages.
struct FunctionDescription {
  std::string_view name;
  std::string_view english;
  std::string_view russian;
};

// The listed functions in the order the list shows them, taken from the
// rows of the built-ins that have a place in it. Some callable functions
// (root, integral, ...) have none.
const std::vector<FunctionDescription>& FunctionCatalogue();

// The description in the current interface language ("English" setting).
std::string_view DescriptionText(const FunctionDescription& row);

}  // namespace vr
