#include "host/preview_crop.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

void expectCrop(const CropRect& c, int x, int y, int width, int height) {
  EXPECT_EQ(c.x, x);
  EXPECT_EQ(c.y, y);
  EXPECT_EQ(c.width, width);
  EXPECT_EQ(c.height, height);
}

TEST(PreviewCrop, BoxesOfThePicturesShapeShowItWhole) {
  // The settings page's box at 100 %, 150 % and 200 %, for the still at its
  // own size and at twice it.
  for (int scale : {1, 2}) {
    const int w = 152 * scale, h = 112 * scale;
    SCOPED_TRACE(w);
    expectCrop(previewCrop(w, h, 152, 112), 0, 0, w, h);
    expectCrop(previewCrop(w, h, 228, 168), 0, 0, w, h);
    expectCrop(previewCrop(w, h, 304, 224), 0, 0, w, h);
    expectCrop(previewCrop(w, h, 19, 14), 0, 0, w, h);
  }
}

TEST(PreviewCrop, OtherShapesLoseTheirExcessEquallyOnBothSides) {
  // Wider box: full width, the middle rows. 304 * 100 / 200 = 152 rows of 224.
  expectCrop(previewCrop(304, 224, 200, 100), 0, 36, 304, 152);
  // Taller box: full height, the middle columns. 224 * 100 / 200 = 112 of 304.
  expectCrop(previewCrop(304, 224, 100, 200), 96, 0, 112, 224);
  // A box one pixel off the shape crops by the rounded difference.
  expectCrop(previewCrop(152, 112, 153, 112), 0, 0, 152, 111);
  // A square box: the middle square.
  expectCrop(previewCrop(152, 112, 50, 50), 20, 0, 112, 112);
}

TEST(PreviewCrop, ExtremeAndEmptyBoxesStayInsideThePicture) {
  const CropRect line = previewCrop(152, 112, 30000, 1);
  EXPECT_EQ(line.height, 1);  // never an empty source
  EXPECT_GE(line.y, 0);
  EXPECT_LE(line.y + line.height, 112);
  const CropRect column = previewCrop(152, 112, 1, 30000);
  EXPECT_EQ(column.width, 1);
  EXPECT_LE(column.x + column.width, 152);
  expectCrop(previewCrop(152, 112, 0, 0), 0, 0, 152, 112);
  expectCrop(previewCrop(152, 112, -5, 40), 0, 0, 152, 112);
  expectCrop(previewCrop(0, 0, 152, 112), 0, 0, 0, 0);
}

}  // namespace
}  // namespace vantrel
