# One INTERFACE target that every Tovalo target links: language level, warnings, sanitizers
# and the strict Qt macros. Keep compiler flags here and nowhere else.
add_library(tovalo_common INTERFACE)
add_library(Tovalo::common ALIAS tovalo_common)

target_compile_features(tovalo_common INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(tovalo_common INTERFACE -Wall -Wextra -Wpedantic)
  if(TOVALO_WERROR)
    target_compile_options(tovalo_common INTERFACE -Werror)
  endif()
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12 reports false -Wrestrict overlaps inside std::string concatenation at -O2 and
    # above (GCC bug 105329); the warning stays on for later compilers.
    target_compile_options(tovalo_common INTERFACE -Wno-restrict)
  endif()
  if(TOVALO_SANITIZE)
    target_compile_options(tovalo_common INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                   -fno-sanitize-recover=undefined)
    target_link_options(tovalo_common INTERFACE -fsanitize=address,undefined)
  endif()
elseif(MSVC)
  target_compile_options(tovalo_common INTERFACE /W4 /utf-8 $<$<BOOL:${TOVALO_WERROR}>:/WX>)
endif()

if(WIN32)
  # Unicode Win32 APIs, no min/max macros, no rarely used headers.
  target_compile_definitions(tovalo_common INTERFACE UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN
                                                     _WIN32_WINNT=0x0A00)
  if(MINGW)
    # Self-contained executables, so that wine needs no MinGW runtime DLLs beside them.
    target_link_options(tovalo_common INTERFACE -static -static-libgcc -static-libstdc++)
  endif()
endif()

# Strict Qt: no implicit conversions from char*, no string-based connects without context.
set(TOVALO_QT_DEFINITIONS
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY QT_NO_URL_CAST_FROM_STRING
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT QT_NO_FOREACH QT_NO_KEYWORDS QT_USE_QSTRINGBUILDER
    QT_NO_CONTEXTLESS_CONNECT QT_STRICT_ITERATORS)

# Platform code lives in its own files (name_posix.cpp, name_win.cpp); this suffix picks them.
if(WIN32)
  set(TOVALO_PLATFORM_SUFFIX win)
else()
  set(TOVALO_PLATFORM_SUFFIX posix)
endif()
