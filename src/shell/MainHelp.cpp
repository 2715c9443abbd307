// "Help > Mouse and Keys": how the editor is worked. The keys are read from
// the menus' own actions, so the page names every shortcut there is.
#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "shell/MDIMainForm.h"

namespace vh {

namespace {

QString Row(const QString& what, const QString& meaning) {
  return QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>\n").arg(what, meaning);
}

// "&Open..." as the menu shows it: "Open...".
QString PlainText(const QString& text) {
  QString plain = text;
  plain.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  plain.remove(QLatin1Char('&'));
  plain.replace(QStringLiteral("\x01"), QStringLiteral("&"));
  return plain;
}

// One row for each action of `menu` (and its submenus) that has a key.
void AddMenuKeys(QMenu* menu, const QString& path, QSet<QAction*>& seen, QString& rows) {
  for (QAction* a : menu->actions()) {
    if (a->isSeparator())
      continue;
    if (QMenu* sub = a->menu()) {
      AddMenuKeys(sub, path + QStringLiteral(" > ") + PlainText(sub->title()), seen, rows);
      continue;
    }
    if (a->shortcuts().isEmpty() || seen.contains(a))
      continue;
    seen.insert(a);
    QStringList keys;
    for (const QKeySequence& k : a->shortcuts())
      keys.append(k.toString(QKeySequence::NativeText).toHtmlEscaped());
    rows += Row(keys.join(QStringLiteral("</b>, <b>")),
                (path + QStringLiteral(" > ") + PlainText(a->text())).toHtmlEscaped());
  }
}

}  // namespace

QString TMDIMain::MouseAndKeysHtml() const {
  QString html = QStringLiteral("<h3>%1</h3>\n<table cellspacing=\"4\">\n").arg(tr("Mouse"));
  html += Row(tr("Left click"), tr("Paint the palette's picture into the cell (terrain, object or unit)."));
  html +=
      Row(tr("Left drag"), tr("Paint a stroke (or a line, with the Line tool); past the window's edge the "
                              "map scrolls."));
  html += Row(tr("Right click"), tr("Move the cursor (the blinking cell) without painting."));
  html +=
      Row(tr("Left click while the right button is held"), tr("Pick the cell's picture into the palette."));
  html += Row(tr("Ctrl + left click"), tr("Pick the cell's picture into the palette (with one hand)."));
  html += Row(tr("Shift + left drag"),
              tr("Select the cells whose centres lie in the rectangle; with Ctrl + Shift "
                 "add them to the selection. A plain click or Escape drops the selection."));
  html +=
      Row(tr("While pasting"), tr("The block follows the pointer; a left click places it, Escape drops it."));
  html += Row(tr("Wheel"), tr("Scroll the map up and down."));
  html += Row(tr("Shift + wheel"), tr("Scroll the map sideways."));
  html += Row(tr("Ctrl + wheel"), tr("Zoom, keeping the cell under the pointer where it is."));
  html += Row(tr("Middle drag"), tr("Move the map."));
  html += Row(tr("Change Layers window"),
              tr("A click shows the layer (\"Nr.\"); a double-click also shows the changes in game "
                 "(\"DFxx\")."));
  html += Row(tr("Random (R)"), tr("Paint, Line and Fill give each cell a random picture of the chosen "
                                   "picture's group."));
  html += Row(tr("Shop page"), tr("Painting does nothing; \"New\" makes a shop at the cursor."));
  html +=
      Row(tr("Pointer over the map"), tr("The status bar shows the cell under the pointer beside the cursor "
                                         "cell."));
  html += QStringLiteral("</table>\n<h3>%1</h3>\n<table cellspacing=\"4\">\n").arg(tr("Keys on the map"));
  html += Row(tr("Arrow keys"), tr("Move the cursor to the neighbouring cell; the map scrolls along."));
  html += Row(tr("Escape"), tr("Drop the line being drawn, the block being pasted or the selection."));
  html += QStringLiteral("</table>\n<h3>%1</h3>\n<table cellspacing=\"4\">\n").arg(tr("Menu keys"));
  QSet<QAction*> seen;
  for (QAction* a : menuBar()->actions())
    if (QMenu* menu = a->menu())
      AddMenuKeys(menu, PlainText(menu->title()), seen, html);
  html += QStringLiteral("</table>\n<h3>%1</h3>\n<p>%2</p>\n")
              .arg(tr("Files"),
                   tr("Missions open from the File menu, from \"Recent Files\", from the command line "
                      "(<code>vhedit [--ini PATH] [MISSION ...]</code>) and when dropped onto the "
                      "editor. A title ending in \"*\" has unsaved changes."));
  return html;
}

void TMDIMain::ShowMouseAndKeys() {
  QDialog dialog(this);
  dialog.setObjectName("MouseAndKeys");
  dialog.setWindowTitle(tr("Mouse and Keys"));
  auto* text = new QTextBrowser(&dialog);
  text->setObjectName("MouseAndKeysText");
  text->setHtml(MouseAndKeysHtml());
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(text);
  layout->addWidget(buttons);
  dialog.resize(680, 560);
  dialog.exec();
}

}  // namespace vh
