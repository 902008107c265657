#include "builtins_harness.h"

namespace vr::builtins_test {
namespace {

class ListFunctionTest : public BuiltinLineTest {};

TEST_F(ListFunctionTest, MinAndMaxCompareInTheCommonKind) {
  CheckAll({
      {"min(3;1;2)", "1"},
      {"max(3;1;2)", "3"},
      {"max(1\\2;0.4)", "0.5"},
      {"max(1\\2;1\\3)", "1\\2"},
      {"min(1:30;0:45;2:00)", "0:45"},
      {"max(-5;-7)", "-5"},
      {"min(5)", "5"},
      {"min(2+i1;3)", "Function \"MIN\" not implemented for COMPLEX"},
      {"max(3;2+i1)", "Function \"MAX\" not implemented for COMPLEX"},
      {"max('a';'b')", "Invalid string operation"},
      {"min(date;1)", "Invalid date operation"},
      {"max(1;nothing)", "Variable \"nothing\" not found"},
  });
}

TEST_F(ListFunctionTest, MeansAreBuiltFromTheOperators) {
  CheckAll({
      {"avga(1;2;3;4)", "2.5"},
      {"avgg(2;8)", "4"},
      {"avga(1\\2;1\\3)", "5\\12"},
      {"avga(7)", "7"},
      {"avgg(-2;8)", "Base of power can`t be negative"},
      {"avga('a';'b')", "Invalid string operation"},
      {"avgA(2;4)", "3"},
  });
}

TEST_F(ListFunctionTest, IifTruncatesItsCondition) {
  CheckAll({
      {"iif(1;10;20)", "10"},
      {"iif(0.5;10;20)", "20"},
      {"iif(-1.5;10;20)", "10"},
      {"iif('';1;2)", "2"},
      {"iif('no';1;2)", "1"},
      {"iif(0+i2;'y';'n')", "'y'"},
      {"iif(1;2)", "1"},
      {"iif(1;2;missing)", "Variable \"missing\" not found"},
  });
}

TEST_F(ListFunctionTest, GettypeNamesTheKind) {
  CheckAll({
      {"gettype(1.5)", "0"},
      {"gettype(0x10)", "0"},
      {"gettype(1+i1)", "1"},
      {"gettype(1\\2)", "2"},
      {"gettype('a')", "3"},
      {"gettype(date)", "4"},
      {"gettype(1:30)", "5"},
  });
}

TEST_F(ListFunctionTest, StringFunctionsCountCharacters) {
  CheckAll({
      {"copy('abcdef';2;3)", "'bcd'"},
      {"copy('abcdef';3)", "'cdef'"},
      {"copy('abcdef')", "'abcdef'"},
      {"copy('abcdef';2;10)", "'bcdef'"},
      {"copy('abc';5;1)", "'c'"},
      {"copy('abcdef';0;2)", "'ab'"},
      {"copy('abcdef';2;-1)", "''"},
      {"copy('привет';2;3)", "'рив'"},
      {"copy(123456;2;2)", "'23'"},
      {"length('привет')", "6"},
      {"length(12.5)", "4"},
      {"length('')", "0"},
      {"upper('abc')", "'ABC'"},
      {"upper('привет')", "'ПРИВЕТ'"},
      {"lower('AbC Ёж')", "'abc ёж'"},
      {"trim('  a b  ')", "'a b'"},
      {"trim('   ')", "''"},
  });
}

TEST_F(ListFunctionTest, DatesFromTextAndTheirParts) {
  CheckAll({
      {"strtodate('7.3.2006')", "#07.03.2006#"},
      {"strtodate('today')", "#15.03.2024#"},
      {"year(#07.03.2006#)", "2006"},
      {"month(#07.03.2006#)", "3"},
      {"day(#07.03.2006#)", "7"},
      {"year('31.12.1999')", "1999"},
      {"day(date)", "15"},
  });
  options_->dateFormat = 1;
  CheckAll({
      {"strtodate('2006.3.7')", "#2006.03.07#"},
      {"month('2006.11.7')", "11"},
  });
}

}  // namespace
}  // namespace vr::builtins_test
