#include "units/text_field.h"

#include <gtest/gtest.h>

#include <string>

namespace vr {
namespace {

struct FieldCase {
  const char* text;
  int n;
  const char* separators;
  const char* expected;
};

TEST(TextField, SplitsAtAnySeparatorWithoutTrimming) {
  const FieldCase cases[] = {
      {"Length|m|м", 1, "|", "Length"},
      {"Length|m|м", 3, "|", "м"},
      {"Length|m|м", 4, "|", ""},           // past the last field
      {"Length|m|м", 0, "|", ""},           // fields count from 1
      {"a||c", 2, "|", ""},                 // two separators in a row
      {"a||c", 3, "|", "c"},
      {"|a", 1, "|", ""},
      {"a|", 2, "|", ""},
      {"Length|m|м=1000", 3, "|=", "м"},    // any listed character ends a field
      {"Length|m=1|x", 2, "|", "m=1"},
      {"a; b,c", 2, ",;", " b"},            // blanks stay
      {"no separator", 1, "|", "no separator"},
      {"no separator", 2, "|", ""},
      {"", 1, "|", ""},
      {"abc", 1, "", "abc"},
  };
  for (const FieldCase& c : cases) {
    EXPECT_EQ(TextField(c.text, c.n, c.separators), c.expected)
        << '"' << c.text << "\" field " << c.n << " of \"" << c.separators << '"';
  }
}

}  // namespace
}  // namespace vr
