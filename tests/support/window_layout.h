// Checks that a control of a scaled window sits where its layout puts it.
#pragma once

#include <QRectF>
#include <QWidget>

#include <gtest/gtest.h>

#include "ui/desktop/scaled_window.h"

// `units` is the control's place in the 12000 x 9000 units that fill the
// window's laid-out client area; the control must cover it to the pixel.
inline void ExpectPlacedAt(const ui::ScaledWindow& window, const QWidget* control,
                           const QRectF& units) {
  ASSERT_NE(control, nullptr);
  const QRectF content = window.contentRect();
  const double across = content.width() / 12000.0;
  const double down = content.height() / 9000.0;
  const QRectF expected(content.x() + units.x() * across, content.y() + units.y() * down,
                        units.width() * across, units.height() * down);
  const QRect shown = control->geometry();
  SCOPED_TRACE(control->objectName().toStdString());
  EXPECT_NEAR(shown.x(), expected.x(), 1.0);
  EXPECT_NEAR(shown.y(), expected.y(), 1.0);
  EXPECT_NEAR(shown.width(), expected.width(), 1.5);
  EXPECT_NEAR(shown.height(), expected.height(), 1.5);
}
