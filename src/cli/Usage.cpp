#include "cli/Usage.h"

#include <algorithm>
#include <sstream>
#include <string_view>

#include "cli/CmdRender.h"
#include "cli/Commands.h"

namespace vh::cli {

namespace {

const char* const kSummary = "Command-line companion of Varnholt Editor for mission files (miss*.dat).";

const char* const kExitCodes = "0 done (check: no errors, warnings allowed), 1 failed, 2 bad usage.";

const char* const kNamesNote =
    "A mission whose shop names file is missing is read with default shop names, as the editor opens it, and "
    "a warning says so.";

std::vector<std::string> Paragraphs(std::string_view text) {
  std::vector<std::string> out;
  size_t at = 0;
  while (at <= text.size()) {
    const size_t end = std::min(text.find('\n', at), text.size());
    out.emplace_back(text.substr(at, end - at));
    at = end + 1;
  }
  return out;
}

// Markdown reads a line that starts with one of these as a list, a quote
// or a heading.
bool MarkdownMarker(const std::string& word) {
  return word.find_first_of("+-*>#") == 0 || (word.find_first_not_of("0123456789") == word.size() - 1 &&
                                              (word.back() == '.' || word.back() == ')'));
}

// `text` filled into lines of at most `width` characters, the first after
// `first`, the others after `indent`; for Markdown no line starts with a
// word that would make it a list or a quote.
std::string Wrap(std::string_view text, const std::string& first, const std::string& indent, size_t width,
                 bool markdown = false) {
  std::string out, line = first;
  bool empty = true;
  std::istringstream words{std::string(text)};
  for (std::string word; words >> word;) {
    if (!empty && line.size() + 1 + word.size() > width && !(markdown && MarkdownMarker(word))) {
      out += line + "\n";
      line = indent;
      empty = true;
    }
    line += (empty ? "" : " ") + word;
    empty = false;
  }
  return out + line + "\n";
}

// Roff: a backslash is \e, a word that starts with "-" has minus signs, and
// no line may start with a control character.
std::string Roff(std::string_view text) {
  std::string out;
  bool wordStart = true, optionWord = false;
  for (char c : text) {
    if (wordStart)
      optionWord = c == '-';
    wordStart = c == ' ' || c == '(' || c == '\n';
    if (c == '\\')
      out += "\\e";
    else if (c == '-' && optionWord)
      out += "\\-";
    else
      out += c;
  }
  if (!out.empty() && (out[0] == '.' || out[0] == '\''))
    out.insert(0, "\\&");
  return out;
}

std::string RoffTerm(const char* name, const char* value) {
  std::string term = "\\fB" + Roff(name) + "\\fR";
  if (*value)
    term += " \\fI" + Roff(value) + "\\fR";
  return term;
}

std::string RoffParagraphs(const char* text) {
  std::string out;
  bool first = true;
  for (const std::string& p : Paragraphs(text)) {
    out += (first ? "" : ".IP\n") + Roff(p) + "\n";
    first = false;
  }
  return out;
}

std::string OptionTerm(const TOptionDoc& o) {
  return std::string(o.Name) + (*o.Value ? " " + std::string(o.Value) : "");
}

}  // namespace

const std::vector<TCommandDoc>& CommandDocs() {
  static const std::vector<TCommandDoc> docs{
      {"dump", "MISSION",
       "Print the whole mission as JSON. vhmission-dump.schema.json, installed with the program's data, "
       "describes it field by field with the meaning of every special value; \"schemaVersion\" says which "
       "layout it is.",
       CmdDump},
      {"load", "JSON OUT",
       "Write the mission OUT and its shop names file from JSON as dump prints it (\"-\" reads standard "
       "input). dump then load writes the very bytes a save would.\nJSON that the files could not hold, or "
       "that would read back differently, is refused with the path of the field (such as shops[3].name), and "
       "nothing is written.",
       CmdLoad},
      {"check", "MISSION",
       "Check the mission as the editor's Mission > Check does: one line per kind of problem with the count "
       "and the first places. Exit 1 when there are errors (what the files cannot hold or would read back "
       "differently), 0 with warnings only.",
       CmdCheck},
      {"roundtrip", "IN OUT",
       "Load IN and save it as OUT with OUT's shop names file, as the editor's Save As does, and say which "
       "files it wrote.",
       CmdRoundtrip},
      {"resize", "MISSION OUT",
       "Write MISSION resized as OUT, as the editor's Mission > Resize Map does: the option --size gives "
       "the new columns and rows, and the option --offset where the old map goes. Terrain, objects, units "
       "with their cargo and AI points, shops with their names and every change layer's records move with "
       "their cells; what falls outside is removed, and the command says how much.",
       CmdResize},
      {"coasts", "MISSION OUT",
       "Write MISSION as OUT with every water and coast cell of the map given the coast picture of the land "
       "around it, as the editor's Mission > Rebuild Coasts does. Land is never changed; water beside "
       "land that no coast picture fits keeps its picture, and check lists it.",
       CmdCoasts},
      {"render", "MISSION OUT", "Draw the whole map as the editor shows it into OUT, a .bmp or .png file.",
       CmdRender},
  };
  return docs;
}

const std::vector<TOptionDoc>& OptionDocs() {
  static const std::vector<TOptionDoc> docs{
      {"--json", "", "check: print every problem with all its places as JSON."},
      {"--lang", "LANG",
       "check: the language of the plain report's sentences, en (the default) or de, as the editor's German "
       "translation has them. Everything else, and the JSON, stays English."},
      {"--size", "WxH", "resize: the new number of columns and rows, 24 to 64 by 16 to 64, such as 48x40."},
      {"--offset", "DX,DY",
       "resize: where the old map's top left cell goes, in columns and rows; negative values cut the left or "
       "top. Odd columns sit half a cell lower, so DX must be even. Default 0,0."},
      {"--std-dir", "DIR",
       "load, roundtrip, resize, coasts: where stdmiss.dat and stddf00.dat lie (default: beside the "
       "program, or its installed data folder). check reads stddf00.dat from there when it can; dump and "
       "render need neither."},
      {"--text-dir", "NAME",
       "The game's text folder, where the shop names files of missions in a folder named MIS lie (default: "
       "GER)."},
      {"--game-dir", "DIR", "render: the game directory (default: VarnholtDir of the editor's vhedit.ini)."},
      {"--ini", "FILE", "render: read the game directory from this vhedit.ini instead."},
      {"--filter", "N",
       "render: what is drawn, as the sum of these bits (decimal, or hexadecimal after 0x): 1 terrain, 2 "
       "objects, 4 units, 8 shop marks, 16 cargo marks, 32 AI point marks, 64 the base map, 128 the change "
       "layer, 256 marks on the cells the change layer changes. Nothing shows without 64 or 128. Default 71 "
       "(1 + 2 + 4 + 64); 255 adds the marks and the change layer."},
      {"--df-layer", "N", "render: the change layer to draw (0 to 31); it shows with filter bit 128."},
      {"--grid", "", "render: draw the hexagon grid."},
      {"--help", "", "Show a summary of the commands and options."},
      {"--version", "", "Print the version."},
  };
  return docs;
}

std::string HelpText() {
  constexpr size_t width = 80;
  const std::string column(26, ' ');
  auto entry = [&](const std::string& term, const char* text) {
    std::string out;
    bool first = true;
    for (const std::string& p : Paragraphs(text)) {
      const std::string head = !first ? column
                               : term.size() + 4 <= column.size()
                                   ? "  " + term + std::string(column.size() - 2 - term.size(), ' ')
                                   : "  " + term + "\n" + column;
      out += Wrap(p, head, column, width);
      first = false;
    }
    return out;
  };
  std::string out =
      "Usage: vhmission COMMAND [OPTIONS] ARGUMENTS\n\n" + std::string(kSummary) + "\n\nCommands:\n";
  for (const TCommandDoc& c : CommandDocs())
    out += entry(std::string(c.Name) + " " + c.Arguments, c.Text);
  out += "\n" + Wrap(kNamesNote, "", "", width) + "\nOptions:\n";
  for (const TOptionDoc& o : OptionDocs())
    out += entry(OptionTerm(o), o.Text);
  return out + "\n" + Wrap(std::string("Exit codes: ") + kExitCodes, "", "", width);
}

std::string ManSections() {
  std::string out = ".SH COMMANDS\n";
  for (const TCommandDoc& c : CommandDocs())
    out += ".TP\n" + RoffTerm(c.Name, c.Arguments) + "\n" + RoffParagraphs(c.Text);
  out += ".PP\n" + Roff(kNamesNote) + "\n.SH OPTIONS\n";
  for (const TOptionDoc& o : OptionDocs())
    out += ".TP\n" + RoffTerm(o.Name, o.Value) + "\n" + RoffParagraphs(o.Text);
  return out + ".SH EXIT STATUS\n" + Roff(kExitCodes) + "\n";
}

std::string MarkdownList() {
  constexpr size_t width = 76;
  auto item = [&](const std::string& term, const char* text) {
    std::string out;
    bool first = true;
    for (const std::string& p : Paragraphs(text)) {
      out +=
          first ? Wrap(p, "- `" + term + "`: ", "  ", width, true) : "\n" + Wrap(p, "  ", "  ", width, true);
      first = false;
    }
    return out;
  };
  std::string out = "Commands:\n\n";
  for (const TCommandDoc& c : CommandDocs())
    out += item("vhmission " + std::string(c.Name) + " " + c.Arguments, c.Text);
  out += "\n" + Wrap(kNamesNote, "", "", width, true) + "\nOptions:\n\n";
  for (const TOptionDoc& o : OptionDocs())
    out += item(OptionTerm(o), o.Text);
  return out + "\n" + Wrap(std::string("Exit codes: ") + kExitCodes, "", "", width, true);
}

}  // namespace vh::cli
