#include "app/scrolling/ScrollPlacement.h"

#include <gtest/gtest.h>

TEST(ScrollPlacement, PlacesTheTextAcrossTheDirectionOfTravel) {
    EXPECT_EQ(VerticalTextLeft(ScrollAlignment::Left, 300, 101), 1);
    EXPECT_EQ(VerticalTextLeft(ScrollAlignment::Centre, 300, 101), 99);
    EXPECT_EQ(VerticalTextLeft(ScrollAlignment::Centre, 100, 301), -100) << "towards zero";
    EXPECT_EQ(VerticalTextLeft(ScrollAlignment::Right, 300, 101), 197);
    EXPECT_EQ(HorizontalTextTop(ScrollLayout::Top, 17, 13), 1);
    EXPECT_EQ(HorizontalTextTop(ScrollLayout::Centre, 17, 13), 1);
    EXPECT_EQ(HorizontalTextTop(ScrollLayout::Centre, 17, 30), -7);
    EXPECT_EQ(HorizontalTextTop(ScrollLayout::Bottom, 17, 13), 4);
}
