#pragma once

// The tick of a node in a content tree, as its state image shows it. None shows no image.
enum class TickState { None = -1, Unticked = 1, Partly = 2, Ticked = 3 };
