# Settings every Kestrix target shares: warnings, and floating point kept to the
# letter (no fused multiply-add, no fast-math) so the single-precision results
# shown are the same on every build.
function(kestrix_target_settings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -ffp-contract=off)
  if(KESTRIX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
    # Link-time warnings (one-definition-rule breaks under LTO) fail too.
    target_link_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# The sanitizer build instruments everything, tests included, so it is set for
# the whole tree rather than per target.
if(KESTRIX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# The fuzzing build gives every library libFuzzer's coverage hooks and the
# same sanitizers, so a fault anywhere under the fuzzer stops it at once.
if(KESTRIX_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "KESTRIX_FUZZ needs clang (libFuzzer); configure with CMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
