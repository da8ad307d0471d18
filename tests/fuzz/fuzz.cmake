# Included by tests/CMakeLists.txt. The fuzz harnesses of this folder, built only when asked for
# (TOVALO_BUILD_FUZZ; ./dev.sh test turns it on) and each run for a short while by ctest
# (TOVALO_FUZZ_SECONDS, default 30; label fuzz). They need clang++ with its libFuzzer runtime
# (Debian: clang and libclang-rt-dev), so they are a project of their own built with clang,
# added here as an external project that is built again whenever one of its sources changes.
option(TOVALO_BUILD_FUZZ "Build the libFuzzer harnesses (needs clang++) and run each as a test" OFF)
if(NOT TOVALO_BUILD_FUZZ)
  return()
endif()

find_program(TOVALO_CLANGXX NAMES clang++ clang++-16 clang++-15 clang++-14)
if(NOT TOVALO_CLANGXX)
  message(FATAL_ERROR "TOVALO_BUILD_FUZZ needs clang++ (Debian: apt-get install clang libclang-rt-dev)")
endif()
# clang without its libFuzzer runtime cannot link a harness.
if(NOT TOVALO_CLANG_HAS_FUZZER)
  set(probe "${CMAKE_BINARY_DIR}/fuzz-probe.cpp")
  file(WRITE "${probe}" "#include <cstddef>\n#include <cstdint>\nextern \"C\" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }\n")
  execute_process(COMMAND "${TOVALO_CLANGXX}" -fsanitize=fuzzer,address "${probe}" -o "${CMAKE_BINARY_DIR}/fuzz-probe"
                  RESULT_VARIABLE probe_status OUTPUT_QUIET ERROR_QUIET)
  if(NOT probe_status EQUAL 0)
    message(FATAL_ERROR "TOVALO_BUILD_FUZZ: ${TOVALO_CLANGXX} cannot link -fsanitize=fuzzer "
                        "(Debian: apt-get install libclang-rt-dev)")
  endif()
  set(TOVALO_CLANG_HAS_FUZZER ON CACHE INTERNAL "")
endif()

include(ExternalProject)
set(fuzz_dir "${CMAKE_BINARY_DIR}/fuzz")
ExternalProject_Add(tovalo_fuzz
  SOURCE_DIR "${PROJECT_SOURCE_DIR}/tests/fuzz"
  BINARY_DIR "${fuzz_dir}"
  CMAKE_ARGS -DCMAKE_CXX_COMPILER=${TOVALO_CLANGXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
             -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS "${fuzz_dir}/fuzz_definition" "${fuzz_dir}/fuzz_command_line"
                   "${fuzz_dir}/fuzz_settings" "${fuzz_dir}/fuzz_diagnostics")
# What the harnesses are made of: a change to any of these builds them again (the inner build
# then recompiles only what changed); otherwise a build does not look into the project at all.
file(GLOB_RECURSE fuzz_inputs CONFIGURE_DEPENDS
     "${PROJECT_SOURCE_DIR}/src/core/*.cpp" "${PROJECT_SOURCE_DIR}/src/core/*.h"
     "${PROJECT_SOURCE_DIR}/tests/support/*.cpp" "${PROJECT_SOURCE_DIR}/tests/support/*.h"
     "${PROJECT_SOURCE_DIR}/tests/fuzz/*.cpp" "${PROJECT_SOURCE_DIR}/tests/fuzz/*.h"
     "${PROJECT_SOURCE_DIR}/tests/fuzz/CMakeLists.txt")
ExternalProject_Add_StepDependencies(tovalo_fuzz build ${fuzz_inputs})

# The diagnostics reader is fuzzed for time as well: inputs up to 16 KiB, repeated by the harness
# into lines of up to 512 KiB, each read within 2 s (a quadratic reader takes far longer).
set(fuzz_args_diagnostics -timeout=2 -max_len=16384)
foreach(harness definition command_line settings diagnostics)
  add_test(NAME fuzz_${harness}
           COMMAND bash "${PROJECT_SOURCE_DIR}/tests/fuzz/run_fuzz.sh" "${fuzz_dir}/fuzz_${harness}"
                   "${PROJECT_SOURCE_DIR}/tests/fuzz/seeds/${harness}" "${fuzz_dir}/run_${harness}"
                   ${fuzz_args_${harness}})
  set_tests_properties(fuzz_${harness} PROPERTIES LABELS fuzz TIMEOUT 300)
endforeach()
