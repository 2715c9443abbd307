// vhdemo: writes the demo game installation beside the editor, or a contact
// sheet of all its pictures.
//   vhdemo --install <program dir>
//   vhdemo --defaults-ini <file>    the settings an installed editor starts from
//   vhdemo --icons <hicolor dir>    the application icon in the installed sizes
//   vhdemo --ico <file.ico>         the program icon of the Windows build
//   vhdemo --sheet <out.png|out.ppm> [--section terrain|objects|units|lines|tools|missions] [--scale N]
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "base/FileUtil.h"
#include "base/Platform.h"
#include "config/Installation.h"
#include "demo/AppIcon.h"
#include "demo/Install.h"
#include "demo/Preview.h"

namespace {
const char* const kUsage = "usage: vhdemo --install <program dir> | --defaults-ini <file> | --icons <dir>\n"
                           "       | --ico <file>\n"
                           "       | --sheet <file> [--section name] [--scale n]\n";
}  // namespace

int main(int argc, char** argv) {
  std::string install, sheet, defaultsIni, icons, ico, section = "all";
  int scale = 1;
  int crop[4] = {0, 0, 0, 0};
  const std::vector<std::string> args = vh::ProgramArguments(argc, argv);
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= args.size()) {
        std::cerr << "vhdemo: " << a << " needs a value\n";
        std::exit(2);
      }
      return args[++i];
    };
    if (a == "--install")
      install = value();
    else if (a == "--defaults-ini")
      defaultsIni = value();
    else if (a == "--icons")
      icons = value();
    else if (a == "--ico")
      ico = value();
    else if (a == "--sheet")
      sheet = value();
    else if (a == "--section")
      section = value();
    else if (a == "--crop")  // x,y,w,h before scaling, to look at details
      std::sscanf(value().c_str(), "%d,%d,%d,%d", &crop[0], &crop[1], &crop[2], &crop[3]);
    else if (a == "--scale")
      scale = std::atoi(value().c_str());
    else {
      std::cerr << kUsage;
      return 2;
    }
  }
  if (install.empty() && sheet.empty() && defaultsIni.empty() && icons.empty() && ico.empty()) {
    std::cerr << kUsage;
    return 2;
  }
  try {
    if (!install.empty()) {
      vh::demo::InstallReport r = vh::demo::WriteInstallation(install);
      std::cout << "vhdemo: wrote " << r.Written.size() << " files"
                << (r.MissionsWritten ? "" : " (no sample missions: this build has no mission writer)")
                << (r.IniWritten ? ", new vhedit.ini" : ", kept the existing vhedit.ini") << "\n";
    }
    if (!defaultsIni.empty()) {
      // The demo game lies beside the installed defaults; the editor makes
      // the relative name absolute when it copies them for a user.
      const std::string text = vh::demo::IniText(std::string(vh::demo::DemoGameDirName) + "/");
      vh::WriteWholeFile(defaultsIni, vh::ByteStream(text.begin(), text.end()));
    }
    if (!icons.empty())
      vh::demo::WriteAppIcons(icons, vh::AppId);
    if (!ico.empty())
      vh::WriteWholeFile(ico, vh::demo::AppIconIco());
    if (!sheet.empty()) {
      vh::demo::Sheet s = vh::demo::RenderSection(section);
      if (crop[2] > 0 && crop[3] > 0) {
        vh::demo::Sheet part(crop[2], crop[3], 0);
        for (int y = 0; y < crop[3]; ++y)
          for (int x = 0; x < crop[2]; ++x)
            if (crop[0] + x < s.W && crop[1] + y < s.H)
              part.Px[static_cast<size_t>(y) * crop[2] + x] =
                  s.Px[static_cast<size_t>(crop[1] + y) * s.W + crop[0] + x];
        s = part;
      }
      vh::demo::WriteImage(s, vh::demo::BuildPalette(1), sheet, scale);
    }
  } catch (const std::exception& e) {
    std::cerr << "vhdemo: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
