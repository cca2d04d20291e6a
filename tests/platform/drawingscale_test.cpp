#include "platform/graphics/drawingscale.h"

#include <gtest/gtest.h>

// Positions and lengths are rounded apart, halves to even; lengths of a pixel or more stay visible.
TEST(DrawingScale, RoundsPositionsAndLengthsApart) {
    const struct {
        double factor;
        int value, position, length;
    } cases[] = {{1, 7, 7, 7},
                 {1.5, 3, 4, 4},
                 {1.5, 1, 2, 2},
                 {1.5, 9, 14, 14},
                 {1.25, 1, 1, 1},
                 {1.25, 2, 2, 2},
                 {1.25, 6, 8, 8},
                 {2.5, 1, 2, 2},
                 {0.4, 1, 0, 1},
                 {-3, 5, 5, 5},
                 {2, 1 << 30, 1 << 30, 1 << 30}};
    for (const auto& c : cases) {
        const DrawingScale scale(c.factor);
        EXPECT_EQ(scale.position(c.value), c.position) << c.factor << " " << c.value;
        EXPECT_EQ(scale.length(c.value), c.length) << c.factor << " " << c.value;
    }
    // Two-pixel squares three pixels apart at 1.5: one size wherever they stand.
    const DrawingScale scale(1.5);
    EXPECT_EQ(scale.rect(Rect(3, 3, 5, 5)), QRect(4, 4, 3, 3));
    EXPECT_EQ(scale.rect(Rect(9, 9, 11, 11)), QRect(14, 14, 3, 3));
    EXPECT_EQ(scale.layoutLength(20), 14);
    EXPECT_EQ(scale.layoutSize(QSize(302, 62)), QSize(201, 41));
}
