#include <gtest/gtest.h>

#include <string>

#include "operations/builtins/function_catalogue.h"
#include "options/options_record.h"

namespace vr {
namespace {

// The functions list shows these names, in this order, whatever order the
// functions' indexes have.
TEST(FunctionCatalogueTest, ListsItsNamesInTheirOrder) {
  std::string names;
  for (const FunctionDescription& row : FunctionCatalogue()) {
    names += std::string(row.name) + " ";
  }
  EXPECT_EQ(names,
            "abs conj sqr sqrt round frac ceil floor odd ln log exp gcd lcm solve min max avgA "
            "avgG iif hms ratio sin cos tan asin acos atan sinh cosh tanh asinh acosh atanh eval "
            "copy length lower upper trim strtodate year month day gettype a2r r2a ");
}

TEST(FunctionCatalogueTest, DescriptionFollowsTheInterfaceLanguage) {
  ScopedOptions options;
  const FunctionDescription& row = FunctionCatalogue().front();
  options->english = 1;
  EXPECT_EQ(DescriptionText(row), "absolute value for real and module for complex numbers");
  options->english = 0;
  EXPECT_EQ(DescriptionText(row), "модуль числа");
}

}  // namespace
}  // namespace vr
