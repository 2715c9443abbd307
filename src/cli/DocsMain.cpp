// vhmission_docs: writes the manual page of vhmission and keeps the README's
// list of its commands and its copy of the dump's schema in step.
//   vhmission_docs --man TEMPLATE OUT     TEMPLATE with its marker line replaced by the sections
//   vhmission_docs --check-readme README SCHEMA   exit 1 when the README's list or schema differs
//   vhmission_docs --update-readme README SCHEMA  rewrite both
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/Usage.h"

namespace {

const std::string kBegin =
    "<!-- Generated from src/cli/Usage.cpp: cmake --build build --target update_readme -->\n";
const std::string kEnd = "<!-- End of the generated list -->\n";
const std::string kSchemaBegin = "<summary>vhmission-dump.schema.json</summary>\n\n```json\n";
const std::string kSchemaEnd = "```\n\n</details>\n";
const std::string kManMarker =
    ".\\\" vhmission_docs puts the sections COMMANDS, OPTIONS and EXIT STATUS here\n";

bool Read(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  text = s.str();
  return static_cast<bool>(in);
}

bool Write(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  return static_cast<bool>(out.flush());
}

// Puts `body` between the lines `begin` and `end`; false when they are not there.
bool Replace(std::string& text, const std::string& begin, const std::string& end, const std::string& body) {
  const size_t from = text.find(begin);
  const size_t to = from == std::string::npos ? from : text.find(end, from + begin.size());
  if (to == std::string::npos)
    return false;
  text.replace(from + begin.size(), to - from - begin.size(), body);
  return true;
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "vhmission_docs: %s\n", message.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  std::string text;
  if (mode == "--man" && argc == 4) {
    if (!Read(argv[2], text))
      return Fail(std::string("cannot read ") + argv[2]);
    const size_t at = text.find(kManMarker);
    if (at == std::string::npos)
      return Fail(std::string("no line ") + kManMarker + " in " + argv[2]);
    text.replace(at, kManMarker.size(), vh::cli::ManSections());
    return Write(argv[3], text) ? 0 : Fail(std::string("cannot write ") + argv[3]);
  }
  if ((mode == "--check-readme" || mode == "--update-readme") && argc == 4) {
    std::string schema;
    if (!Read(argv[2], text) || !Read(argv[3], schema))
      return Fail(std::string("cannot read ") + argv[2] + " or " + argv[3]);
    const std::string before = text;
    if (!Replace(text, kBegin, kEnd, "\n" + vh::cli::MarkdownList() + "\n") ||
        !Replace(text, kSchemaBegin, kSchemaEnd, schema))
      return Fail(std::string("no generated list or schema between the marker lines in ") + argv[2]);
    if (text == before)
      return 0;
    if (mode == "--check-readme")
      return Fail(std::string(argv[2]) +
                  ": the list of vhmission's commands or the schema of its dump differs from "
                  "the program's; cmake --build build --target update_readme writes them");
    return Write(argv[2], text) ? 0 : Fail(std::string("cannot write ") + argv[2]);
  }
  std::fprintf(stderr, "usage: vhmission_docs --man TEMPLATE OUT | --check-readme README SCHEMA | "
                       "--update-readme README SCHEMA\n");
  return 2;
}
