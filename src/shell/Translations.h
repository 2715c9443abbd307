#pragma once

#include <QString>

#include <string>
#include <vector>

class QCoreApplication;

namespace vh {
struct TIniLocation;
}

namespace vh {

// The folder of the translations below the data folder: "translations",
// in a build folder and an unpacked Windows copy beside the program, when
// installed in share/varnholt-editor.
inline constexpr char TranslationsFolder[] = "translations";

struct TLanguageChoice {
  std::string Code;  // as stored in Language=; empty follows the system
  QString Name;      // as the Options dialog shows it
};
// What the Options dialog offers: following the system first, then every
// language the editor speaks, each named in its own language.
std::vector<TLanguageChoice> LanguageChoices();

// Installs the editor's translation and Qt's own for `language` (a code of
// LanguageChoices; empty: the system's language) from the data folder's
// translations; Qt's falls back to the system's Qt translations. English
// loads nothing. Returns whether the editor's translation was found.
bool InstallTranslations(QCoreApplication& app, const std::string& dataDir, const std::string& language);

// The language stored in the settings (Language= in [General]), read
// before the frame reads the rest: the menus take their texts as they are
// built.
std::string ConfiguredLanguage(const TIniLocation& ini);

}  // namespace vh
