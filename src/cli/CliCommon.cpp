#include "cli/CliCommon.h"

#include <algorithm>
#include <filesystem>

#include "base/Errors.h"
#include "base/Platform.h"
#include "config/Installation.h"
#include "mission/StdData.h"

namespace vh::cli {

std::optional<std::string> ParsedArgs::Option(const std::string& name) const {
  std::optional<std::string> value;
  for (const auto& [n, v] : options)
    if (n == name)
      value = v;
  return value;
}

bool ParsedArgs::Flag(const std::string& name) const { return Option(name).has_value(); }

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

void ApplyStdOptions(const ParsedArgs& args, bool warnMissing) {
  if (auto text = args.Option("--text-dir")) {
    if (text->empty())
      throw UsageError{"--text-dir needs a directory name"};
    TxtFilesDir = *text;
  }
  auto given = args.Option("--std-dir");
  std::string dir = given ? *given : FindDataDir(ProgramDir());
  if (!dir.empty() && dir.back() != '/' && dir.back() != '\\')
    dir += '/';
  auto load = [&](void (*loader)(const std::string&), const char* name) {
    try {
      loader(dir + name);
    } catch (const EVhError& e) {
      if (given)
        throw;
      if (warnMissing)
        std::fprintf(stderr, "vhmission: warning: %s; going on without it\n", e.what());
    }
  };
  load(LoadStdMissionTemplate, "stdmiss.dat");
  load(LoadStdDFStream, "stddf00.dat");
}

void WarningSink::Anomaly(const std::string& what) {
  ++count_;
  std::fprintf(stderr, "vhmission: warning: %s\n", Cp1252ToUtf8(what).c_str());
}

std::string Cp1252ToUtf8(const std::string& text) {
  // 0x80..0x9F differ from Latin-1; undefined codes map to U+FFFD.
  static const char16_t k80[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                   0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
  std::string out;
  for (char ch : text) {
    auto b = static_cast<unsigned char>(ch);
    char32_t cp = b < 0x80 ? b : b < 0xA0 ? k80[b - 0x80] : b;
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

} // namespace vh::cli
