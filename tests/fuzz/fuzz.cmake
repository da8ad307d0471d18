# Included by tests/CMakeLists.txt. The fuzz harnesses of this folder: built with clang as an
# external project when clang++ with libFuzzer is installed, each run for a short while by ctest
# (TOVALO_FUZZ_SECONDS, default 30; label fuzz).
find_program(TOVALO_CLANGXX NAMES clang++ clang++-16 clang++-15 clang++-14)
option(TOVALO_FUZZ "Build and run the fuzz harnesses when clang++ is found" ON)
if(NOT TOVALO_FUZZ OR NOT TOVALO_CLANGXX)
  message(STATUS "Fuzz harnesses: off (no clang++ or TOVALO_FUZZ=OFF)")
  return()
endif()
# clang without its libFuzzer runtime cannot link a harness: leave them out then.
if(NOT DEFINED TOVALO_CLANG_HAS_FUZZER)
  set(probe "${CMAKE_BINARY_DIR}/fuzz-probe.cpp")
  file(WRITE "${probe}" "#include <cstddef>\n#include <cstdint>\nextern \"C\" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }\n")
  execute_process(COMMAND "${TOVALO_CLANGXX}" -fsanitize=fuzzer,address "${probe}" -o "${CMAKE_BINARY_DIR}/fuzz-probe"
                  RESULT_VARIABLE probe_status OUTPUT_QUIET ERROR_QUIET)
  if(probe_status EQUAL 0)
    set(TOVALO_CLANG_HAS_FUZZER ON CACHE INTERNAL "")
  else()
    set(TOVALO_CLANG_HAS_FUZZER OFF CACHE INTERNAL "")
  endif()
endif()
if(NOT TOVALO_CLANG_HAS_FUZZER)
  message(STATUS "Fuzz harnesses: off (${TOVALO_CLANGXX} cannot link -fsanitize=fuzzer)")
  return()
endif()

include(ExternalProject)
set(fuzz_dir "${CMAKE_BINARY_DIR}/fuzz")
ExternalProject_Add(tovalo_fuzz
  SOURCE_DIR "${PROJECT_SOURCE_DIR}/tests/fuzz"
  BINARY_DIR "${fuzz_dir}"
  CMAKE_ARGS -DCMAKE_CXX_COMPILER=${TOVALO_CLANGXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
             -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS "${fuzz_dir}/fuzz_definition" "${fuzz_dir}/fuzz_command_line"
                   "${fuzz_dir}/fuzz_settings")

foreach(harness definition command_line settings)
  add_test(NAME fuzz_${harness}
           COMMAND bash "${PROJECT_SOURCE_DIR}/tests/fuzz/run_fuzz.sh" "${fuzz_dir}/fuzz_${harness}"
                   "${PROJECT_SOURCE_DIR}/tests/fuzz/seeds/${harness}" "${fuzz_dir}/run_${harness}")
  set_tests_properties(fuzz_${harness} PROPERTIES LABELS fuzz TIMEOUT 300)
endforeach()
