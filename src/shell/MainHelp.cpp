// "Help > Mouse and Keys": how the editor is worked.
#include <QDialog>
#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "shell/MDIMainForm.h"

namespace vh {

namespace {

const char kMouseAndKeys[] = R"(
<h3>Mouse</h3>
<table cellspacing="4">
<tr><td><b>Left click</b></td><td>Paint the palette's picture into the cell (terrain, object or unit).</td></tr>
<tr><td><b>Left drag</b></td><td>Paint a stroke; past the window's edge the map scrolls.</td></tr>
<tr><td><b>B</b>, <b>L</b>, <b>F</b></td><td>Tools: Paint along the drag, a straight Line from press to release (Escape drops it), Fill the connected cells like the clicked one.</td></tr>
<tr><td><b>[</b>, <b>]</b></td><td>A smaller or larger brush: 1, 7 or 19 cells.</td></tr>
<tr><td><b>Right click</b>, <b>right drag</b></td><td>Move the cursor (the blinking cell) without painting.</td></tr>
<tr><td><b>Left click while the right button is held</b></td><td>Pick the cell's picture into the palette.</td></tr>
<tr><td><b>Shop page</b></td><td>Painting does nothing; "New" makes a shop at the cursor.</td></tr>
<tr><td><b>Shift + left drag</b></td><td>Select the cells whose centres lie in the rectangle; with <b>Ctrl + Shift</b> add them to the selection. A plain click or Escape drops the selection.</td></tr>
<tr><td><b>While pasting</b></td><td>The block follows the pointer; a left click places it, Escape drops it, <b>H</b> and <b>V</b> mirror it.</td></tr>
<tr><td><b>Pointer over the map</b></td><td>The status bar shows the cell under the pointer beside the cursor cell.</td></tr>
</table>
<h3>Keys</h3>
<table cellspacing="4">
<tr><td><b>Ctrl+N</b></td><td>New mission</td></tr>
<tr><td><b>Ctrl+O</b>, <b>F3</b></td><td>Open a mission</td></tr>
<tr><td><b>Ctrl+S</b>, <b>F2</b></td><td>Save</td></tr>
<tr><td><b>Ctrl+Shift+S</b></td><td>Save As</td></tr>
<tr><td><b>Ctrl+W</b>, <b>Ctrl+F4</b></td><td>Close the mission window</td></tr>
<tr><td><b>Ctrl+Z</b>, <b>Ctrl+Y</b></td><td>Undo, Redo</td></tr>
<tr><td><b>Ctrl+X</b>, <b>Ctrl+C</b>, <b>Ctrl+V</b>, <b>Del</b></td><td>Cut, copy, paste and delete the selected cells: what the map shows of the shown layer (terrain, objects, units with their cargo and AI points, and shops while "Shop" is down)</td></tr>
<tr><td><b>Ctrl+A</b></td><td>Select the whole map</td></tr>
<tr><td><b>Ctrl+Shift+E</b></td><td>Show or hide the Edit Window (the palette)</td></tr>
<tr><td><b>Ctrl+Q</b>, <b>Alt+X</b></td><td>Exit</td></tr>
<tr><td><b>F1</b></td><td>This page</td></tr>
</table>
<h3>Files</h3>
<p>Missions open from the File menu, from "Recent Files", from the command line
(<code>vhedit [--ini PATH] [MISSION ...]</code>) and when dropped onto the editor.
A title ending in "*" has unsaved changes.</p>
)";

} // namespace

void TMDIMain::ShowMouseAndKeys() {
  QDialog dialog(this);
  dialog.setObjectName("MouseAndKeys");
  dialog.setWindowTitle(QStringLiteral("Mouse and Keys"));
  auto* text = new QTextBrowser(&dialog);
  text->setObjectName("MouseAndKeysText");
  text->setHtml(QString::fromUtf8(kMouseAndKeys));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(text);
  layout->addWidget(buttons);
  dialog.resize(620, 520);
  dialog.exec();
}

} // namespace vh
