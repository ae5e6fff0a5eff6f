// What must hold once any pasted text has gone into the as-built table: the
// cell reader takes only positive finite values, the designed strings need
// no change, and the balanced channels the cells make give finite
// attenuations, a mark on every cell and a best change that really helps.
#pragma once

#include <string>
#include <string_view>

namespace fuzz {

// Pastes `input` into a balanced 12-position string at a cell chosen by its
// first byte and analyses the result. Returns the first broken rule, or
// empty when all hold.
std::string AsBuiltViolation(std::string_view input);

}  // namespace fuzz
