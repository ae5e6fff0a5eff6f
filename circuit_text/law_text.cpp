// Reading, limiting and writing back a switch's law of steps.
#include "circuit_text/law_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

#include "notation/builder_value.h"
#include "notation/decimal_separator.h"

namespace circuit_text {

namespace {

// The step as its shortest decimal of at most 6 significant digits, with a
// point: "2", "0.01", "1.23457".
std::string StepDigits(double stepDb) {
  std::array<char, 64> buffer{};
  auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), stepDb,
                              std::chars_format::general, circuit::kLawDigits);
  if (result.ec != std::errc()) return "0";
  // The step lies within 0.01 .. 20, so the general form is never exponent
  // form; trailing zeros are already gone.
  return std::string(buffer.data(), result.ptr);
}

// The double the 6-digit text of `stepDb` reads back as.
double SixDigitStep(double stepDb) {
  const std::string text = StepDigits(stepDb);
  double value = stepDb;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// A count in digits only, 1 .. 64; false for anything else.
bool ReadCount(std::string_view text, int& count) {
  if (text.empty() || text.size() > 4) return false;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  if (value < 1 || value > circuit::kMaxLawCount) return false;
  count = value;
  return true;
}

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  const auto isSpace = [](char c) { return c == ' ' || c == '\t'; };
  while (i < text.size()) {
    while (i < text.size() && isSpace(text[i])) ++i;
    const std::size_t begin = i;
    while (i < text.size() && !isSpace(text[i])) ++i;
    if (i > begin) words.push_back(text.substr(begin, i - begin));
  }
  return words;
}

// Equal neighbouring steps, kept as a count so a long law is never spelt out.
struct Run {
  std::size_t count;
  double stepDb;
};

void Append(std::vector<Run>& runs, std::size_t count, double stepDb) {
  if (!runs.empty() && runs.back().stepDb == stepDb) {
    runs.back().count += count;
  } else {
    runs.push_back({count, stepDb});
  }
}

// Each run as COUNTxSTEP, the last as a bare step; a run longer than a count
// can say is split.
std::string RunsText(const std::vector<Run>& runs, char separator) {
  std::string text;
  for (std::size_t r = 0; r < runs.size(); ++r) {
    for (std::size_t left = runs[r].count; left > 0;) {
      const std::size_t run = std::min<std::size_t>(left, circuit::kMaxLawCount);
      left -= run;
      if (!text.empty()) text += ' ';
      if (run > 1 && !(r + 1 == runs.size() && left == 0)) text += std::to_string(run) + 'x';
      text += StepDigits(runs[r].stepDb);
    }
  }
  notation::PointToSeparator(text, separator);
  return text;
}

}  // namespace

void ReadLaw(std::string_view text, int positions, char separator, LawReading& law) {
  law = LawReading{};
  std::vector<Run> typed;  // every step typed
  for (const std::string_view word : Words(text)) {
    int count = 1;
    std::string_view stepText = word;
    const std::size_t times = word.find_first_of("xX*");
    if (times != std::string_view::npos) {
      stepText = word.substr(times + 1);
      if (!ReadCount(word.substr(0, times), count)) {
        law.Dropped.push_back({std::string(word), "its count is not a whole number from 1 to 64"});
        continue;
      }
      if (stepText.empty()) {
        law.Dropped.push_back({std::string(word), "no step follows its count"});
        continue;
      }
    }
    double step = 0.0;
    if (!notation::ReadBuilderValue(stepText, separator, notation::BuilderUnit::None, step)) {
      law.Dropped.push_back(
          {std::string(word),
           notation::BuilderValueTrouble(stepText, separator, notation::BuilderUnit::None)});
      continue;
    }
    step = std::fabs(step);
    if (!(step >= circuit::kMinLawStepDb && step <= circuit::kMaxLawStepDb)) {
      law.OutOfRange.emplace_back(word);
      continue;
    }
    Append(typed, static_cast<std::size_t>(count), SixDigitStep(step));
  }
  if (typed.empty() || !law.OutOfRange.empty()) return;
  law.Usable = true;
  law.Text = RunsText(typed, separator);

  // The steps of the largest switch, the last typed repeating; this switch
  // takes the first N - 2 of them.
  constexpr std::size_t kMostSteps = circuit::kMaxStringPositions - 2;
  std::vector<double> steps;
  for (const Run& run : typed) {
    steps.insert(steps.end(), std::min(run.count, kMostSteps - steps.size()), run.stepDb);
  }
  steps.resize(kMostSteps, typed.back().stepDb);
  law.Positions = std::clamp(positions, 2, circuit::kMaxStringPositions);
  law.StepsDb.assign(steps.begin(), steps.begin() + (law.Positions - 2));

  // Summed as LawTargets sums them.
  double depth = 0.0;
  law.FittingPositions = 2;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    depth += steps[i];
    if (!circuit::PastDepthLimit(depth))
      law.FittingPositions = static_cast<int>(i) + 3;  // steps > 0
    if (i + 1 == law.StepsDb.size()) law.DepthDb = depth;
  }
}

std::string LawText(const std::vector<double>& stepsDb, char separator) {
  std::vector<Run> runs;
  for (const double step : stepsDb) Append(runs, 1, step);
  return RunsText(runs, separator);
}

}  // namespace circuit_text
