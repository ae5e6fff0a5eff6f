// Whether the program finds a display to open its windows on before it
// makes its QApplication.
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/startup.h"

namespace {

// Sets (or, for nothing, removes) an environment variable for one scope.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) {
      setenv(name, value->c_str(), 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedVariable() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(DisplayReachable, NeedsADisplayOrAForcedPlatform) {
  struct Row {
    const char* what;
    std::optional<std::string> x11;
    std::optional<std::string> wayland;
    std::optional<std::string> platform;
    std::vector<std::string> arguments;
    bool reachable;
  };
  const Row rows[] = {
      {"nothing", {}, {}, {}, {}, false},
      {"empty variables", "", "", "", {}, false},
      {"an X display", ":0", {}, {}, {}, true},
      {"a Wayland display", {}, "wayland-0", {}, {}, true},
      {"a forced platform", {}, {}, "offscreen", {}, true},
      {"-platform on the command line", {}, {}, {}, {"-platform", "offscreen"}, true},
      {"an unrelated argument", {}, {}, {}, {"-style", "fusion"}, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const ScopedVariable x11("DISPLAY", row.x11);
    const ScopedVariable wayland("WAYLAND_DISPLAY", row.wayland);
    const ScopedVariable platform("QT_QPA_PLATFORM", row.platform);
    std::vector<std::string> words{"kestrix"};
    words.insert(words.end(), row.arguments.begin(), row.arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    EXPECT_EQ(app::DisplayReachable(static_cast<int>(argv.size()), argv.data()), row.reachable);
  }
}

}  // namespace
