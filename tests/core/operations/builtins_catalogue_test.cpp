#include <gtest/gtest.h>

#include <string>

#include "engine/builtin_names.h"
#include "operations/builtins/function_catalogue.h"
#include "operations/standard_operations.h"
#include "settings/options_record.h"
#include "values/utf8_text.h"

namespace vr {
namespace {

// The functions dialog lists these rows; choosing one must name a function
// that a line can call.
TEST(FunctionCatalogueTest, EveryListedNameIsACallableBuiltin) {
  for (const FunctionDescription& row : FunctionCatalogue()) {
    SCOPED_TRACE(std::string(row.name));
    const int index = FindBuiltinFunction(Utf8ToLower(row.name));
    ASSERT_GE(index, 0);
    EXPECT_NE(StandardOperations().builtins[static_cast<std::size_t>(index)].run, nullptr);
  }
}

TEST(FunctionCatalogueTest, DescriptionFollowsTheInterfaceLanguage) {
  ScopedOptions options;
  const FunctionDescription& row = FunctionCatalogue().front();
  options->english = 1;
  EXPECT_EQ(DescriptionText(row), row.english);
  options->english = 0;
  EXPECT_EQ(DescriptionText(row), row.russian);
}

}  // namespace
}  // namespace vr
