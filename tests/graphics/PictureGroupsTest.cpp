#include <gtest/gtest.h>

#include <vector>

#include "graphics/PictureGroups.h"

namespace vh {
namespace {

TGroupPageEntries EmptyPage() {
  TGroupPageEntries page;
  page.fill(-1);
  return page;
}

// Pages are stored column by column: column x, row y at x * 6 + y.
void Put(TGroupPageEntries& page, int x, int y, int16_t picture) {
  page[static_cast<size_t>(x * 6 + y)] = picture;
}

// Group 0 "grass": 10 and 11 in the top row (10 again further right), 12
// below 10, 13 in the bottom row. Group 1 is empty. Group 3 "meadow" shares
// 12 with the grass and adds 20.
std::vector<TGroupPageEntries> Pages() {
  std::vector<TGroupPageEntries> pages(4, EmptyPage());
  Put(pages[0], 0, 0, 10);
  Put(pages[0], 1, 0, 11);
  Put(pages[0], 3, 0, 10);
  Put(pages[0], 0, 1, 12);
  Put(pages[0], 2, 5, 13);
  Put(pages[3], 11, 0, 20);
  Put(pages[3], 4, 2, 12);
  return pages;
}

TEST(PictureGroupsTest, PicturesInTheOrderASelectorShowsThemEachOnce) {
  const TPictureGroups groups(Pages());
  EXPECT_EQ(groups.GroupCount(), 4);
  EXPECT_EQ(groups.Pictures(0), (std::vector<int16_t>{10, 11, 12, 13}));
  EXPECT_TRUE(groups.Pictures(1).empty());
  EXPECT_EQ(groups.Pictures(3), (std::vector<int16_t>{20, 12}));
  EXPECT_TRUE(groups.Pictures(4).empty());
  EXPECT_TRUE(groups.Pictures(-1).empty());
}

TEST(PictureGroupsTest, GroupAndPlaceOfAPicture) {
  const TPictureGroups groups(Pages());
  EXPECT_EQ(groups.GroupOf(12), 0) << "the lowest group that holds it";
  EXPECT_EQ(groups.GroupOf(20), 3);
  EXPECT_EQ(groups.GroupOf(99), -1);
  EXPECT_EQ(groups.GroupOf(-1), -1);
  EXPECT_EQ(groups.PlaceOf(12), (TGroupPlace{0, 2, 4}));
  EXPECT_EQ(groups.PlaceOf(10), (TGroupPlace{0, 0, 4}));
  EXPECT_EQ(groups.PlaceIn(3, 12), (TGroupPlace{3, 1, 2}));
  EXPECT_FALSE(groups.PlaceIn(3, 13));
  EXPECT_FALSE(groups.PlaceOf(99));
  EXPECT_TRUE(groups.ShareGroup(10, 13));
  EXPECT_TRUE(groups.ShareGroup(12, 20));
  EXPECT_FALSE(groups.ShareGroup(10, 20));
  EXPECT_FALSE(groups.ShareGroup(99, 99)) << "a picture in no group shares none";
}

TEST(PictureGroupsTest, RandomPicturesComeFromTheDrawnPlace) {
  const TPictureGroups groups(Pages());
  std::vector<int32_t> asked;
  int32_t next = 0;
  const TDrawBelow draw = [&](int32_t n) {
    asked.push_back(n);
    return next;
  };
  next = 3;
  EXPECT_EQ(groups.RandomPicture(0, draw), 13);
  next = 1;
  EXPECT_EQ(groups.RandomPictureLike(20, draw), 12);
  EXPECT_EQ(asked, (std::vector<int32_t>{4, 2}));
  EXPECT_EQ(groups.RandomPicture(1, draw), -1);
  EXPECT_EQ(groups.RandomPictureLike(99, draw), 99);
  EXPECT_EQ(asked.size(), 2u) << "nothing is drawn where there is no choice";
}

TEST(PictureGroupsTest, NoMoreThanTheSelectionFilesGroups) {
  std::vector<TGroupPageEntries> pages(80, EmptyPage());
  Put(pages[79], 0, 0, 5);
  const TPictureGroups groups(pages);
  EXPECT_EQ(groups.GroupCount(), 72);
  EXPECT_EQ(groups.GroupOf(5), -1);
}

}  // namespace
}  // namespace vh
