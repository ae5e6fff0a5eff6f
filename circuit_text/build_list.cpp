// Where each part of a ladder, shunt or relay ladder is soldered.
#include "circuit_text/build_list.h"

#include <array>
#include <cctype>
#include <cmath>

#include "circuit_text/cells.h"
#include "circuit_text/string_table.h"
#include "design/tab_text.h"
#include "notation/builder_value.h"

namespace circuit_text {
namespace {

using circuit::Kind;
using circuit::KindAnalysis;

// A part and its two ends: a lug's number, or a place ("output", "K1 in").
struct Placement {
  int Part = 0;
  std::string From;
  std::string To;
};

// What every deck of one role holds: the ladder has a series and a shunt
// role, the other kinds one.
struct Role {
  std::string Suffix;               // after the leg's name
  std::vector<std::string> Wiring;  // the copy's cells after "wiring"
  std::vector<std::string> Words;   // the readable lines of its wiring
  std::vector<Placement> Parts;
};

bool Buildable(const KindAnalysis& a) {
  return a.What != Kind::String && a.Positions >= 2 && !a.Sets.empty();
}

std::string Lugs(const std::vector<int>& lugs) {
  return (lugs.size() == 1 ? "lug " : "lugs ") + LugRuns(lugs);
}

// A readable end: "lug 2", or the place as it is.
std::string Where(const std::string& end) {
  const bool lug = !end.empty() && std::isdigit(static_cast<unsigned char>(end[0]));
  return lug ? "lug " + end : end;
}

// The lugs (p + 1) whose section slot holds `what` (circuit::kWire or
// circuit::kOpen), and the placements of the parts in the other slots.
std::vector<int> LugsHolding(const KindAnalysis& a, bool series, int what) {
  std::vector<int> lugs;
  for (std::size_t p = 0; p < a.Design.Sections.size(); ++p) {
    const circuit::Section& s = a.Design.Sections[p];
    if ((series ? s.Series : s.Shunt) == what) lugs.push_back(static_cast<int>(p) + 1);
  }
  return lugs;
}

void PlaceSlots(const KindAnalysis& a, bool series, const char* to, Role& role) {
  for (std::size_t p = 0; p < a.Design.Sections.size(); ++p) {
    const circuit::Section& s = a.Design.Sections[p];
    const int part = series ? s.Series : s.Shunt;
    if (part >= 0) role.Parts.push_back({part, std::to_string(p + 1), to});
  }
}

std::vector<Role> LadderRoles(const KindAnalysis& a) {
  Role series{" series", {"common input"}, {}, {}};
  const std::vector<int> through = LugsHolding(a, true, circuit::kWire);
  series.Wiring.push_back("output " + LugRuns(through));
  series.Words.push_back(
      "  Series deck: input to the common (wiper); S parts from their lugs to the output; " +
      Lugs(through) + " wired to the output (full volume).");
  PlaceSlots(a, true, "output", series);

  Role shunt{" shunt", {"common output"}, {}, {}};
  const std::vector<int> grounded = LugsHolding(a, false, circuit::kWire);
  const std::vector<int> open = LugsHolding(a, false, circuit::kOpen);
  shunt.Wiring.push_back("ground " + LugRuns(grounded));
  std::string words =
      "  Shunt deck: common (wiper) to the output; P parts from their lugs to "
      "ground; " +
      Lugs(grounded) + " wired to ground";
  if (!open.empty()) {
    shunt.Wiring.push_back("open " + LugRuns(open));
    words += "; " + Lugs(open) + " open (no shunt)";
  }
  shunt.Words.push_back(words + ".");
  PlaceSlots(a, false, "ground", shunt);
  return {series, shunt};
}

Role ShuntRole(const KindAnalysis& a) {
  const std::vector<int> grounded = LugsHolding(a, false, circuit::kWire);
  const std::vector<int> open = LugsHolding(a, false, circuit::kOpen);
  Role role{"",
            {"common output", "ground " + LugRuns(grounded), "open " + LugRuns(open)},
            {"  X from the input to the output, off the switch.",
             "  Common (wiper) to the output; Y parts from their lugs to ground; " + Lugs(open) +
                 " open (full volume); " + Lugs(grounded) + " wired to ground."},
            {}};
  const int x = PartNamed(a.Design.Net, "X");
  if (x >= 0) role.Parts.push_back({x, "input", "output"});
  PlaceSlots(a, false, "ground", role);
  return role;
}

Role RelayRole(const KindAnalysis& a, char separator) {
  const std::string last = "K" + std::to_string(a.Stages);
  Role role{"", {"input K1 in", "output " + last + " out"}, {}, {}};
  role.Words = {
      "  Input to K1 in; each relay's out to the next one's in; " + last + " out is the output.",
      "  Each relay, operated, puts its S part from its in to its out and its H part from its out "
      "to ground (through its second contact); released, it joins its in to its out and lifts "
      "its H part."};
  std::string codes = "  Code c operates the relays of its set bits, K1 the lowest:";
  const circuit::Network& net = a.Design.Net;
  for (int i = 1; i <= a.Stages; ++i) {
    const std::string relay = "K" + std::to_string(i);
    codes += (i > 1 ? ", " : " ") + relay + " " +
             notation::PartText(a.StepDb * std::ldexp(1.0, i - 1), separator) + " dB";
    const int s = PartNamed(net, "S" + std::to_string(i));
    const int h = PartNamed(net, "H" + std::to_string(i));
    if (s >= 0) role.Parts.push_back({s, relay + " in", relay + " out"});
    if (h >= 0) role.Parts.push_back({h, relay + " out", "ground"});
  }
  role.Words.push_back(codes + ".");
  const int t = PartNamed(net, "T");
  if (t >= 0) {
    role.Parts.push_back({t, "output", "ground"});
    role.Words.push_back("  T from the output to ground.");
  } else {
    role.Words.push_back("  No termination: the load is below what the ladder needs.");
  }
  return role;
}

std::vector<Role> Roles(const KindAnalysis& a, char separator) {
  switch (a.What) {
    case Kind::Ladder:
      return LadderRoles(a);
    case Kind::Shunt:
      return {ShuntRole(a)};
    case Kind::RelayLadder:
      return {RelayRole(a, separator)};
    default:
      return {};
  }
}

design::DecimalValue Nominal(const circuit::PartSet& set, int part) {
  return set.RoundedIn->Decimal(set.Parts.Index[static_cast<std::size_t>(part)]);
}

}  // namespace

std::vector<std::string> BuildDecks(const KindAnalysis& a) {
  std::vector<std::string> decks;
  if (!Buildable(a)) return decks;
  for (const std::string& leg : BuildDecks(a.Balanced)) {
    for (const Role& role : Roles(a, '.')) decks.push_back(leg + role.Suffix);
  }
  return decks;
}

std::vector<std::string> BuildLines(const KindAnalysis& a, int set, char separator) {
  if (!Buildable(a) || set < 0 || static_cast<std::size_t>(set) >= a.Sets.size()) return {};
  const circuit::PartSet& parts = a.Sets[static_cast<std::size_t>(set)];
  const std::string series(parts.RoundedIn->Name());
  const bool relay = a.What == Kind::RelayLadder;
  const char* const alike = a.What == Kind::Ladder
                                ? "every series deck alike and every shunt deck alike"
                            : relay ? "every board alike"
                                    : "every deck alike";
  std::vector<std::string> lines{series + " build list, " + alike + ":",
                                 DecksLine(relay ? "Boards" : "Decks", BuildDecks(a))};
  if (a.Balanced) {
    const char* const legs = a.What == Kind::Ladder ? "every leg has its own series and shunt deck"
                             : relay                ? "each board is one leg"
                                                    : "each deck is one leg";
    lines.push_back(std::string("  Balanced: ") + legs +
                    "; its input and output are the leg's own, and its ground joins the other "
                    "leg's.");
  }
  const std::vector<Role> roles = Roles(a, separator);
  for (const Role& role : roles) lines.insert(lines.end(), role.Words.begin(), role.Words.end());
  std::vector<int> mute;
  for (int p = 0; p < a.Positions; ++p) {
    if (!circuit::HasOutput(a.Design.Net, p)) mute.push_back(p + 1);
  }
  if (!mute.empty()) lines.push_back(MuteLine(mute, a.Positions));
  for (const Role& role : roles) {
    for (const Placement& place : role.Parts) {
      lines.push_back("  " + a.Design.Net.Names[static_cast<std::size_t>(place.Part)] + "  " +
                      Where(place.From) + " to " + Where(place.To) + "  " +
                      notation::WriteBuilderValue(Nominal(parts, place.Part).Ohms(), separator));
    }
  }
  return lines;
}

std::string BuildListText(const KindAnalysis& a, char separator) {
  std::string text = kBuildListHeader;
  if (!Buildable(a)) return text;
  const std::vector<Role> roles = Roles(a, separator);
  for (const std::string& leg : BuildDecks(a.Balanced)) {
    for (const Role& role : roles) {
      const std::string deck = leg + role.Suffix;
      std::vector<std::string> wiring{deck, "wiring"};
      wiring.insert(wiring.end(), role.Wiring.begin(), role.Wiring.end());
      design::AppendTabLine(text, wiring);
      for (const circuit::PartSet& set : a.Sets) {
        const std::string series(set.RoundedIn->Name());
        for (const Placement& place : role.Parts) {
          design::AppendTabLine(
              text, std::array<std::string, 6>{
                        deck, a.Design.Net.Names[static_cast<std::size_t>(place.Part)], place.From,
                        place.To, series, ExactDecimal(Nominal(set, place.Part), separator)});
        }
      }
    }
  }
  return text;
}

}  // namespace circuit_text
