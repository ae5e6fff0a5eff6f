// libFuzzer entry: arbitrary bytes as the design window's three boxes,
// through the parser, the normalisation and the ladder calculation.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "fuzz/normalise_invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const fuzz::StageRun run =
      fuzz::RunStages(fuzz::SplitBoxes(input), {}, {}, fuzz::Stages::Design);
  const std::string fault = fuzz::FirstViolation(run);
  if (!fault.empty()) {
    std::fprintf(stderr, "broken rule: %s\n", fault.c_str());
    __builtin_trap();
  }
  return 0;
}
