#pragma once
// Images the skin loader makes itself, from what a skin does carry: a combo
// box drawn from a sunken edge and the skin's combo button, the combo box
// arrow, and the toolbar background.

namespace skin {

class TSkinData;

// When the skin has both a sunken edge ("SunkEdge") and a combo button: four
// 50 x 21 combo boxes, the button on the right (combox) and, mirrored, on
// the left (Comboxborder).
void BuildSunkenCombo(TSkinData& data);
// comboxarrow: the arrows cut from the combo boxes built above, or the combo
// button with the control background for its transparent pixels.
void BuildComboArrow(TSkinData& data);
// Toolbar: a 10 x 40 top-to-bottom gradient from a light shade of the control
// background to a shade of the caption colour.
void BuildToolbarBackground(TSkinData& data);

} // namespace skin
