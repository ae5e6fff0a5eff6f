#!/usr/bin/env python3
"""Mutation run: does the test suite notice realistic one-line faults?

Each fault in FAULTS below is applied, one at a time, to a scratch copy of
the tree (never to the working tree). The scratch copy rebuilds only the test
programs that can see the changed folder, runs them with a time limit, and
puts the file back. A fault is killed when a test fails, crashes or runs out
of time, survives when every test passes, and is counted apart when it does
not compile. Faults whose original text is no longer in the file are
reported as stale, so the list can be run against a tree that has moved on.

    scripts/mutate.py                     # every fault, against the working tree
    scripts/mutate.py --only notation,design
    scripts/mutate.py --rev 0935d28       # the same faults against an older commit
    scripts/mutate.py --list              # the faults and whether they still apply
    scripts/mutate.py --suites notation_tests,design_tests,fuzz_tests --only design

Run by hand; it is not part of CI. Needs cmake, ninja and, to be quick, ccache.
"""
import argparse
import dataclasses
import filecmp
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent


@dataclasses.dataclass
class Fault:
    file: str          # path from the tree's root
    original: object   # text to find (exactly once), or a tuple of such texts
    replacement: object  # its replacement, or a tuple matching `original`
    breaks: str        # what goes wrong for the user
    listed: bool = False  # one of the faults the issue that asked for this run lists

    @property
    def folder(self):
        return self.file.split("/", 1)[0]

    def pairs(self):
        if isinstance(self.original, tuple):
            return list(zip(self.original, self.replacement))
        return [(self.original, self.replacement)]


def F(file, original, replacement, breaks, listed=False):
    return Fault(file, original, replacement, breaks, listed)


FMT = "notation/format_eng.cpp"
PARSE = "notation/parse_eng.cpp"
SEP = "notation/decimal_separator.cpp"
NORM = "design/normalise.cpp"
LADDER = "design/ladder.cpp"
STD = "design/standard_values.cpp"
DWIN = "ui/windows/design_window.cpp"
REPORT = "ui/pictures/report.cpp"
OPEN = "app/opening_window.cpp"
SCHEM = "ui/pictures/schematic.cpp"  # the schematic and its columns, window and page
CHART = "ui/pictures/deviation_chart.cpp"  # the deviation chart, window and page
BV = "notation/builder_value.cpp"
LAW = "circuit_text/law_text.cpp"
SER = "design/series.cpp"
IC = "circuit/string_analysis.cpp"
ICT = "circuit_text/string_table.cpp"
AB = "circuit/as_built.cpp"
ABT = "circuit_text/as_built_text.cpp"
CI = "circuit_text/circuit_inputs.cpp"
PARTS = "circuit_text/parts_list.cpp"
LAWT = "circuit/law.cpp"
NET = "circuit/network.cpp"  # the chains' divider, band and impedances, every kind
RND = "circuit/rounding.cpp"  # rounding a network's parts and improving it
KA = "circuit/analysis.cpp"  # a kind's analysis: legs, sets, warnings

FAULTS = [
    # --- notation/: FormatEng -------------------------------------------------
    F(FMT, "if (e < -4 || e >= 7) {", "if (e < -4 || e >= 8) {",
      "exponent form starts at 1e8 instead of 1e7", True),
    F(FMT, "if (magnitudeOfExponent < 10) text += '0';", "if (magnitudeOfExponent <= 10) text += '0';",
      "exponent 10 padded to three digits (E+010)", True),
    F(FMT, "std::copysign(std::numeric_limits<float>::max(), input)",
      "std::numeric_limits<float>::max()", "minus infinity written as positive", True),
    F(FMT, "{1e9f, 1e9f, 3, 'G'},", "{1e9f, 1e9f, 2, 'G'},", "giga values lose a decimal"),
    F(FMT, "{1e3f, 1e3f, 3, 'k'},", "{1e3f, 1e3f, 3, 'K'},", "kilo suffix in upper case"),
    F(FMT, "{100.0f, 1.0f, 2, ' '},", "{100.0f, 1.0f, 3, ' '},", "hundreds keep three decimals"),
    F(FMT, "{10.0f, 1.0f, 3, ' '},", "{10.0f, 1.0f, 4, ' '},", "tens keep four decimals"),
    F(FMT, "{1.0f, 1.0f, 4, ' '},", "{1.0f, 1.0f, 5, ' '},", "units keep five decimals"),
    F(FMT, "constexpr int kSmallDecimals = 5;", "constexpr int kSmallDecimals = 6;",
      "values below 1 keep six decimals"),
    F(FMT, "static_cast<double>(a) > kTinyCut", "static_cast<double>(a) >= kTinyCut",
      "tiny-value cut includes 1e-5 (no single equals the double 1e-5)"),
    F(FMT, "if (a >= band.limit) {", "if (a > band.limit) {", "1000 shown as 1000 instead of 1k"),
    F(FMT, "v = input / band.divisor;", "v = a / band.divisor;", "large negatives lose their sign"),
    F(FMT, "if (v == 0.0f) {", "if (v <= 0.0f) {", "negative values shown as zero"),
    F(FMT, 'text = "0  ";', 'text = "0 ";', "zero written with one space"),
    F(FMT, "if (keep >= 7) return", "if (keep >= 6) return",
      "six-digit results not rounded to their decimals"),
    F(FMT, "if (all[static_cast<std::size_t>(keep)] >= '5') {",
      "if (all[static_cast<std::size_t>(keep)] > '5') {", "halves round down"),
    F(FMT, "kept.insert(kept.begin(), '1');", "kept.insert(kept.begin(), '0');",
      "a carry out of the top digit is lost (999.996 shown as 0)"),
    F(FMT, 'return ReadSingle(kept + "e-" + std::to_string(decimals));',
      'return ReadSingle(kept + "e-" + std::to_string(decimals + 1));', "rounded values a tenth too small"),
    F(FMT, "while (digits.size() > 1 && digits.back() == '0')",
      "while (digits.size() > 2 && digits.back() == '0')", "a trailing zero kept (2.0)"),
    F(FMT, "if (e < -4 || e >= 7) {", "if (e < -5 || e >= 7) {", "0.00002 shown without exponent"),
    F(FMT, 'text += e < 0 ? "E-" : "E+";', 'text += e < 0 ? "E-" : "E";', "positive exponents lose their plus"),
    F(FMT, "std::string(static_cast<std::size_t>(-e - 1), '0')",
      "std::string(static_cast<std::size_t>(-e), '0')", "one zero too many after the point"),
    F(SEP, "std::replace(text.begin(), text.end(), '.', separator);",
      "std::replace(text.begin(), text.end(), ',', separator);",
      "the comma separator is never written"),
    F(FMT, 'text = (v < 0.0f ? "-" : "") + number + suffix;',
      'text = (v < 0.0f ? "-" : " ") + number + suffix;', "positive texts start with a space"),
    F(SEP, "gDecimalSeparator = (separator == ',') ? ',' : '.';", "gDecimalSeparator = separator;",
      "separators ParseEng cannot read are taken"),
    F(FMT, "if (std::isnan(input)) input = 0.0f;", "if (std::isnan(input)) input = 1.0f;",
      "not-a-number shown as 1"),
    F(FMT, "std::chars_format::scientific, 6);", "std::chars_format::scientific, 7);",
      "eight significant digits taken"),
    # --- notation/: ParseEng --------------------------------------------------
    F(PARSE, "case U'p': case U'P': return 1e-12f;", "case U'p': return 1e-12f;",
      "upper-case P not a suffix", True),
    F(PARSE, "if (lead >= 0xC2 && lead <= 0xDF)", "if (lead >= 0x80 && lead <= 0xDF)",
      "a lone continuation byte starts a sequence and swallows the next", True),
    F(PARSE, "if (!valid) { length = 1; cp = lead; }", "if (!valid) { cp = lead; }",
      "a sequence cut short swallows the characters behind it", True),
    F(PARSE, "if (lead >= 0xC2 && lead <= 0xDF)", "if (lead >= 0xC0 && lead <= 0xDF)",
      "over-long two-byte sequences count as one character", True),
    F(PARSE, "lead == 0xE0 ? 0xA0u :", "lead == 0xE0 ? 0x80u :",
      "over-long three-byte sequences count as one character", True),
    F(PARSE, "lead == 0xED ? 0x9Fu :", "lead == 0xED ? 0xBFu :",
      "UTF-16 surrogate halves count as characters"),
    F(PARSE, "else if (lead >= 0xF0 && lead <= 0xF4)", "else if (lead >= 0xF0 && lead <= 0xF7)",
      "leads past U+10FFFF start sequences"),
    F(PARSE, "constexpr std::size_t kMaxCharacters = 12;", "constexpr std::size_t kMaxCharacters = 13;",
      "the 13th character is read"),
    F(PARSE, "constexpr std::size_t kMaxCollected = 16;", "constexpr std::size_t kMaxCollected = 8;",
      "long numbers lose digits"),
    F(PARSE, "case U'M':            return 1e6f;", "case U'M':            return 1e3f;",
      "M read as kilo"),
    F(PARSE, "case U'g': case U'G': return 1e9f;", "case U'G': return 1e9f;", "lower-case g not a suffix"),
    F(PARSE, "case U'u': case U'U': return 1e-6f;", "case U'u': return 1e-6f;", "upper-case U not a suffix"),
    F(PARSE, "case U'n': case U'N': return 1e-9f;", "case U'n': return 1e-9f;", "upper-case N not a suffix"),
    F(PARSE, "while (!chars.empty() && isSpace(chars.back())) chars.pop_back();",
      "while (false && isSpace(chars.back())) chars.pop_back();", "trailing spaces not trimmed"),
    F(PARSE, "chars.erase(chars.begin(), first);", "chars.erase(chars.begin(), chars.begin());",
      "leading spaces count against the 12 characters"),
    F(PARSE, "if (c == U',') c = U'.';", "if (c == U',') continue;", "a comma is not a decimal mark"),
    F(PARSE, "if (c == U'.' && !suffixSeen && !pointSeen) {", "if (c == U'.' && !pointSeen) {",
      "a point after the suffix is collected (it adds nothing to the number)"),
    F(PARSE, "if (out.number.empty() || out.number.back() == 'E') out.number",
      "if (out.number.empty()) out.number", "exponent signs ignored"),
    F(PARSE, "    if (out.number.empty()) continue;\n", "",
      "a suffix letter before any digit is taken"),
    F(PARSE, "pointSeen = true;  // no point after an exponent", "// no point after an exponent",
      "a point after an exponent is collected"),
    F(PARSE, "\n    if (exponentSeen) continue;\n", "\n", "a suffix after an exponent is taken"),
    F(PARSE, "      if (suffixSeen) continue;\n", "", "the last suffix wins instead of the first"),
    F(PARSE, "if (error == std::errc::invalid_argument) return 0.0;",
      "if (error == std::errc::invalid_argument) return 1.0;", "a lone sign or point reads as 1"),
    F(PARSE, "if (MagnitudeOrder(number) > 0) return std::nullopt;",
      "if (MagnitudeOrder(number) < 0) return std::nullopt;", "overflow and underflow swapped"),
    F(PARSE, "return negative ? -value : value;", "return value;", "minus signs ignored"),
    F(PARSE, "constexpr double kSingleOverflow = 0x1.ffffffp127;",
      "constexpr double kSingleOverflow = 0x1.fffffep127;",
      "the largest single itself taken as an overflow (its sign lost)"),
    F(PARSE, "if (result < -kClampLimit) result = -kClampLimit;",
      "if (result < -kClampLimit) result = kClampLimit;", "large negatives clamp to +1e10"),
    # --- design/ ----------------------------------------------------------------
    F(NORM, "float positions = std::fabs(notation::ParseEng(std::string_view(boxes.Positions)));",
      "float positions = static_cast<int16_t>(std::fabs(notation::ParseEng(std::string_view(boxes.Positions))));",
      "position count truncated before the limits (1e10 gives 2)", True),
    F(NORM, "if (numPositions * state.StepSize > kMaxTotalAttenuation) {",
      "if (positions * state.StepSize > kMaxTotalAttenuation) {",
      "100 dB rule on the untruncated count (12.9 at 8 dB refused)", True),
    F(NORM,
      ("    outcome.totalRefused = true;\n",
       "  if (outcome.totalRefused && showMessage) showMessage(kTotalRefusedMessage);\n"),
      ("    outcome.totalRefused = true;\n    if (showMessage) showMessage(kTotalRefusedMessage);\n",
       ""),
      "refused-total message shown before the boxes are written back", True),
    F(LADDER, "for (int p = 0; p <= n - 2; ++p) {", "for (int p = 0; p <= n - 1; ++p) {",
      "TargetAtten written at N-1", True),
    F(STD, "return {d, (b > a) ? first - 1 : first};", "return {d, (b >= a) ? first - 1 : first};",
      "an exact tie at a geometric mean rounds down", True),
    F(NORM, "if (!(state.TotalOhms >= kMinTotalOhms)) {", "if (state.TotalOhms < kMinTotalOhms) {",
      "a not-a-number total accepted (ParseEng never gives one)"),
    F(NORM, "    state.TotalOhms = kDefaultTotalOhms;\n", "    state.TotalOhms = kMinTotalOhms;\n",
      "a refused total replaced by 100u instead of 10k"),
    F("design/normalise.h", "inline constexpr float kMinTotalOhms = 1e-4f;",
      "inline constexpr float kMinTotalOhms = 1e-5f;", "totals the box shows as 0 accepted"),
    F(NORM, "if (positions < static_cast<float>(kMinPositions)) positions",
      "if (positions < 1.0f) positions", "1.5 positions gives 1"),
    F(NORM, "if (positions > static_cast<float>(kMaxPositions)) positions = kMaxPositions;",
      "if (positions > static_cast<float>(kMaxPositions)) positions = kMaxPositions - 1;",
      "too many positions gives 24"),
    F(NORM, "float positions = std::fabs(notation::ParseEng(std::string_view(boxes.Positions)));",
      "float positions = notation::ParseEng(std::string_view(boxes.Positions));",
      "negative position counts give 2"),
    F(NORM, "state.StepSize = std::fabs(notation::ParseEng(std::string_view(boxes.Step)));",
      "state.StepSize = notation::ParseEng(std::string_view(boxes.Step));",
      "negative steps give 0.01"),
    F(NORM, "if (state.StepSize < kMinStep) state.StepSize = kMinStep;",
      "if (state.StepSize < kMinStep) state.StepSize = 0.1f;", "too small a step gives 0.1"),
    F(NORM, "if (state.StepSize > kMaxStep) state.StepSize = kMaxStep;",
      "if (state.StepSize > kMaxStep) state.StepSize = 10.0f;", "too large a step gives 10"),
    F("design/normalise.h", "inline constexpr float kMinStep = 0.01f;",
      "inline constexpr float kMinStep = 0.001f;", "steps down to 0.001 dB accepted"),
    F(NORM, "boxes.Positions = Formatted(state, numPositions);", "boxes.Positions = Formatted(state, positions);",
      "position box shows the untruncated count"),
    F(NORM, "boxes.Step = Formatted(state, state.StepSize);", "boxes.Step = Formatted(state, state.TotalOhms);",
      "step box shows the total"),
    F(NORM, "boxes.Step.assign(1, '1');", "boxes.Step = Formatted(state, 1.0f);",
      "limited step box reads \"1 \" instead of \"1\""),
    F(NORM, "    state.StepSize = 1.0f;\n", "    state.StepSize = kMinStep;\n", "limited step is 0.01 dB"),
    F(NORM, "if (numPositions * state.StepSize > kMaxTotalAttenuation) {",
      "if (numPositions * state.StepSize >= kMaxTotalAttenuation) {", "exactly 100 dB refused"),
    F(NORM, "showMessage(kTotalRefusedMessage);", "showMessage(kAttenuationLimitMessage);",
      "refused total reported with the 100 dB message"),
    F(NORM, "    outcome.stepLimited = true;\n", "", "limited step not reported to the window"),
    F(LADDER, "total = total + rounded[k];", "total = total + ideal[k];", "sums of the ideal values"),
    F(LADDER, "for (int j = 1; j <= p; ++j) above", "for (int j = 1; j < p; ++j) above",
      "realised attenuation one resistor short"),
    F(LADDER, "const float ratio = (total - above) / total;",
      "const float ratio = static_cast<float>((static_cast<double>(total) - above) / total);",
      "divider ratio in double (last digits change)"),
    F(LADDER, "atten[p] = static_cast<float>((std::log(static_cast<double>(ratio)) * -20.0) / ln10);",
      "atten[p] = static_cast<float>(std::log10(static_cast<double>(ratio)) * -20.0);",
      "attenuation through log10 (last digits change)"),
    F(LADDER, "return static_cast<float>(std::pow(10.0, -static_cast<double>(stepDb) / 20.0));",
      "return std::pow(10.0f, -stepDb / 20.0f);", "step ratio in single (last digits change)"),
    F(LADDER, "ideal[k] = remainder - next;", "ideal[k] = remainder * (1.0f - r);",
      "ideal value by another order of operations (last digits change)"),
    F(LADDER, "remainder = remainder - ideal[k];", "remainder = next;",
      "remainder copied instead of reduced by the stored value"),
    F(LADDER, "ideal[n - 1] = remainder;", "ideal[n - 1] = remainder * r;", "last resistor too small"),
    F(LADDER, "if (n < kMinPositions || n > kMaxPositions) return;", "if (n < kMinPositions) return;",
      "counts above 25 calculated"),
    F(LADDER, "RoundSet(state.IdealR, n, Nearest5, state.R5Pct)", "RoundSet(state.IdealR, n, Nearest1, state.R5Pct)",
      "5% set rounded to E96"),
    F(LADDER, "RealisedAttenuation(state.R5Pct, state.Total5Pct,", "RealisedAttenuation(state.R5Pct, state.Total1Pct,",
      "5% attenuation against the 1% sum"),
    F(LADDER, "state.TargetAtten[p] = static_cast<float>(p) * state.StepSize;",
      "state.TargetAtten[p] = static_cast<float>(p + 1) * state.StepSize;", "targets one step deep"),
    F(STD, "constexpr float kFirstScale = 1e-6f;", "constexpr float kFirstScale = 1e-7f;",
      "search starts a decade low"),
    F(STD, "    0.0976f,\n", "    0.0975f,\n", "wrong E96 guard below"),
    F(STD, "0.464f, 0.475f, 0.487f,", "0.464f, 0.475f, 0.478f,", "E96 value typed wrong (487)"),
    F(STD, "0.43f, 0.47f, 0.51f,", "0.43f, 0.47f, 0.52f,", "E24 value typed wrong (51)"),
    F(STD, "const int last = static_cast<int>(table.size()) - 1;",
      "const int last = static_cast<int>(table.size()) - 2;",
      "top of each decade bracketed in the next pass (E24 91 never a candidate)"),
    F(STD, "if (precise == 0.0f || std::isnan(precise)) return {-1, 0};", "if (precise == 0.0f) return {-1, 0};",
      "not-a-number searched (gives a huge value)"),
    F(STD, "if (scale * table[middle] > precise) past = middle;",
      "if (scale * table[middle] >= precise) past = middle;",
      "a standard value bracketed from above (picks itself either way)"),
    F(STD, "else first = middle + 1;", "else first = middle;", "bisection never ends"),
    F(STD, "const float lo = scale * table[first - 1];", "const float lo = scale * table[first];",
      "lower neighbour is the upper one"),
    F(STD, "const float b = hi / precise;", "const float b = precise / hi;", "upper ratio inverted"),
    F(STD, "s[d] = s[d - 1] * 10.0f;", "s[d] = s[d - 1] * 100.0f;", "every other decade skipped"),
    F(STD, "if (d + 1 == kScaleCount) return {d, last};", "if (d + 1 == kScaleCount) return {-1, 0};",
      "huge values come back as zero"),
    F(RND, "  while (moved) {\n", "  for (int visit = 0; moved && visit < 1; ++visit) {\n",
      "the optimiser stops after one visit of the string, unfinished", True),
    F("design/design_state.cpp", "if (n > 6) return", "if (n >= 6) return",
      "six-position column drawn stretched"),
    # --- the newer core: builders' notation, laws, series, the in-circuit and
    # as-built analyses, their texts and boxes ----------------------------------
    F(BV, 'if (in.take("meg", true)) return 6;', 'if (in.take("meg", true)) return 3;', "meg read as kilo"),
    F(BV, "} else if (unit == BuilderUnit::Ohms && TakeOhmsLetter(ahead = in) && ahead.isDigit()) {",
      "} else if (TakeOhmsLetter(ahead = in) && ahead.isDigit()) {", "R taken as the point in every box"),
    F(BV, "if (whole.empty() && fraction.empty())", "if (whole.empty())",
      "a number without a leading digit (.5) refused"),
    F(BV, "if (!multiplierSeen && (in.peek() == 'e' || in.peek() == 'E')) {",
      "if (in.peek() == 'e' || in.peek() == 'E') {", "an exponent after a letter point taken (4k7e3)"),
    F(BV, "if (exponentDigits.empty())", "if (exponentDigits.size() > 9)",
      "a bare e read as e0 (1e is 1)"),
    F(BV, "value = negative ? -magnitude : magnitude;", "value = magnitude;", "minus signs dropped"),
    F(BV, 'if (exponent >= 3) return Prefix{3, "k"};', 'if (exponent >= 4) return Prefix{3, "k"};',
      "1k to 9.99k written without a letter"),
    F(BV, 'if (text == "-0.000") text = "0.000";', "", "a deviation that rounds to zero shows a minus sign"),
    F(LAW, "if (value < 1 || value > circuit::kMaxLawCount) return false;",
      "if (value < 1 || value > circuit::kMaxLawCount + 1) return false;", "a count of 65 taken"),
    F(LAW, 'word.find_first_of("xX*");', 'word.find_first_of("xX");', "COUNT*STEP not read as a count"),
    F(LAW, "    step = std::fabs(step);\n", "", "negative steps not taken as their size"),
    F(LAWT, "targetsDb[p] = targetsDb[p - 1] + stepsDb[p - 1];",
      "targetsDb[p] = static_cast<double>(p) * stepsDb[p - 1];", "targets of unequal steps as p times the last"),
    F(SER, "return hi / ohms > ohms / lo ? low : high;", "return hi - ohms > ohms - lo ? low : high;",
      "E48 and E192 round at the arithmetic midpoint"),
    F(SER, "if (ohms >= DecimalAt(decade, last).Ohms()) return last;",
      "if (ohms >= DecimalAt(decade, last).Ohms()) return last - 1;", "E48 and E192 tops round one step down"),
    F(SER, "return next < 0 || next > LastDecimalIndex(decade_) ? index : next;",
      "return next < 0 ? index : next;", "E48 and E192 step past their top"),
    F(SER, "if (entry.Entry == 0) entry = {entry.Scale - 1, size};",
      "if (entry.Entry == 0) entry = {entry.Scale, size};", "a guard entry's decimal a decade high"),
    F(SER, "if (entry.Entry == size + 1) entry = {entry.Scale + 1, 1};",
      "if (entry.Entry == size + 1) entry = {entry.Scale, 1};", "E96's guard above written a decade low"),
    F(SER, "return {decade_[static_cast<std::size_t>(entry.Entry - 1)], entry.Scale - 9};",
      "return {decade_[static_cast<std::size_t>(entry.Entry)], entry.Scale - 9};",
      "E24 and E96 decimals one value high"),
    F(SER, "if (Exponent < 0 && Exponent >= -22) return m / kPowersOfTen[static_cast<std::size_t>(-Exponent)];",
      "if (Exponent < 0 && Exponent >= -22) return m * (1.0 / kPowersOfTen[static_cast<std::size_t>(-Exponent)]);",
      "decimals below 1 ohm rounded twice (a unit off)"),
    F(IC, "return around.LoadOhms > 0.0 ? Parallel(ohms, around.LoadOhms) : ohms;",
      "return Parallel(ohms, around.LoadOhms);", "no load shorts the wiper"),
    F(NET, "const double whole = (around.SourceOhms + run) + y;", "const double whole = run + y;",
      "the source impedance left out of the divider"),
    F(NET, "for (int p = 0; p < n; ++p) {\n    if (HasOutput(net, p)) db[p]",
      "for (int p = 1; p < n; ++p) {\n    if (HasOutput(net, p)) db[p]",
      "position 0 into the load left at 0 dB (no insertion loss)"),
    F(IC, "return (atten[p] - atten[0]) - targets[p];", "return atten[p] - targets[p];",
      "deviations not taken from position 0"),
    F(IC, "for (int p = 0; p < n - 1; ++p) targets[p] = static_cast<double>(p) * stepDb;",
      "for (int p = 0; p < n - 1; ++p) targets[p] = static_cast<double>(p + 1) * stepDb;",
      "equal-step targets one step deep"),
    F(IC, "const double h0 = y0 / (around.SourceOhms + y0);  // divider ratio at position 0",
      "const double h0 = 1.0;", "the compensated string ignores the source's loss at the top"),
    F(IC, "      lower[p] = rt * steps;\n", "      lower[p] = rt * a;\n",
      "an unloaded string from a source compensated as if loaded"),
    F(IC, "lower[p] = b > 0.0 ? 2.0 * c / (b + root) : (root - b) / (2.0 * a);",
      "lower[p] = (root - b) / (2.0 * a);", "the loaded root in its cancelling form"),
    F(IC, "k <= n - 2 && upper[k] + 2.0 * around.SourceOhms < lower[k - 1];", "false;",
      "tiny resistors under a huge string taken from the lower arms (digits lost)"),
    F(NET, "const double loudest = RatioDb(Ratio(net, p, lesses, mores, around, zin));",
      "const double loudest = RatioDb(Ratio(net, p, lesses, lesses, around, zin));", "band's quiet edge from parts all low"),
    F(NET, "const double more = 1.0 + tolerance;", "const double more = 1.0 + 2.0 * tolerance;",
      "band twice too wide on the high side"),
    F(NET, "double z = around.SourceOhms;", "double z = 0.0;", "output impedance without the source"),
    F(NET, "zin = run + y;", "zin = run + h;",
      "input impedance ignores the load"),
    F(IC, "const double seen = IntoLoad(zoutOhms, around);", "const double seen = zoutOhms;",
      "treble corner ignores the load"),
    F(IC, "const double hertz = 1.0 / (2.0 * std::numbers::pi * cableFarads * seen);",
      "const double hertz = 1.0 / (std::numbers::pi * cableFarads * seen);", "treble corner twice too high"),
    F(IC, "if (!std::isfinite(hertz)) return std::nullopt;", "", "an infinite treble corner shown"),
    F(RND, "rounded.Ohms[j] = series.Value(rounded.Index[j]);",
      "rounded.Ohms[j] = series.Decimal(rounded.Index[j]).Ohms();",
      "E96 and E24 parts held as decimals, not the design's singles"),
    F(RND, "for (std::size_t j = 0; j < ideal.size(); ++j) {", "for (std::size_t j = 0; j + 1 < ideal.size(); ++j) {",
      "the last resistor never rounded"),
    F(KA, "spec.Ohms > circuit::kFarAboveLoad * around.LoadOhms;", "spec.Ohms > circuit::kFarAboveLoad * inputs.LoadOhms;",
      "a balanced leg judged against the whole load"),
    F(KA, "return ohms < circuit::kSmallestPartOhms || ohms > circuit::kLargestPartOhms;",
      "return ohms <= circuit::kSmallestPartOhms || ohms > circuit::kLargestPartOhms;",
      "a 1 ohm part flagged out of range"),
    F(KA, "return OutsideRange(set.RoundedIn->Decimal(set.Parts.Index[j]).Ohms());",
      "return OutsideRange(set.Parts.Ohms[j]);", "parts judged by their singles (1 ohm as 0.99999994)"),
    F(KA, "best = std::fmin(best, set.Worst.Db);", "best = set.Worst.Db;", "only the last set decides the stray warning"),
    F(KA, "a.ZoutOhms[p] = a.ZoutOhms[p] * legs;", "a.ZoutOhms[p] = a.ZoutOhms[p];",
      "a balanced output impedance shown for one leg"),
    F(KA, "const Surroundings around{inputs.SourceOhms / legs, inputs.LoadOhms / legs};",
      "const Surroundings around{inputs.SourceOhms, inputs.LoadOhms / legs};", "a balanced leg driven from the whole source"),
    F(IC, "spec.Designed[1][k] = state.R5Pct[k];", "spec.Designed[1][k] = state.R1Pct[k];",
      "the designed E24 column holds the E96 set"),
    F(ICT, "constexpr int kSignificant = 6;", "constexpr int kSignificant = 5;", "table cells with five digits"),
    F(ICT, 'if (value == 0.0) return "0";  // negative zero too', "", "zero cells written 0.00000"),
    F(ICT, "[](const circuit::CircuitAnalysis& a, int p) { return Designed(a, p, 1); }},",
      "[](const circuit::CircuitAnalysis& a, int p) { return Designed(a, p, 0); }},", "the designed E24 column copies the E96 one"),
    F(ICT, "[](const circuit::CircuitAnalysis& a, int p) { return AboveGround(a, p, a.BandHighDb); }},",
      "[](const circuit::CircuitAnalysis& a, int p) { return AboveGround(a, p, a.BandLowDb); }},",
      "the band's high column shows its low edge"),
    F(ICT, "if (Ground(a, p) || static_cast<std::size_t>(p) >= column.size()) return std::nullopt;",
      "if (static_cast<std::size_t>(p) >= column.size()) return std::nullopt;", "the ground row shows attenuations"),
    F(ICT, "if (p == 0 || set >= a.Sets.size()) return std::nullopt;", "if (set >= a.Sets.size()) return std::nullopt;",
      "row 0 shows a part"),
    F(PARTS, "return PartsListText(sets, analysis.Balanced ? 4 : 2, separator);\n}\n\nstd::string PartsListText(const circuit::KindAnalysis&",
      "return PartsListText(sets, analysis.Balanced ? 4 : 1, separator);\n}\n\nstd::string PartsListText(const circuit::KindAnalysis&",
      "single-ended parts counted for one channel"),
    F(PARTS, "[](const auto& a, const auto& b) { return a.second.ohms < b.second.ohms; });",
      "[](const auto& a, const auto& b) { return a.second.ohms > b.second.ohms; });", "parts list descending"),
    F(PARTS, "if (group.count++ > 0) group.names += ' ';", "if (group.count++ > 1) group.names += ' ';",
      "resistor names run together (R1R3)"),
    F(ICT, "if (column.Kind == CellKind::Position) return std::to_string(p);", "",
      "positions written as decimals"),
    F(AB, "for (std::size_t k = 1; k < hot.size(); ++k) string[k] = hot[k] + cold[k];",
      "for (std::size_t k = 1; k < hot.size(); ++k) string[k] = hot[k] + hot[k];",
      "a balanced channel ignores its cold leg"),
    F(AB, "int ChannelOf(int column, bool balanced) { return balanced ? column / 2 : column; }",
      "int ChannelOf(int column, bool balanced) { return balanced ? column % 2 : column; }",
      "balanced strings given to the wrong channel"),
    F(AB, "  for (int p = 0; p <= n - 2; ++p) {\n    const double difference",
      "  for (int p = 1; p <= n - 2; ++p) {\n    const double difference",
      "the top position's channel difference ignored"),
    F(AB, "const double difference = std::fabs(left[p] - right[p]);",
      "const double difference = left[p] - right[p];", "a louder left channel never the worst difference"),
    F(ABT, "if (!text.empty() && text.back() == '\\n') text.remove_suffix(1);", "",
      "a final line feed pastes an empty line"),
    F(ABT, "if (!lineText.empty() && lineText.back() == '\\r') lineText.remove_suffix(1);", "",
      "pasted Windows lines refused"),
    F(ABT, "if (outcome.Refused++ == 0) {", "if (outcome.Refused++ >= 0) {",
      "the paste message names the last refused cell"),
    F(AB, "for (const design::DecimalValue& value : series.Around(fittedOhms, 3)) {",
      "for (const design::DecimalValue& value : series.Around(fittedOhms, 2)) {", "single changes tried two values either side"),
    F(CI, "if (isLoad && value > 0.0 && value < kMinLoadOhms) {", "if (isLoad && value > 0.0 && value <= kMinLoadOhms) {",
      "a 100u load named as below 100u"),
    F(CI, "constexpr double kLikelyCableFarads = 1e-8;", "constexpr double kLikelyCableFarads = 1e-9;",
      "the cable slip hint a thousand times small (2200 as 2.2p)"),
    F(CI, "if (!(static_cast<float>(*typed) >= static_cast<float>(kMinCircuitTotalOhms))) {",
      "if (!(*typed >= kMinCircuitTotalOhms)) {", "the design's own 100u total refused"),
    F(CI, "ohms = std::min(*typed, kMaxCircuitOhms);", "ohms = *typed;", "totals above 1e12 used"),
    F(CI, '  if (value != std::trunc(value)) reasons.emplace_back("is not a whole number");\n  count =',
      "  count =",
      "a fractional position count not named"),
    F(CI, "} else if (value > most) {", "} else if (value >= most) {",
      "64 positions named as above 64"),
    F(CI, "if (value < kMinTolerancePercent || value > kMaxTolerancePercent) {",
      "if (value <= kMinTolerancePercent || value > kMaxTolerancePercent) {", "a 0.01 % tolerance named as outside"),
    # --- ui/ --------------------------------------------------------------------
    F(DWIN, "connect(opt5, &QRadioButton::clicked, this, [this] { toleranceClicked(5); });",
      "connect(opt5, &QRadioButton::clicked, this, [this] { toleranceClicked(1); });",
      "choosing 5% after 1% keeps the 1% set", True),
    F(DWIN, "placeInFrame(opt1, 2280, 240, 855, 300);", "placeInFrame(opt1, 2000, 240, 855, 300);",
      "option buttons overlap inside their frame", True),
    F(CHART, ".positionCaption = {5500.0f, 6600.0f},", ".positionCaption = {5500.0f, 6300.0f},",
      "deviation chart caption out of place", True),
    F(REPORT, ".positionCaption = {5500.0f, 13100.0f},", ".positionCaption = {5500.0f, 12800.0f},",
      "report caption out of place", True),
    F(CHART, ".zeroLinePen = 3.0f,", ".zeroLinePen = 1.0f,",
      "deviation chart's zero line in the thin pen", True),
    F(SCHEM, "constexpr float kContactHalf = 30.0f;", "constexpr float kContactHalf = 45.0f;",
      "ground contact the wrong size (report and design window: one routine draws both)", True),
    F("ui/surface/surface_ops.cpp", "[&](const PenWidthOp& o) { target.setPenWidth(o.width); },",
      "[&](const PenWidthOp&) {},", "the printed page replay ignores pen widths", True),
    F(SCHEM, ".stringX = 6300.0f,", ".stringX = 6350.0f,",
      "resistor column moved"),
    F(SCHEM, ".targetX = 6840.0f,", ".targetX = 6800.0f,", "target column moved"),
    F(SCHEM, "constexpr float kRowRaise = 105.0f;", "constexpr float kRowRaise = 100.0f;",
      "position rows 5 units low (window and page: one routine)"),
    F(SCHEM, "return 750.0f + 250.0f * s + static_cast<float>((k - 1) * 720) * s;",
      "return 750.0f + 260.0f * s + static_cast<float>((k - 1) * 720) * s;",
      "resistor rows out of place (window and page: one routine)"),
    F(SCHEM, 'print.value(layout.targetX, PositionRow(p, s), state.TargetAtten[p], "dB");',
      'print.value(layout.targetX, PositionRow(p, s), state.TargetAtten[p], " dB");',
      "target unit spaced (window and page: one routine)"),
    F(SCHEM, 'five ? "Nearest 5%:" : "Nearest 1%:"', 'five ? "Nearest 1%:" : "Nearest 5%:"',
      "rounded columns headed with the wrong tolerance (window and page: one routine)"),
    F(DWIN, "connect(opt1, &QRadioButton::clicked, this, [this] { toleranceClicked(1); });",
      "connect(opt1, &QRadioButton::clicked, this, [this] { toleranceClicked(5); });",
      "choosing 1% keeps the 5% set"),
    F(DWIN, "  state.TolType = 5;\n  RunDesign();", "  RunDesign();", "a reload keeps the last tolerance"),
    F(DWIN, "if (outcome.stepLimited) Text3->setFocus();", "if (outcome.stepLimited) Text2->setFocus();",
      "focus after the 100 dB message in the wrong box"),
    F(SCHEM, "constexpr float kJunctionStep = 720.0f;", "constexpr float kJunctionStep = 700.0f;",
      "taps drift from the resistors (window and page: one routine)"),
    F(DWIN, "{cmdExit,    Text1, Text2,", "{cmdExit,    Text2, Text1,", "tab order swapped"),
    F(DWIN, "placeAt(Text2, 4320, 1920, 1455, 375);", "placeAt(Text2, 4320, 1900, 1455, 375);", "positions box moved"),
    F(DWIN, "optLog->isChecked() ? kLogPrompt : kLinearPrompt", "optLog->isChecked() ? kLinearPrompt : kLogPrompt",
      "step prompts swapped"),
    F(SCHEM, "PointF{X - 60.0f * S, Y + 260.0f * S}", "PointF{X - 60.0f * S, Y + 250.0f * S}",
      "zigzag vertex out of place"),
    F(SCHEM, "target.line(LineMode::FilledBox, PointF{X + 270.0f",
      "target.line(LineMode::OutlineBox, PointF{X + 270.0f", "tap contact drawn hollow"),
    F(CHART, "if (intervals <= 0) return kChartLeft;", "if (intervals <= 0) return kChartRight;",
      "two-position chart column at the right"),
    F(CHART, "across * static_cast<float>(p) /", "across * static_cast<float>(p + 1) /",
      "chart columns shifted one position"),
    F(CHART, "markers(state.Atten5Pct, kMarker5Half, LineMode::OutlineBox, kRed);",
      "markers(state.Atten1Pct, kMarker5Half, LineMode::OutlineBox, kRed);",
      "red markers show the 1% set (window and page: one routine)"),
    F(CHART, ".unitsPerDb = 2500.0f,", ".unitsPerDb = 2000.0f,", "deviation chart scale wrong"),
    F(CHART, "target.printNumber(p + 1);", "target.printNumber(p);",
      "positions numbered from 0 (window and page: one routine)"),
    F(REPORT, "{1, 8400.0f, 8600.0f, 9400.0f},", "{1, 8500.0f, 8600.0f, 9400.0f},",
      "report 1% column moved"),
    F(REPORT, ".targetX = 3040.0f,", ".targetX = 3000.0f,", "report target column moved"),
    F(REPORT, ".unitsPerDb = 2000.0f,", ".unitsPerDb = 2500.0f,", "report chart scale wrong"),
    F(REPORT, ".zeroLinePen = 4.0f,", ".zeroLinePen = 2.0f,", "report zero line in the grid pen"),
    F(CHART, 'const char* unit = std::fabs(d) < 0.001f ? "dB" : "";',
      'const char* unit = std::fabs(d) < 0.001f ? " dB" : "";',
      "zero label spaced (report and window: one routine)"),
    F(CHART, "markers(state.Atten1Pct, kMarker1Half, LineMode::FilledBox, kGreen);",
      "markers(state.Atten1Pct, kMarker1Half, LineMode::FilledBox, kRed);",
      "1% markers red (page and window: one routine)"),
    F(REPORT, '+ kMakerAddress + "  - " + date', '+ kMakerAddress + " - " + date', "footer spacing"),
    F("ui/surface/surface.cpp", 'printText(value < 0 ? digits : " " + digits);', "printText(digits);",
      "numbers without the blank for the plus sign"),
    F("ui/surface/surface.cpp", "const PointF start = mode == LineMode::Continued ? current_ : from;",
      "const PointF start = from;", "continued lines start at the origin"),
    F("ui/surface/painter_surface.cpp", "std::max(1.0, std::round(static_cast<double>(penWidth_)",
      "std::max(2.0, std::round(static_cast<double>(penWidth_)", "thin lines drawn two dots wide"),
    F("ui/surface/painter_surface.cpp", "QPointF(topLeft.x(), topLeft.y() + ascent)",
      "QPointF(topLeft.x(), topLeft.y())", "text drawn from its baseline, one line high"),
    F("ui/desktop/print_job.cpp", "printer.setPageOrientation(QPageLayout::Portrait);",
      "printer.setPageOrientation(QPageLayout::Landscape);", "page printed landscape"),
    F("ui/desktop/print_job.cpp", "if (!draw(sheet)) return false;", "draw(sheet);",
      "an undrawable report still starts a print job"),
    F("ui/desktop/table_copy.cpp", "!key->matches(QKeySequence::Copy) || box->hasSelectedText()) return false;",
      "!key->matches(QKeySequence::Copy)) return false;", "Copy in a box with a selection copies the table"),
    F("ui/windows/navigation.cpp", "  leaving->close();", "  leaving->hide();", "left windows linger hidden"),
    F("ui/surface/window_surface.cpp", "  kept_.setPenWidth(width);\n", "",
      "a resized window redraws without its pen widths"),
    F("ui/desktop/fonts.cpp", 'substitute("Times New Roman", serif);', 'substitute("Times New Roman", sans);',
      "title face without serifs"),
    # --- ui/: keys, palettes, the copied design, screen readers ----------------
    F("ui/desktop/window_keys.cpp", "&& others == Qt::NoModifier;", ";", "Ctrl+Enter and Shift+Enter press buttons"),
    F("ui/desktop/window_keys.cpp", "(key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)",
      "(key.key() == Qt::Key_Return)", "keypad Enter presses nothing"),
    F("ui/desktop/window_keys.cpp", "button == nullptr || !button->isEnabled() ||", "button == nullptr ||",
      "Enter presses a disabled button"),
    F("ui/desktop/window_keys.cpp", "QKeySequence(Qt::CTRL | Qt::Key_Q)", "QKeySequence(Qt::CTRL | Qt::Key_W)",
      "Ctrl+Q does not quit"),
    F("ui/desktop/window_palette.cpp", "const bool dark = RelativeLuminance(background) < 0.18;",
      "const bool dark = RelativeLuminance(background) < 0.018;", "black text on the dark window"),
    F("ui/desktop/window_palette.cpp", "const QColor kDisabled(96, 96, 96);", "const QColor kDisabled(160, 160, 160);",
      "disabled text too faint to read"),
    F("ui/desktop/window_palette.cpp", "QPalette::Highlight, dark ? kDarkSelection : kSelection);",
      "QPalette::Highlight, kSelection);", "focus frame lost on the dark window"),
    F("ui/windows/design_table.cpp", "const bool ground = p == n - 1;", "const bool ground = p == n - 2;",
      "copied table loses the last position's target"),
    F("ui/windows/design_table.cpp", "top ? \"\" : number(state.R1Pct[p]),", "top ? \"\" : number(state.R5Pct[p]),",
      "copied 1% column holds the 5% values"),
    F("ui/windows/design_table.cpp", "notation::PointToSeparator(text, separator);", "",
      "copied numbers ignore the decimal comma"),
    F("ui/windows/accessibility.cpp", "constexpr std::size_t kMostStraying = 3;",
      "constexpr std::size_t kMostStraying = 4;", "screen-reader summary names four positions"),
    F("ui/windows/accessibility.cpp", "return std::fabs(a.d) > std::fabs(b.d);", "return a.d > b.d;",
      "summary ranks by signed deviation (large shortfalls last)"),
    F("ui/windows/accessibility.cpp", '(strays[i].d > 0.0f ? " more attenuation" : " less attenuation")',
      '(strays[i].d > 0.0f ? " less attenuation" : " more attenuation")', "summary says more for less"),
    F("ui/windows/accessibility.cpp", "  prompt->setBuddy(box);\n", "", "Alt+letter of a prompt does not reach its box"),
    # --- app/ -------------------------------------------------------------------
    F(OPEN, '{"Label5", "Version", ui::kWindowFamily, 12.0, 3840.0f, 368.0f},',
      '{"Label5", "Version", ui::kWindowFamily, 12.0, 3940.0f, 368.0f},', "version label out of place", True),
    F(OPEN, "QSizeF(content.width(), background_.height() / devicePixelRatioF())",
      "QSizeF(content.width(), background_.height())", "background twice too tall at pixel ratio 2", True),
    F("app/startup.cpp", "  UseLocaleDecimalSeparator();\n", "",
      "the user's decimal separator not applied at start-up", True),
    F(OPEN, "  createControls();\n  load();\n  open();", "  createControls();\n  open();\n  load();",
      "background black until the first resize", True),
    F("ui/desktop/window_palette.h", "inline const QColor kLightCyan(192, 255, 255);",
      "inline const QColor kLightCyan(192, 255, 192);",
      "title labels the wrong colour"),
    F(OPEN, "placeAt(cmdStart, QRectF(5100, 5800, 1500, 340));", "placeAt(cmdStart, QRectF(5100, 5900, 1500, 340));",
      "Start button moved"),
    F(OPEN, '"Times New Roman", 48.0,', '"Times New Roman", 36.0,', "title too small"),
    F(OPEN, "lineEndX_ = static_cast<float>(screenPixels * ui::kTwipsPerPixel);",
      "lineEndX_ = static_cast<float>(screenPixels * ui::kTwipsPerPixel / 2);",
      "background lines stop half way"),
    F(OPEN, "void frmOpening::startClicked() { ui::ShowDesignWindow(this); }",
      "void frmOpening::startClicked() { close(); }", "Start closes the program"),
    F("app/background.cpp", "const float blue = y * 390.0f / 9000.0f - 100.0f;",
      "const float blue = y * 390.0f / 9000.0f - 90.0f;", "background gradient shifted"),
    F("app/background.cpp", "std::clamp(value, 1.0f, 255.0f)", "std::clamp(value, 0.0f, 255.0f)",
      "top of the background pure black"),
    F("app/background.cpp", "HoldToComponent(std::nearbyint(blue))", "HoldToComponent(std::round(blue))",
      "halves in the gradient round away from zero"),
    F("app/background.cpp", "    y = y + 1.0f;\n", "    y = y + 2.0f;\n", "gradient twice as steep"),
    F("app/startup.cpp", 'setDesktopFileName(QStringLiteral("example.kestrix.Kestrix"))',
      'setDesktopFileName(QStringLiteral("kestrix"))', "windows not matched to the menu entry"),
]

# Test programs that can see each folder, and the targets to build for them.
# A name ending in _tests is a GoogleTest program run directly; any other
# name is a CTest test, run through ctest.
SUITES = {
    "notation": ["notation_tests", "design_tests", "circuit_tests", "circuit_text_tests", "fuzz_tests", "pictures_tests", "ui_tests", "app_tests",
                 "monkey_tests"],
    "design": ["design_tests", "circuit_tests", "circuit_text_tests", "fuzz_tests", "pictures_tests", "ui_tests",
               "app_tests", "monkey_tests"],
    "circuit": ["circuit_tests", "circuit_text_tests", "fuzz_tests", "pictures_tests", "ui_tests", "app_tests",
                "monkey_tests"],
    "circuit_text": ["circuit_text_tests", "fuzz_tests", "pictures_tests", "ui_tests", "app_tests", "monkey_tests"],
    "ui": ["surface_tests", "pictures_tests", "ui_tests", "app_tests", "monkey_tests", "program_window_smoke"],
    "app": ["app_tests", "monkey_tests", "program_window_smoke", "program_without_display"],
}
CTEST_TARGETS = {"program_window_smoke": ["kestrix"], "program_without_display": ["kestrix"]}
QT_ENVIRONMENT = {"QT_QPA_PLATFORM": "offscreen"}
SKIPPED_NAMES = {".git", "out"}


def skipped(name):
    return name in SKIPPED_NAMES or name.startswith("build")


def sync_tree(source: Path, target: Path):
    """Makes target hold source's files, copying only what differs so the
    scratch build stays incremental; target/build is left alone."""
    seen = set()
    for folder, dirs, files in os.walk(source):
        dirs[:] = [d for d in dirs if not skipped(d)]
        rel = Path(folder).relative_to(source)
        (target / rel).mkdir(parents=True, exist_ok=True)
        for name in files:
            src, dst = Path(folder) / name, target / rel / name
            seen.add(rel / name)
            if not dst.exists() or not filecmp.cmp(src, dst, shallow=False):
                # A fresh time stamp, not the source's: a file put back over a
                # fault left by an interrupted run may be older than the object
                # built from the fault, and the build would keep that object.
                shutil.copy(src, dst)
    for folder, dirs, files in os.walk(target):
        dirs[:] = [d for d in dirs if not skipped(d)]
        rel = Path(folder).relative_to(target)
        for name in files:
            if rel / name not in seen:
                (Path(folder) / name).unlink()


def status(fault: Fault, tree: Path):
    path = tree / fault.file
    if not path.exists():
        return "stale"
    text = path.read_text(encoding="utf-8")
    for original, _ in fault.pairs():
        count = text.count(original)
        if count == 0:
            return "stale"
        if count > 1:
            return "ambiguous"
    return "ok"


def run(command, cwd, timeout=None, env=None):
    """Runs command in a process group of its own and returns (exit code or
    None on timeout, output). Whatever the command leaves running (a program
    a test script started, a virtual X server) is ended with the group, so
    nothing of a fault outlives its test or holds the output open."""
    with tempfile.TemporaryFile(mode="w+", errors="replace") as output:
        process = subprocess.Popen(command, cwd=cwd, env=env, stdout=output,
                                   stderr=subprocess.STDOUT, start_new_session=True)
        try:
            code = process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            code = None
        try:
            os.killpg(process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        process.wait()
        output.seek(0)
        return code, output.read()


class Scratch:
    def __init__(self, root: Path, timeout_floor: float):
        self.root = root
        self.build = root / "build"
        self.timeout_floor = timeout_floor
        self.baseline = {}
        self.env = dict(os.environ)
        # Paths below the scratch root are hashed relative to it, so ccache
        # finds the objects of any other build laid out the same way.
        self.env.update(CCACHE_BASEDIR=str(root), CCACHE_NOHASHDIR="1")
        if shutil.which("ccache"):
            self.env.setdefault("CMAKE_CXX_COMPILER_LAUNCHER", "ccache")

    def configure(self):
        code, out = run(["cmake", "-S", ".", "-B", "build", "-G", "Ninja",
                         "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DKESTRIX_BUILD_BENCH=OFF"],
                        self.root, env=self.env)
        if code != 0:
            sys.exit("configuring the scratch tree failed:\n" + out[-3000:])

    def targets(self, suites):
        names = []
        for suite in suites:
            names += CTEST_TARGETS.get(suite, [suite] if suite.endswith("_tests") else [])
        return sorted(set(names))

    def compile(self, suites, timeout=1800):
        code, out = run(["cmake", "--build", "build", "--target", *self.targets(suites)],
                        self.root, timeout=timeout, env=self.env)
        return code == 0, out

    def executable(self, suite):
        found = list(self.build.glob(f"tests/**/{suite}"))
        return found[0] if found else None

    def run_suite(self, suite, timeout):
        """True when every test passed; with the first failing test's name."""
        env = dict(self.env, **QT_ENVIRONMENT)
        if suite.endswith("_tests"):
            exe = self.executable(suite)
            if exe is None:
                return False, "missing program"
            code, out = run([str(exe), "--gtest_fail_fast", "--gtest_brief=1"], exe.parent,
                            timeout=timeout, env=env)
            failed = re.search(r"\[  FAILED  \] ([^\s,]+)", out)
        else:
            code, out = run(["ctest", "--test-dir", "build", "-R", f"^{suite}$", "--output-on-failure",
                             "--timeout", str(int(timeout))], self.root, timeout=timeout + 30, env=env)
            failed = None
        if code is None:
            return False, f"{suite} timed out"
        if code != 0:
            return False, f"{suite}: {failed.group(1) if failed else f'exit {code}'}"
        return True, ""

    def measure_baseline(self, suites):
        for suite in suites:
            start = time.monotonic()
            passed, why = self.run_suite(suite, timeout=max(600.0, self.timeout_floor))
            if not passed:
                sys.exit(f"the unchanged tree fails {suite} ({why}); fix that first")
            self.baseline[suite] = time.monotonic() - start

    def timeout(self, suite):
        return max(self.timeout_floor, 5 * self.baseline.get(suite, self.timeout_floor))


def apply(fault: Fault, tree: Path):
    path = tree / fault.file
    original = path.read_text(encoding="utf-8")
    text = original
    for old, new in fault.pairs():
        text = text.replace(old, new, 1)
    path.write_text(text, encoding="utf-8")
    return original


def main():
    # Ended by a signal, a run still puts the faulty file back (the finally
    # below), so the scratch tree never keeps a fault.
    for ending in (signal.SIGTERM, signal.SIGHUP):
        signal.signal(ending, lambda number, _: sys.exit(128 + number))
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--only", help="comma-separated folders (notation,design,circuit,circuit_text,ui,app)")
    parser.add_argument("--list", action="store_true", help="list the faults and whether they apply")
    parser.add_argument("--rev", help="mutate this git revision instead of the working tree")
    parser.add_argument("--tree", type=Path, default=ROOT, help="source tree to mutate (default: this one)")
    parser.add_argument("--scratch", type=Path, help="scratch folder to keep between runs")
    parser.add_argument("--suites", help="comma-separated test programs, replacing the folder map")
    parser.add_argument("--match", help="only faults whose description contains this text")
    parser.add_argument("--ids", help="only these fault numbers (as --list shows them), comma-separated")
    parser.add_argument("--timeout", type=float, default=60.0,
                        help="least seconds a test program may run (default 60; else 5x its usual time)")
    args = parser.parse_args()

    folders = set(args.only.split(",")) if args.only else set(SUITES)
    unknown = folders - set(SUITES)
    if unknown:
        parser.error(f"unknown folder(s): {', '.join(sorted(unknown))}")
    chosen = [(i, f) for i, f in enumerate(FAULTS, 1)
              if f.folder in folders and (not args.match or args.match in f.breaks)
              and (not args.ids or str(i) in args.ids.split(","))]

    with tempfile.TemporaryDirectory(prefix="kestrix-rev-") as exported:
        source = args.tree.resolve()
        if args.rev:
            archive = subprocess.run(["git", "-C", str(ROOT), "archive", args.rev],
                                     check=True, stdout=subprocess.PIPE).stdout
            subprocess.run(["tar", "-x", "-C", exported], input=archive, check=True)
            source = Path(exported)

        if args.list:
            for i, fault in chosen:
                mark = "*" if fault.listed else " "
                print(f"{i:3}{mark} {status(fault, source):9} {fault.file:32} {fault.breaks}")
            print("(* = listed in the issue)")
            return

        scratch_root = args.scratch or Path(tempfile.gettempdir()) / f"kestrix-mutate-{os.getuid()}"
        scratch_root.mkdir(parents=True, exist_ok=True)
        sync_tree(source, scratch_root)
        scratch = Scratch(scratch_root, args.timeout)
        print(f"scratch tree {scratch_root}" + (f" (revision {args.rev})" if args.rev else ""))
        scratch.configure()

    override = args.suites.split(",") if args.suites else None
    suites_of = {folder: override or SUITES[folder] for folder in folders}
    every_suite = sorted({s for f in folders for s in suites_of[f]})
    print(f"building and checking the unchanged tree: {', '.join(every_suite)}")
    built, out = scratch.compile(every_suite)
    if not built:
        sys.exit("the unchanged tree does not build:\n" + out[-3000:])
    scratch.measure_baseline(every_suite)

    results = {}
    for number, (i, fault) in enumerate(chosen, 1):
        state = status(fault, scratch_root)
        detail = ""
        if state == "ok":
            saved = apply(fault, scratch_root)
            try:
                # One program at a time, built just before it runs: the first
                # failure ends the fault, so the rest need not even be linked.
                state = "survived"
                for suite in suites_of[fault.folder]:
                    built, out = scratch.compile([suite])
                    if not built:
                        state = "build-failed"
                        break
                    passed, why = scratch.run_suite(suite, scratch.timeout(suite))
                    if not passed:
                        state, detail = "killed", why
                        break
            finally:
                (scratch_root / fault.file).write_text(saved, encoding="utf-8")
        results[i] = state
        print(f"[{number}/{len(chosen)}] #{i:<3} {state:12} {fault.file}: {fault.breaks}"
              + (f"  ({detail})" if detail else ""), flush=True)

    # Leave the scratch build matching the unchanged tree for the next run.
    scratch.compile(every_suite)

    print("\nfolder      killed  survived  kill rate  build-failed  stale")
    for folder in sorted(folders):
        mine = [results[i] for i, f in chosen if f.folder == folder]
        killed, survived = mine.count("killed"), mine.count("survived")
        rate = f"{100.0 * killed / (killed + survived):6.1f}%" if killed + survived else "     -"
        stale = mine.count("stale") + mine.count("ambiguous")
        print(f"{folder:10} {killed:7} {survived:9}  {rate:>9} {mine.count('build-failed'):13} {stale:6}")
    all_killed = sum(1 for s in results.values() if s == "killed")
    all_survived = sum(1 for s in results.values() if s == "survived")
    if all_killed + all_survived:
        print(f"{'all':10} {all_killed:7} {all_survived:9}  "
              f"{100.0 * all_killed / (all_killed + all_survived):8.1f}%")

    for label, wanted in (("Survivors", "survived"), ("Did not compile", "build-failed"),
                          ("Stale (original text not found)", "stale"),
                          ("Ambiguous (original text found more than once)", "ambiguous")):
        rows = [(i, f) for i, f in chosen if results[i] == wanted]
        if rows:
            print(f"\n{label}:")
            for i, fault in rows:
                print(f"  #{i:<3} {fault.file}: {fault.breaks}")


if __name__ == "__main__":
    main()
