#pragma once

// Where the moving text sits across its direction of travel.
enum class ScrollAlignment { Left, Centre, Right };
enum class ScrollLayout { Top, Centre, Bottom };

// Left edge of the text in a view scrolling vertically.
int VerticalTextLeft(ScrollAlignment alignment, int viewWidth, int textWidth);
// Top edge of the text in a view scrolling horizontally.
int HorizontalTextTop(ScrollLayout layout, int viewHeight, int textHeight);
