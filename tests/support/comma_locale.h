// Pins a comma-decimal C locale for the length of a test, as a Qt program
// under a German desktop has it after setlocale(LC_ALL, "").
#pragma once

#include <clocale>
#include <string>

#include <gtest/gtest.h>

class CommaLocale {
 public:
  CommaLocale() {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    previous_ = previous ? previous : "C";
    active_ = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
  }
  ~CommaLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
  CommaLocale(const CommaLocale&) = delete;
  CommaLocale& operator=(const CommaLocale&) = delete;

  // True when the C library now writes a comma, so the test is meaningful.
  bool active() const {
    return active_ && std::localeconv()->decimal_point[0] == ',';
  }

 private:
  std::string previous_;
  bool active_ = false;
};

#define ASSERT_COMMA_LOCALE(locale)                                              \
  ASSERT_TRUE((locale).active())                                                 \
      << "the de_DE.UTF-8 locale is missing; ./build.sh generates it"
