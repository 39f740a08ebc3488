#pragma once

// Where the messages of the main window's bottom strip stand. Each message is a text line
// followed by an empty one, so message k stands centred in the view at
// FirstStop() + k * Pitch(). Both follow from the strip's font, whatever its size.
class StripStops {
public:
    StripStops(int lineHeight, int viewHeight) : FLineHeight(lineHeight), FViewHeight(viewHeight) {}

    int FirstStop() const { return (FViewHeight + FLineHeight + 1) / 2; }
    int Pitch() const { return 2 * FLineHeight; }
    // Smooth scrolling holds still where a message stands centred.
    bool IsMessageStop(int position, int scrollLength) const;
    // Stepping runs from the first message to the last, then starts again.
    bool InSteppingRange(int position, int scrollLength) const;

private:
    int FLineHeight;
    int FViewHeight;
};
