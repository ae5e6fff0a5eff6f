// libFuzzer entry: arbitrary bytes pasted into the as-built table of a
// balanced string, then the channels and the best single change.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "fuzz/as_built_invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string fault =
      fuzz::AsBuiltViolation(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!fault.empty()) {
    std::fprintf(stderr, "broken rule: %s\n", fault.c_str());
    __builtin_trap();
  }
  return 0;
}
