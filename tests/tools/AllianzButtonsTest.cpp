#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include "base/Errors.h"
#include "tools/COMPAllianzButtons.h"

namespace vh {
namespace {

void Click(TAllianzButtons& b, int x, Qt::MouseButton button = Qt::LeftButton) {
  QTest::mousePress(&b, button, Qt::NoModifier, QPoint(x, b.height() / 2));
}

class AllianzButtonsTest : public ::testing::Test {
protected:
  void SetUp() override {
    row.SetButWidth(14);
    row.SetButHeight(14);
    row.show();
  }
  TAllianzButtons row;
};

TEST(AllianzButtonsGeometry, ConstructionAndSetters) {
  TAllianzButtons b;
  EXPECT_EQ(b.Space(), 2);
  EXPECT_EQ(b.ButWidth(), 16);
  EXPECT_EQ(b.ButHeight(), 16);
  EXPECT_EQ(b.AktSel(), 0);
  EXPECT_EQ(b.size(), QSize(106, 16));

  b.SetButWidth(14);
  EXPECT_EQ(b.width(), 94);
  b.SetButWidth(3);
  EXPECT_EQ(b.ButWidth(), 5);
  EXPECT_EQ(b.width(), 40);
  b.SetButHeight(-7);
  EXPECT_EQ(b.ButHeight(), 5);
  EXPECT_EQ(b.height(), 5);
  b.SetSpace(4);
  EXPECT_EQ(b.size(), QSize(50, 5));
  EXPECT_EQ(b.sizeHint(), QSize(50, 5));
}

TEST(AllianzButtonsGeometry, BoundsDeriveTheButtonSize) {
  TAllianzButtons b;
  b.SetBounds(3, 4, 100, 3);
  EXPECT_EQ(b.ButWidth(), 15);  // (100 + 2) div 6 - 2
  EXPECT_EQ(b.ButHeight(), 5);
  EXPECT_EQ(b.geometry(), QRect(3, 4, 100, 5));
  b.SetBounds(0, 0, 20, 30);
  EXPECT_EQ(b.ButWidth(), 5);  // (20 + 2) div 6 - 2 = 1, raised to 5
  EXPECT_EQ(b.size(), QSize(40, 30));

  // A plain resize of a visible control follows the same rule.
  b.show();
  b.resize(100, 3);
  QCoreApplication::processEvents();
  EXPECT_EQ(b.ButWidth(), 15);
  EXPECT_EQ(b.size(), QSize(100, 5));
}

TEST_F(AllianzButtonsTest, ClicksInGapsChangeNothing) {
  QSignalSpy changed(&row, &TAllianzButtons::AktSelChanged);
  Click(row, 15);
  Click(row, 14);
  Click(row, 31);
  EXPECT_EQ(row.AktSel(), 0);
  EXPECT_EQ(changed.count(), 0);
  Click(row, 16);
  EXPECT_EQ(row.AktSel(), 2);
  Click(row, 29);  // last pixel of button 1
  EXPECT_EQ(row.AktSel(), 0);
  Click(row, 0);
  Click(row, 93, Qt::RightButton);  // any mouse button; last pixel of button 5
  Click(row, 48, Qt::MiddleButton);
  EXPECT_EQ(row.AktSel(), 1 | 32 | 8);
  EXPECT_EQ(changed.count(), 5);
}

TEST_F(AllianzButtonsTest, SelectionIsShownAndToggled) {
  row.SetAktSel(5);
  // Compared as 8-bit RGB, as the painted picture holds them.
  auto colourOf = [&](int button) { return row.grab().toImage().pixel(button * 16 + 7, 7); };
  const QRgb highlight = row.palette().color(QPalette::Highlight).rgb();
  const QRgb face = row.palette().color(QPalette::Button).rgb();
  EXPECT_EQ(colourOf(0), highlight);
  EXPECT_EQ(colourOf(1), face);
  EXPECT_EQ(colourOf(2), highlight);
  EXPECT_EQ(colourOf(5), face);
  Click(row, 3);
  EXPECT_EQ(row.AktSel(), 4);
  EXPECT_EQ(colourOf(0), face);

  // Sunken: shadow on the top and left edges, light on the bottom and right.
  const QImage img = row.grab().toImage();
  const QRgb shadow = row.palette().color(QPalette::Dark).rgb();
  const QRgb light = row.palette().color(QPalette::Light).rgb();
  EXPECT_EQ(img.pixel(16, 0), shadow);
  EXPECT_EQ(img.pixel(16, 13), shadow) << "the left edge reaches the bottom corner";
  EXPECT_EQ(img.pixel(28, 0), shadow);
  EXPECT_EQ(img.pixel(29, 0), light);
  EXPECT_EQ(img.pixel(29, 13), light);
  EXPECT_EQ(img.pixel(20, 13), light);
  EXPECT_EQ(img.pixel(30, 7), row.palette().color(QPalette::Window).rgb()) << "gaps are not painted";
}

TEST_F(AllianzButtonsTest, SelectionRange) {
  QSignalSpy changed(&row, &TAllianzButtons::AktSelChanged);
  row.SetAktSel(63);
  row.SetAktSel(63);
  EXPECT_EQ(changed.count(), 1) << "setting the same value is no change";
  EXPECT_THROW(row.SetAktSel(64), ERangeError);
  EXPECT_THROW(row.SetAktSel(-1), ERangeError);
  EXPECT_EQ(row.AktSel(), 63);
}

}  // namespace
}  // namespace vh
