#include "cli/CliCommon.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "base/Errors.h"
#include "base/Platform.h"
#include "config/Installation.h"
#include "mission/MissionFile.h"
#include "mission/StdData.h"

namespace vh::cli {

std::optional<std::string> ParsedArgs::Option(const std::string& name) const {
  std::optional<std::string> value;
  for (const auto& [n, v] : options)
    if (n == name)
      value = v;
  return value;
}

bool ParsedArgs::Flag(const std::string& name) const {
  return Option(name).has_value();
}

ParsedArgs ParseArgs(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
                     const std::vector<std::string>& flags) {
  ParsedArgs parsed;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.size() < 2 || a.compare(0, 2, "--") != 0) {
      parsed.positional.push_back(a);
      continue;
    }
    std::string name = a, value;
    size_t eq = a.find('=');
    bool inlineValue = eq != std::string::npos;
    if (inlineValue) {
      name = a.substr(0, eq);
      value = a.substr(eq + 1);
    }
    if (std::find(flags.begin(), flags.end(), name) != flags.end() && !inlineValue) {
      parsed.options.emplace_back(name, "");
    } else if (std::find(valueOptions.begin(), valueOptions.end(), name) != valueOptions.end()) {
      if (!inlineValue) {
        if (i + 1 >= args.size())
          throw UsageError{"option " + name + " needs a value"};
        value = args[++i];
      }
      parsed.options.emplace_back(name, value);
    } else {
      throw UsageError{"unknown option " + a};
    }
  }
  return parsed;
}

std::string ProgramDir() {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path exe = PathOf(ProgramFile());
  if (exe.empty())
    exe = fs::current_path(ec) / "vhmission";
  std::string dir = Utf8Of(exe.parent_path());
  if (dir.empty() || dir.back() != static_cast<char>(fs::path::preferred_separator))
    dir += static_cast<char>(fs::path::preferred_separator);
  return dir;
}

void ApplyStdOptions(const ParsedArgs& args, TStdUse use) {
  if (auto text = args.Option("--text-dir")) {
    if (text->empty())
      throw UsageError{"--text-dir needs a directory name"};
    TxtFilesDir = *text;
  }
  if (use == TStdUse::None)
    return;
  auto given = args.Option("--std-dir");
  std::string dir = given ? *given : FindDataDir(ProgramDir());
  if (!dir.empty() && dir.back() != '/' && dir.back() != '\\')
    dir += '/';
  auto load = [&](void (*loader)(const std::string&), const char* name) {
    try {
      loader(dir + name);
    } catch (const EVhError& e) {
      if (use == TStdUse::Optional)
        return;
      if (given)
        throw;
      PrintWarning(MessageText(e.what()) + "; going on without it");
    }
  };
  load(LoadStdMissionTemplate, "stdmiss.dat");
  load(LoadStdDFStream, "stddf00.dat");
}

std::string LoadMission(TMission& m, const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::file_status status = fs::status(PathOf(path), error);
  if (fs::is_directory(status))
    throw EVhError("\"" + path + "\" is a folder, not a mission file");
  if (status.type() == fs::file_type::not_found)
    throw EVhError("The mission file \"" + path + "\" does not exist");
  const std::string names = MissingNamesFile(path);
  if (!names.empty())
    PrintWarning("the shop names file \"" + PathText(names) +
                 "\" is missing; the shops get default names, as in the editor");
  m.LoadFromFile(path, !names.empty());
  return names;
}

void WarningSink::Anomaly(const std::string& what) {
  ++count_;
  PrintWarning(MessageText(what));
}

namespace {

// 0x80..0x9F differ from Latin-1; the five undefined codes keep their number.
constexpr char16_t k80[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                              0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                              0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                              0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// The code point at `at`, moving `at` past it; -1 (and one byte on) for a
// byte that starts no valid sequence.
long NextCodePoint(std::string_view s, size_t& at) {
  const auto b0 = static_cast<unsigned char>(s[at]);
  const int length = b0 < 0x80 ? 1 : (b0 >> 5) == 6 ? 2 : (b0 >> 4) == 14 ? 3 : (b0 >> 3) == 30 ? 4 : 0;
  if (length == 0 || at + length > s.size()) {
    ++at;
    return -1;
  }
  long cp = length == 1 ? b0 : b0 & (0x7F >> length);
  for (int i = 1; i < length; ++i) {
    const auto b = static_cast<unsigned char>(s[at + i]);
    if ((b >> 6) != 2) {
      ++at;
      return -1;
    }
    cp = cp << 6 | (b & 0x3F);
  }
  static constexpr long kLeast[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kLeast[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++at;
    return -1;
  }
  at += length;
  return cp;
}

bool IsValidUtf8(std::string_view s) {
  for (size_t at = 0; at < s.size();)
    if (NextCodePoint(s, at) < 0)
      return false;
  return true;
}

}  // namespace

std::string Cp1252ToUtf8(const std::string& text) {
  std::string out;
  for (char ch : text) {
    auto b = static_cast<unsigned char>(ch);
    AppendUtf8(out, b < 0x80 ? b : b < 0xA0 ? k80[b - 0x80] : b);
  }
  return out;
}

bool Utf8ToCp1252(std::string_view text, std::string& out, long& bad) {
  out.clear();
  for (size_t at = 0; at < text.size();) {
    const long cp = NextCodePoint(text, at);
    int byte = cp >= 0 && (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) ? static_cast<int>(cp) : -1;
    for (int i = 0; i < 32 && byte < 0 && cp >= 0; ++i)
      if (k80[i] == cp)
        byte = 0x80 + i;
    if (byte < 0) {
      bad = cp;
      return false;
    }
    out += static_cast<char>(byte);
  }
  return true;
}

std::string PathText(const std::string& path) {
  // Paths are UTF-8 already; what is not valid is shown as such, never
  // read as code page 1252.
  const std::string_view bytes(path);
  std::string out;
  for (size_t at = 0; at < bytes.size();) {
    const long cp = NextCodePoint(bytes, at);
    AppendUtf8(out, cp < 0 ? 0xFFFD : static_cast<char32_t>(cp));
  }
  return out;
}

std::string MessageText(const std::string& message) {
  return IsValidUtf8(message) ? message : Cp1252ToUtf8(message);
}

int PrintError(const std::string& message) {
  std::fprintf(stderr, "vhmission: error: %s\n", message.c_str());
  return ExitFailed;
}

void PrintWarning(const std::string& message) {
  std::fprintf(stderr, "vhmission: warning: %s\n", message.c_str());
}

}  // namespace vh::cli
