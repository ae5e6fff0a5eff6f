# Settings every Kestrix target shares: warnings, and floating point kept to the
# letter (no fused multiply-add, no fast-math) so the single-precision results
# shown are the same on every build.
function(kestrix_target_settings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -ffp-contract=off)
endfunction()

# The sanitizer build instruments everything, tests included, so it is set for
# the whole tree rather than per target.
if(KESTRIX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
