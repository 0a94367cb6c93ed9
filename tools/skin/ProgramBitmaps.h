#pragma once
// The program's own bitmap resources that the skin engine falls back on:
// track bar channels for skins without their own, and the system menu's
// pictures.

#include "tools/skin/SkinCanvas.h"

namespace skinart {

// "TRACK", 16 x 4, and "TRACKVERT", 4 x 16.
TSkinCanvas TrackResource(bool vertical);
// "NIMBRELMENU": 16 x 16 pictures of restore, maximise, minimise and close
// side by side on white, white being their mask colour.
TSkinCanvas SystemMenuPictures();

} // namespace skinart
