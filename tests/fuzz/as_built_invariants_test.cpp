// The as-built fuzz rules on texts a user is likely to paste by mistake.
#include <gtest/gtest.h>

#include "fuzz/as_built_invariants.h"

TEST(AsBuiltViolation, HoldsForHostilePastes) {
  const char* const pastes[] = {"\x05nan\tinf\t-0\t1e400", "\x2a" "1e-400\n0,0\n\n\n",
                                "\x00" "4k7\t4k7\t4k7\t4k7\t4k7\r\n1M\n1p", "\x0b\t\t\t",
                                "\x63" "1,,2\t1.5e308\t9e307"};
  for (const char* paste : pastes) {
    SCOPED_TRACE(paste + 1);
    EXPECT_EQ(fuzz::AsBuiltViolation(paste), "");
  }
}
