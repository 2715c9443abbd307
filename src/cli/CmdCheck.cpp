// check: the editor's mission check on the command line.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "cli/Json.h"
#include "mission/Mission.h"
#include "mission/MissionCheck.h"

namespace vh::cli {

namespace {

// The report lists what the load tolerated; printing it as it happens too
// would say everything twice.
struct SilentSink : AnomalySink {
  void Anomaly(const std::string&) override {}
};

// How many places one line of the plain report names before "and N more".
constexpr size_t kPlacesShown = 5;

// The editor's German check sentences (translations/vhedit_de.ts): the
// program itself stays free of Qt.
struct TTranslatedSentence {
  const char* English;
  const char* Translation;
};
constexpr TTranslatedSentence kGermanSentences[] = {
#include "CheckSentencesDe.inc"
};

// The kind's sentence in `lang` ("en" or "de"), UTF-8.
std::string Sentence(TCheckKind kind, const std::string& lang) {
  const std::string english = CheckKindSentence(kind);
  if (lang == "de")
    for (const TTranslatedSentence& s : kGermanSentences)
      if (english == s.English)
        return s.Translation;
  return english;
}

const char* SeverityText(TSeverity s) {
  return s == TSeverity::Error ? "error" : "warning";
}

// Anomalies are messages, which name files by their paths; every other
// detail quotes the model.
std::string DetailText(const TProblem& problem, const TProblemPlace& place) {
  return problem.Kind == TCheckKind::LoadAnomaly ? MessageText(place.Detail) : Cp1252ToUtf8(place.Detail);
}

std::string PlaceText(const TProblem& problem, const TProblemPlace& p) {
  std::string text;
  if (p.HasCell())
    text = "(" + std::to_string(p.Cell.x) + ", " + std::to_string(p.Cell.y) + ")";
  if (p.Line > 0)
    text += (text.empty() ? "" : " ") + std::string("line ") + std::to_string(p.Line);
  if (!p.Detail.empty())
    text += (text.empty() ? "" : " ") + DetailText(problem, p);
  return text;
}

void PrintPlain(const std::string& file, const TMission& m, const TCheckReport& report,
                const std::string& lang) {
  const int errors = report.Errors(), warnings = report.Warnings();
  std::printf("%s: %dx%d, %d shops: %d error%s, %d warning%s\n", file.c_str(), m.Width, m.Height,
              m.ShopCount(), errors, errors == 1 ? "" : "s", warnings, warnings == 1 ? "" : "s");
  for (const TProblem& p : report.Problems) {
    std::string line = std::string(SeverityText(p.Severity())) + " " + CheckKindId(p.Kind) + ": " +
                       Sentence(p.Kind, lang) + " (" + std::to_string(p.Places.size()) + "): ";
    for (size_t i = 0; i < p.Places.size() && i < kPlacesShown; ++i)
      line += (i ? "; " : "") + PlaceText(p, p.Places[i]);
    if (p.Places.size() > kPlacesShown)
      line += "; and " + std::to_string(p.Places.size() - kPlacesShown) + " more";
    std::printf("%s\n", line.c_str());
  }
}

void PrintJson(const std::string& file, const TMission& m, const TCheckReport& report) {
  JsonWriter j;
  j.BeginObject();
  j.Key("file").Value(file);
  j.Key("width").Value(m.Width);
  j.Key("height").Value(m.Height);
  j.Key("errors").Value(report.Errors());
  j.Key("warnings").Value(report.Warnings());
  j.Key("problems").BeginArray();
  for (const TProblem& p : report.Problems) {
    j.Newline().BeginObject();
    j.Key("kind").Value(CheckKindId(p.Kind));
    j.Key("severity").Value(SeverityText(p.Severity()));
    j.Key("sentence").Value(CheckKindSentence(p.Kind));
    j.Key("count").Value(p.Places.size());
    j.Key("places").BeginArray();
    for (const TProblemPlace& place : p.Places) {
      j.BeginObject();
      if (place.HasCell()) {
        j.Key("x").Value(place.Cell.x);
        j.Key("y").Value(place.Cell.y);
      }
      if (place.Line > 0)
        j.Key("line").Value(place.Line);
      if (!place.Detail.empty())
        j.Key("detail").Value(DetailText(p, place));
      j.EndObject();
    }
    j.EndArray();
    j.EndObject();
  }
  j.EndArray();
  j.EndObject();
  std::fwrite(j.Text().data(), 1, j.Text().size(), stdout);
  std::fputc('\n', stdout);
}

}  // namespace

int CmdCheck(const std::vector<std::string>& args) {
  ParsedArgs parsed = ParseArgs(args, {"--std-dir", "--text-dir", "--lang"}, {"--json"});
  const std::string lang = parsed.Option("--lang").value_or("en");
  if (parsed.positional.size() != 1 || (lang != "en" && lang != "de"))
    throw UsageError{"usage: vhmission check [--json] [--lang en|de] [--text-dir NAME] MISSION"};
  ApplyStdOptions(parsed, TStdUse::Optional);
  SilentSink sink;
  ScopedAnomalySink scope(&sink);
  auto mission = std::make_unique<TMission>();
  try {
    LoadMission(*mission, parsed.positional[0]);
  } catch (const EVhError& e) {
    return PrintError(MessageText(e.what()));
  }
  const TCheckReport report = CheckMission(*mission);
  const std::string file = PathText(parsed.positional[0]);
  if (parsed.Flag("--json"))
    PrintJson(file, *mission, report);
  else
    PrintPlain(file, *mission, report, lang);
  return report.Errors() > 0 ? ExitFailed : ExitOk;
}

}  // namespace vh::cli
