// resize and coasts: edits of the whole map, as the editor's Mission menu
// makes them.
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "hexmap/Coasts.h"
#include "hexmap/MissionPicture.h"
#include "mission/MapResize.h"
#include "mission/Mission.h"

namespace vh::cli {

namespace {

const char* const kResizeUsage =
    "usage: vhmission resize [--std-dir DIR] [--text-dir NAME] --size WxH [--offset DX,DY] MISSION OUT";
const char* const kCoastsUsage = "usage: vhmission coasts [--std-dir DIR] [--text-dir NAME] MISSION OUT";

// A whole number with an optional sign; the rest of `text` from `at` on.
bool TakeNumber(const std::string& text, size_t& at, int& value) {
  const size_t start = at;
  if (at < text.size() && (text[at] == '-' || text[at] == '+'))
    ++at;
  const size_t digits = at;
  long v = 0;
  while (at < text.size() && text[at] >= '0' && text[at] <= '9' && at - digits < 4)
    v = v * 10 + (text[at++] - '0');
  if (at == digits)
    return false;
  value = static_cast<int>(text[start] == '-' ? -v : v);
  return true;
}

// "A<separator>B" as two numbers.
bool ParsePair(const std::string& text, const std::string& separators, TPoint& pair) {
  size_t at = 0;
  if (!TakeNumber(text, at, pair.x) || at >= text.size() || separators.find(text[at]) == std::string::npos)
    return false;
  ++at;
  return TakeNumber(text, at, pair.y) && at == text.size();
}

std::string Count(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

void SayWritten(const TMission& m) {
  std::printf("wrote %s and its shop names %s\n", PathText(m.FileName).c_str(),
              PathText(m.NamesFileName).c_str());
}

struct Loaded {
  WarningSink sink;
  ScopedAnomalySink scope{&sink};
  std::unique_ptr<TMission> mission = std::make_unique<TMission>();
};

}  // namespace

int CmdResize(const std::vector<std::string>& args) {
  const ParsedArgs parsed = ParseArgs(args, {"--size", "--offset", "--std-dir", "--text-dir"}, {});
  if (parsed.positional.size() != 2)
    throw UsageError{kResizeUsage};
  const std::optional<std::string> sizeText = parsed.Option("--size");
  if (!sizeText)
    throw UsageError{std::string("--size WxH is missing\n") + kResizeUsage};
  TResize resize;
  if (!ParsePair(*sizeText, "xX", resize.Size))
    throw UsageError{"--size needs columns and rows as WxH, such as 40x32, not '" + *sizeText + "'"};
  if (const auto offsetText = parsed.Option("--offset");
      offsetText && !ParsePair(*offsetText, ",", resize.Offset))
    throw UsageError{"--offset needs columns and rows as DX,DY, such as -2,3, not '" + *offsetText + "'"};
  if (const char* fault = ResizeFault(resize); *fault)
    throw UsageError{std::string("cannot resize: ") + fault};
  ApplyStdOptions(parsed, TStdUse::Save);

  Loaded l;
  TMission& m = *l.mission;
  try {
    LoadMission(m, parsed.positional[0]);
    const TPoint oldSize{m.Width, m.Height};
    const TResizeLoss loss = ResizeLoss(m, resize);
    ResizeMap(m, resize);
    m.SaveAs(parsed.positional[1]);
    std::printf("resized %dx%d to %dx%d, the old map at offset %d,%d", oldSize.x, oldSize.y, m.Width,
                m.Height, resize.Offset.x, resize.Offset.y);
    if (loss.Cells > 0 || loss.LayerRecords > 0)
      std::printf("; removed %s of the old map with %s, %s, %s, %s and %s",
                  Count(loss.Cells, "cell", "cells").c_str(), Count(loss.Units, "unit", "units").c_str(),
                  Count(loss.Cargo, "cargo record", "cargo records").c_str(),
                  Count(loss.AIPoints, "AI point", "AI points").c_str(),
                  Count(loss.Shops, "shop", "shops").c_str(),
                  Count(loss.LayerRecords, "change-layer record", "change-layer records").c_str());
    std::printf("\n");
  } catch (const EVhError& e) {
    return PrintError(MessageText(e.what()));
  }
  SayWritten(m);
  return ExitOk;
}

int CmdCoasts(const std::vector<std::string>& args) {
  const ParsedArgs parsed = ParseArgs(args, {"--std-dir", "--text-dir"}, {});
  if (parsed.positional.size() != 2)
    throw UsageError{kCoastsUsage};
  ApplyStdOptions(parsed, TStdUse::Save);
  Loaded l;
  TMission& m = *l.mission;
  try {
    LoadMission(m, parsed.positional[0]);
    const TCoastEdit edit = RebuildCoasts(m, DefaultMissFilter);
    m.SaveAs(parsed.positional[1]);
    std::printf("rebuilt the coasts: %s changed",
                Count(static_cast<int>(edit.Cells.size()), "cell", "cells").c_str());
    if (!edit.NoPicture.empty())
      std::printf("; %s beside land that no coast picture fits kept their pictures (check lists them)",
                  Count(static_cast<int>(edit.NoPicture.size()), "water cell", "water cells").c_str());
    std::printf("\n");
  } catch (const EVhError& e) {
    return PrintError(MessageText(e.what()));
  }
  SayWritten(m);
  return ExitOk;
}

}  // namespace vh::cli
