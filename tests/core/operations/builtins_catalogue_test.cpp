#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/builtin_names.h"
#include "operations/builtins/function_catalogue.h"
#include "operations/standard_operations.h"
#include "settings/options_record.h"
#include "values/utf8_text.h"

namespace vr {
namespace {

TEST(FunctionCatalogueTest, EveryListedNameIsACallableBuiltin) {
  const auto& rows = FunctionCatalogue();
  ASSERT_EQ(rows.size(), 47U);
  std::set<std::string> seen;
  for (const FunctionDescription& row : rows) {
    SCOPED_TRACE(std::string(row.name));
    const int index = FindBuiltinFunction(Utf8ToLower(row.name));
    ASSERT_GE(index, 0);
    EXPECT_NE(StandardOperations().builtins[static_cast<std::size_t>(index)].run, nullptr);
    EXPECT_TRUE(seen.insert(std::string(row.name)).second);
    EXPECT_FALSE(row.english.empty());
    EXPECT_TRUE(IsValidUtf8(row.russian));
  }
  EXPECT_EQ(rows.front().name, "abs");
  EXPECT_EQ(rows.back().name, "r2a");
}

TEST(FunctionCatalogueTest, DescriptionFollowsTheInterfaceLanguage) {
  ScopedOptions options;
  const FunctionDescription& sqrtRow = FunctionCatalogue()[3];
  options->english = 1;
  EXPECT_EQ(DescriptionText(sqrtRow), "square root");
  options->english = 0;
  EXPECT_EQ(DescriptionText(sqrtRow), "квадратный корень");
}

TEST(FunctionCatalogueTest, EveryBuiltinSlotHasAnOperation) {
  for (int i = 0; i < kBuiltinCount; ++i) {
    SCOPED_TRACE(i);
    EXPECT_NE(StandardOperations().builtins[static_cast<std::size_t>(i)].run, nullptr);
  }
}

}  // namespace
}  // namespace vr
