#include "widgets/ScrollPlacement.h"

int VerticalTextLeft(ScrollAlignment alignment, int viewWidth, int textWidth) {
    switch (alignment) {
    case ScrollAlignment::Left:
        return 1;
    case ScrollAlignment::Centre:
        return static_cast<int>(viewWidth / 2.0 - textWidth / 2.0);
    case ScrollAlignment::Right:
        return viewWidth - textWidth - 2;
    }
    return 1;
}

int HorizontalTextTop(ScrollLayout layout, int viewHeight, int textHeight) {
    switch (layout) {
    case ScrollLayout::Top:
        return 1;
    case ScrollLayout::Centre:
        return static_cast<int>(viewHeight / 2 - textHeight / 2.0);
    case ScrollLayout::Bottom:
        return viewHeight - textHeight;
    }
    return 1;
}
