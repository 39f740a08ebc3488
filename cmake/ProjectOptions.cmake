# One target that every library, program and test links: language standard, warnings,
# sanitizers and the Qt defines that keep string conversions explicit.
add_library(packwright_options INTERFACE)
target_compile_features(packwright_options INTERFACE cxx_std_20)
target_compile_options(packwright_options INTERFACE -Wall -Wextra -Wpedantic)
if(PACKWRIGHT_WERROR)
  target_compile_options(packwright_options INTERFACE -Werror)
endif()
target_compile_definitions(packwright_options INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_FOREACH
  QT_NO_KEYWORDS
  QT_DISABLE_DEPRECATED_BEFORE=0x060400)
if(PACKWRIGHT_SANITIZE)
  target_compile_options(packwright_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(packwright_options INTERFACE -fsanitize=address,undefined)
endif()
if(PACKWRIGHT_FUZZ)
  # Coverage for libFuzzer in every library; the fuzz programs add the fuzzer runtime.
  target_compile_options(packwright_options INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  target_link_options(packwright_options INTERFACE -fsanitize=address,undefined)
endif()
