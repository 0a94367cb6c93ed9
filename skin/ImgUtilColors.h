#pragma once
// Colour arithmetic of the skin engine: blending two colours by a weight and
// measuring a colour's saturation, which the loader uses to derive colours the
// skin does not give (the toolbar gradient).

#include "framework/Color.h"

namespace skin {

// Resolves system colours, then per channel (w·a + (d − w)·b + d / 2) / d,
// d being 100 when w < 100 and 1000 otherwise: small weights are percentages,
// larger ones tenths of a percent.
fw::TColor BlendColors(fw::TColor a, fw::TColor b, int w);

// 0..255 from the colour's bytes as they are (a system colour is not
// resolved): 255 × (max − min) / max rounded half to even, but 200 for every
// colour whose three channels are all below 160, so dark colours count as
// saturated.
int ColorSaturation(fw::TColor color);

} // namespace skin
