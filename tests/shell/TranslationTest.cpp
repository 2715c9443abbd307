// The editor in German: every text of the frame and its dialogs has its
// translation, and the accelerator letters of each German menu and dialog
// differ. The frame and the dialogs are built twice, in English and with the
// German translation installed, and their texts compared one by one: a text
// that reads the same in both is still English unless it is a name.

#include <QAbstractButton>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QToolBar>
#include <QTranslator>
#include <QTreeWidget>
#include <memory>

#include "config/Recovery.h"
#include "graphics/PictureSets.h"
#include "shell/DLGConfig.h"
#include "shell/DLGNewMission.h"
#include "shell/DLGRecover.h"
#include "shell/DLGResizeMap.h"
#include "shell/DLGUtility.h"
#include "shell/FrameFixture.h"
#include "tools/DLGEditContent.h"
#include "tools/DLGEditProduce.h"
#include "tools/DLGSettings.h"

namespace vh::test {
namespace {

struct TShownText {
  QString Where;
  QString Text;
};
using TShownTexts = std::vector<TShownText>;

// Names the game and its files give, and words German writes as English
// does; everything else must differ from the English text.
bool SameInBothLanguages(const QString& text) {
  static const QSet<QString> names = {// The game's own abbreviations and names.
                                      "ACTN", "&ACTN", "DF", "&DF", "DFxx", "EP", "MP", "VH2", "MISS",
                                      "Varnholt Editor", "<h2>Varnholt Editor</h2>", "ENG", "GER", "English",
                                      "Deutsch",
                                      // Words that are German too.
                                      "OK", "&Mission", "Mission", "&Material", "Material", "N&ame", "Name",
                                      "Normal", "Neutral", "neutral", "Filter", "&Land", " s", " Nr. ",
                                      // Byte offsets of the AI point record; the button that empties a slot.
                                      "0Ah", "48h", "4Ah", "4Eh", "12h..31h = -1", "X"};
  QString plain = text;
  plain.remove(QRegularExpression(QStringLiteral("[^A-Za-z]")));
  return plain.isEmpty() || names.contains(text);
}

void Add(TShownTexts& out, const QString& where, const QString& text) {
  if (!text.isEmpty())
    out.push_back({where, text});
}

void AddMenu(QMenu* menu, const QString& where, TShownTexts& out) {
  const QString path = where + " > " + menu->title();
  Add(out, path, menu->title());
  for (QAction* a : menu->actions()) {
    if (a->menu()) {
      AddMenu(a->menu(), path, out);
      continue;
    }
    Add(out, path, a->text());
    Add(out, path + " > " + a->text(), a->toolTip());
  }
}

void AddWidgets(QWidget* root, const QString& where, TShownTexts& out) {
  Add(out, where, root->windowTitle());
  QList<QWidget*> widgets = root->findChildren<QWidget*>();
  widgets.prepend(root);
  for (QWidget* w : widgets) {
    const QString at = where + " / " + w->objectName() + " " + w->metaObject()->className();
    Add(out, at, w->toolTip());
    if (auto* l = qobject_cast<QLabel*>(w))
      Add(out, at, l->text());
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
      Add(out, at, b->text());
    else if (auto* g = qobject_cast<QGroupBox*>(w))
      Add(out, at, g->title());
    else if (auto* e = qobject_cast<QLineEdit*>(w))
      Add(out, at, e->placeholderText());
    if (auto* t = qobject_cast<QTabWidget*>(w))
      for (int i = 0; i < t->count(); ++i)
        Add(out, at, t->tabText(i));
    if (auto* tree = qobject_cast<QTreeWidget*>(w))
      for (int i = 0; i < tree->columnCount(); ++i)
        Add(out, at, tree->headerItem()->text(i));
    if (auto* c = qobject_cast<QComboBox*>(w); c && !c->isEditable())
      for (int i = 0; i < c->count(); ++i)
        Add(out, at, c->itemText(i));
  }
}

// The letter after a single '&', lower case; none when there is none.
QChar Accelerator(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&')
      continue;
    if (text[i + 1] == '&') {
      ++i;
      continue;
    }
    return text[i + 1].toLower();
  }
  return {};
}

// Accelerators used twice in one place: "where: letter in A, B".
QStringList Clashes(const QString& where, const QStringList& texts) {
  QMap<QChar, QStringList> byLetter;
  for (const QString& t : texts)
    if (QChar c = Accelerator(t); !c.isNull())
      byLetter[c].append(t);
  QStringList clashes;
  for (auto it = byLetter.begin(); it != byLetter.end(); ++it)
    if (it.value().size() > 1)
      clashes.append(where + ": " + QString(it.key()) + " in " + it.value().join(", "));
  return clashes;
}

QStringList MenuClashes(QMenu* menu) {
  QStringList texts, clashes;
  // The Window menu numbers its missions "&1 ".."&9 ".
  static const QRegularExpression numbered(QStringLiteral("^&\\d "));
  for (QAction* a : menu->actions()) {
    if (a->isSeparator())
      continue;
    if (!numbered.match(a->text()).hasMatch())
      texts.append(a->text());
    if (a->menu())
      clashes += MenuClashes(a->menu());
  }
  return clashes + Clashes(menu->title(), texts);
}

QStringList DialogClashes(QWidget* dialog) {
  QStringList texts;
  for (QWidget* w : dialog->findChildren<QWidget*>()) {
    if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy())
      texts.append(l->text());
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
      texts.append(b->text());
    else if (auto* g = qobject_cast<QGroupBox*>(w))
      texts.append(g->title());
  }
  return Clashes(dialog->windowTitle(), texts);
}

class TranslationTest : public FrameFixture {
protected:
  // Installs the German translations the build makes, as vhedit does.
  void InstallGerman() {
    for (const char* name : {"qtbase_de", "vhedit_de"}) {
      auto t = std::make_unique<QTranslator>();
      ASSERT_TRUE(t->load(QString::fromLatin1(name), QStringLiteral(VH_TRANSLATIONS_DIR))) << name;
      QCoreApplication::installTranslator(t.get());
      translators_.push_back(std::move(t));
    }
  }
  void TearDown() override {
    FrameFixture::TearDown();
    for (auto& t : translators_)
      QCoreApplication::removeTranslator(t.get());
  }

  // Every text of the frame, its menus, bars and docks, and of each dialog
  // it opens; `clashes` collects the accelerators used twice.
  TShownTexts Walk(QStringList* clashes = nullptr) {
    Start();
    EXPECT_TRUE(started);
    TShownTexts out;
    for (QAction* a : frame->menuBar()->actions())
      if (a->menu()) {
        AddMenu(a->menu(), "menu", out);
        if (clashes)
          *clashes += MenuClashes(a->menu());
      }
    if (clashes) {
      QStringList bar;
      for (QAction* a : frame->menuBar()->actions())
        bar.append(a->text());
      *clashes += Clashes("menu bar", bar);
    }
    for (QToolBar* bar : frame->findChildren<QToolBar*>()) {
      Add(out, "tool bar", bar->windowTitle());
      for (QAction* a : bar->actions()) {
        Add(out, "tool bar " + bar->windowTitle(), a->iconText());
        Add(out, "tool bar " + bar->windowTitle(), a->toolTip());
      }
    }
    for (QDockWidget* dock : frame->findChildren<QDockWidget*>())
      AddWidgets(dock, "dock", out);

    std::vector<std::unique_ptr<QWidget>> dialogs;
    dialogs.emplace_back(new TDLGConfigForm(frame->Config()));
    dialogs.emplace_back(new TNewMissionForm);
    dialogs.emplace_back(new TDLGDFLayerForm(3));
    dialogs.emplace_back(new TDLGResizeMap(TPoint{40, 30}));
    dialogs.emplace_back(new TAboutBox);
    dialogs.emplace_back(new TSettingsForm(nullptr, &GamePictures()));
    dialogs.emplace_back(new TEditContentForm(GamePictures()));
    dialogs.emplace_back(new TEditProduceForm(GamePictures()));
    dialogs.emplace_back(new TDLGRecover({TRecoveryCopy{tmp.File("session"), "w1", {}, {}}}));
    dialogs.emplace_back(TUtilityForm::Create(nullptr, frame));
    for (auto& d : dialogs) {
      AddWidgets(d.get(), "dialog " + d->windowTitle(), out);
      if (clashes)
        *clashes += DialogClashes(d.get());
    }
    return out;
  }

  std::vector<std::unique_ptr<QTranslator>> translators_;
};

TEST_F(TranslationTest, EveryTextOfTheFrameAndItsDialogsReadsGerman) {
  const TShownTexts english = Walk();
  TearDown();
  frame = nullptr;
  InstallGerman();
  QStringList clashes;
  const TShownTexts german = Walk(&clashes);
  ASSERT_EQ(english.size(), german.size());
  QStringList stillEnglish;
  for (size_t i = 0; i < english.size(); ++i)
    if (english[i].Text == german[i].Text && !SameInBothLanguages(english[i].Text))
      stillEnglish.append(german[i].Where + ": " + german[i].Text);
  EXPECT_TRUE(stillEnglish.isEmpty()) << stillEnglish.join('\n').toStdString();
  EXPECT_TRUE(clashes.isEmpty()) << clashes.join('\n').toStdString();
  // A sample of what a German user reads.
  EXPECT_EQ(frame->FileSaveAsItem->text(), QString::fromUtf8("Speichern &unter…"));
  EXPECT_EQ(frame->findChild<QDockWidget*>("PaletteDock")->windowTitle(),
            QString::fromUtf8("Bearbeitungsfenster"));
}

// The accelerators the English texts have clash in places the German ones
// must not; the test above reads them from the German frame. Here only the
// rule itself: a doubled "&&" is no accelerator.
TEST(AcceleratorTest, ReadsTheLetterAfterASingleAmpersand) {
  EXPECT_EQ(Accelerator(QStringLiteral("Speichern &unter")), QChar('u'));
  EXPECT_EQ(Accelerator(QStringLiteral("Drag && &Drop")), QChar('d'));
  EXPECT_TRUE(Accelerator(QStringLiteral("Gel && Obj")).isNull());
  EXPECT_EQ(Clashes("m", {"&Neu", "&Nebeneinander", "&Datei"}), QStringList{"m: n in &Neu, &Nebeneinander"});
}

}  // namespace
}  // namespace vh::test
