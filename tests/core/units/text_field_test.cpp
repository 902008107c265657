#include "units/text_field.h"

#include <gtest/gtest.h>

namespace vr {
namespace {

TEST(TextField, SplitsAtAnySeparatorWithoutTrimming) {
  const struct {
    const char* text;
    int n;
    const char* separators;
    const char* expected;
  } cases[] = {
      {"Length|m|м", 1, "|", "Length"},
      {"Length|m|м", 3, "|", "м"},
      {"Length|m|м", 4, "|", ""},
      {"Length|m|м", 0, "|", ""},
      {"a||c", 2, "|", ""},
      {"a||c", 3, "|", "c"},
      {"a|", 2, "|", ""},
      {"Length|m|м=1000", 3, "|=", "м"},
      {"Length|m=1|x", 2, "|", "m=1"},
      {"a; b,c", 2, ",;", " b"},
      {"whole", 1, "|", "whole"},
      {"", 1, "|", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TextField(c.text, c.n, c.separators), c.expected)
        << '"' << c.text << "\" field " << c.n << " of \"" << c.separators << '"';
  }
}

}  // namespace
}  // namespace vr
