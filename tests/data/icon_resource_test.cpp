// The icon sizes compiled into the program from data/kestrix.qrc.
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

namespace {

// Every size a window hands the window system is in the program, drawn at
// that size, so no title bar or task switcher scales one.
TEST(IconResource, HoldsEveryWindowSizeAtItsOwnSize) {
  for (const int size : {16, 24, 32, 48, 64}) {
    SCOPED_TRACE(size);
    const QImage image(QStringLiteral(":/icons/kestrix-%1.png").arg(size));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), size);
    EXPECT_EQ(image.height(), size);
    // The tile has rounded corners, so the picture needs its alpha channel.
    EXPECT_TRUE(image.hasAlphaChannel());
  }
}

}  // namespace
