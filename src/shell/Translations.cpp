#include "shell/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "config/Installation.h"
#include "views/QtText.h"

namespace vh {

std::vector<TLanguageChoice> LanguageChoices() {
  return {{"", QCoreApplication::translate("vh::TDLGConfigForm", "System")},
          {"en", QStringLiteral("English")},
          {"de", QStringLiteral("Deutsch")}};
}

bool InstallTranslations(QCoreApplication& app, const std::string& dataDir, const std::string& language) {
  const QLocale locale = language.empty() ? QLocale::system() : QLocale(QString::fromStdString(language));
  QLocale::setDefault(locale);
  if (locale.language() == QLocale::English || locale.language() == QLocale::C)
    return false;
  const QString dir = PathToQString(dataDir) + QString::fromLatin1(TranslationsFolder);
  auto* qt = new QTranslator(&app);
  if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), dir) ||
      qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qt);
  else
    delete qt;
  auto* own = new QTranslator(&app);
  if (!own->load(locale, QStringLiteral("vhedit"), QStringLiteral("_"), dir)) {
    delete own;
    return false;
  }
  QCoreApplication::installTranslator(own);
  return true;
}

std::string ConfiguredLanguage(const TIniLocation& ini) {
  return OpenSettings(ini).ReadString("General", "Language", "");
}

}  // namespace vh
