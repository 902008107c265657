cmake_minimum_required(VERSION 3.25)
# Runs the CLI on one case folder: input.txt on standard input, the words of
# args.txt (if present) as arguments, and compares standard output with
# expected.txt byte for byte; when the case has expected_stderr.txt, standard
# error must match it too. "@CASE@" in args.txt and expected_stderr.txt stands
# for the case folder.
set(args "")
if(EXISTS ${CASE}/args.txt)
  file(READ ${CASE}/args.txt raw)
  string(STRIP "${raw}" raw)
  string(REPLACE "@CASE@" "${CASE}" raw "${raw}")
  separate_arguments(args UNIX_COMMAND "${raw}")
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env VADADERIVO_NOW=2024-03-15T10:20:30 ${CLI} ${args}
  INPUT_FILE ${CASE}/input.txt
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  RESULT_VARIABLE rc
  TIMEOUT 30)
file(READ ${CASE}/expected.txt expected)
set(expected_rc 0)
if(EXISTS ${CASE}/exit_code.txt)
  file(READ ${CASE}/exit_code.txt expected_rc)
  string(STRIP "${expected_rc}" expected_rc)
endif()
if(NOT rc STREQUAL expected_rc)
  message(FATAL_ERROR "exit status ${rc}, expected ${expected_rc}\nstderr:\n${err}")
endif()
if(NOT out STREQUAL expected)
  message(FATAL_ERROR "output differs\n--- expected\n${expected}\n--- got\n${out}\n--- stderr\n${err}")
endif()
if(EXISTS ${CASE}/expected_stderr.txt)
  file(READ ${CASE}/expected_stderr.txt expected_err)
  string(REPLACE "@CASE@" "${CASE}" expected_err "${expected_err}")
  if(NOT err STREQUAL expected_err)
    message(FATAL_ERROR "stderr differs\n--- expected\n${expected_err}\n--- got\n${err}")
  endif()
endif()
