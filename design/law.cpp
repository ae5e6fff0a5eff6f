// Reading, limiting and writing back a switch's law of steps.
#include "design/law.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

#include "notation/builder_value.h"
#include "notation/decimal_separator.h"

namespace design {
namespace {

struct Entry {
  int count = 1;
  double stepDb = 0.0;
};

// The step as its shortest decimal of at most 6 significant digits, with a
// point: "2", "0.01", "1.23457".
std::string StepDigits(double stepDb) {
  std::array<char, 64> buffer{};
  auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), stepDb,
                              std::chars_format::general, kLawDigits);
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
  if (value < 1 || value > kMaxLawCount) return false;
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

}  // namespace

void ReadLaw(std::string_view text, int positions, char separator, LawReading& law) {
  law = LawReading{};
  std::vector<Entry> entries;
  for (const std::string_view word : Words(text)) {
    Entry entry;
    std::string_view stepText = word;
    const std::size_t times = word.find_first_of("xX*");
    if (times != std::string_view::npos) {
      stepText = word.substr(times + 1);
      if (!ReadCount(word.substr(0, times), entry.count)) {
        law.Dropped.emplace_back(word);
        continue;
      }
    }
    double step = 0.0;
    if (!notation::ReadBuilderValue(stepText, separator, notation::BuilderUnit::None, step)) {
      law.Dropped.emplace_back(word);
      continue;
    }
    step = std::fabs(step);
    if (step < kMinLawStepDb || step > kMaxLawStepDb) {
      law.Clamped.emplace_back(word);
      step = std::clamp(step, kMinLawStepDb, kMaxLawStepDb);
    }
    entry.stepDb = SixDigitStep(step);
    entries.push_back(entry);
  }
  if (entries.empty()) return;
  law.Usable = true;

  const int n = std::clamp(positions, 2, kMaxStringPositions);
  const auto slots = static_cast<std::size_t>(n - 2);
  int typed = 0;
  for (const Entry& entry : entries) {
    typed += entry.count;
    for (int i = 0; i < entry.count && law.StepsDb.size() < slots; ++i) {
      law.StepsDb.push_back(entry.stepDb);
    }
  }
  law.StepsDb.resize(slots, entries.back().stepDb);

  // The deepest target, summed as LawTargets sums it.
  double depth = 0.0;
  for (std::size_t i = 0; i < law.StepsDb.size(); ++i) {
    depth += law.StepsDb[i];
    if (depth > kMaxLawDepthDb) {
      law.StepsDb.resize(i);  // every step is at most 20 dB, so at least one stays
      law.DepthCut = true;
      break;
    }
  }
  law.Positions = static_cast<int>(law.StepsDb.size()) + 2;
  // Counted against the switch as given: steps lost to the 120 dB limit are
  // told by the cut itself. With 2 positions the first step stays in the box.
  law.NoRoom = std::max(0, typed - std::max(n - 2, 1));

  if (law.StepsDb.empty()) {
    law.Text = StepDigits(entries.front().stepDb);
    notation::PointToSeparator(law.Text, separator);
  } else {
    law.Text = LawText(law.StepsDb, separator);
  }
}

std::string LawText(const std::vector<double>& stepsDb, char separator) {
  std::string text;
  std::size_t i = 0;
  while (i < stepsDb.size()) {
    std::size_t end = i + 1;
    while (end < stepsDb.size() && stepsDb[end] == stepsDb[i]) ++end;
    if (!text.empty()) text += ' ';
    // A run longer than a count can say is split (62 steps never need it).
    const std::size_t run = std::min<std::size_t>(end - i, kMaxLawCount);
    const bool last = i + run == stepsDb.size();
    if (run > 1 && !last) text += std::to_string(run) + 'x';
    text += StepDigits(stepsDb[i]);
    i += run;
  }
  notation::PointToSeparator(text, separator);
  return text;
}

void LawTargets(const std::vector<double>& stepsDb, std::vector<double>& targetsDb) {
  targetsDb.assign(stepsDb.size() + 1, 0.0);
  for (std::size_t p = 1; p < targetsDb.size(); ++p) {
    targetsDb[p] = targetsDb[p - 1] + stepsDb[p - 1];
  }
}

}  // namespace design
