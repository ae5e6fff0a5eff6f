// Builders' notation at its edges: a letter that stands for the point ends
// the number, so no exponent may follow it.
#include <gtest/gtest.h>

#include "notation/builder_value.h"

namespace {

TEST(ReadBuilderValue, RefusesAnExponentAfterALetterPoint) {
  for (const char* text : {"4k7e3", "4R7e1", "2n2E-3", "1M5e0"}) {
    SCOPED_TRACE(text);
    double value = 7.0;
    EXPECT_FALSE(notation::ReadBuilderValue(text, '.', notation::BuilderUnit::Ohms, value));
    EXPECT_EQ(value, 7.0);
  }
}

}  // namespace
