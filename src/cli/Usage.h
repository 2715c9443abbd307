#pragma once

#include <string>
#include <vector>

namespace vh::cli {

// The one description of vhmission's commands and options: `--help`, the
// manual page and the README's list are all made from it, so none of them
// can fall behind the program.
struct TCommandDoc {
  const char* Name;
  const char* Arguments;
  const char* Text;  // sentences; "\n" starts a new paragraph
  int (*Run)(const std::vector<std::string>& args);
};

struct TOptionDoc {
  const char* Name;   // "--std-dir"
  const char* Value;  // "DIR", or "" for a flag
  const char* Text;
};

const std::vector<TCommandDoc>& CommandDocs();
const std::vector<TOptionDoc>& OptionDocs();

// What `vhmission --help` prints.
std::string HelpText();
// The COMMANDS, OPTIONS and EXIT STATUS sections of the manual page (roff).
std::string ManSections();
// The README's list of commands and options (Markdown).
std::string MarkdownList();

}  // namespace vh::cli
