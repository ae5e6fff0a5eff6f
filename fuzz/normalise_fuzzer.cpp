// libFuzzer entry: arbitrary bytes as the three input boxes and the four
// in-circuit boxes, through the parser, the normalisation, the ladder
// calculation and the in-circuit analysis.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "fuzz/normalise_invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const fuzz::StageRun run =
      fuzz::RunStages(fuzz::SplitBoxes(input), fuzz::SplitCircuitBoxes(input),
                      fuzz::SplitChoices(input));
  const std::string fault = fuzz::FirstViolation(run);
  if (!fault.empty()) {
    std::fprintf(stderr, "broken rule: %s\n", fault.c_str());
    __builtin_trap();
  }
  return 0;
}
