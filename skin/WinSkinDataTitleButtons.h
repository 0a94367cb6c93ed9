#pragma once
// The title bar buttons of a skin: one per section "Button..." (close,
// maximise, minimise, restore, system icon, ...), then the three buttons an
// MDI frame shows for a maximised child, cut from the image of section
// "MDICONTROLS".

namespace skin {

class TSkinData;
class TSkinSectionReader;

// Replaces data.SysBtn.
void LoadTitleButtons(TSkinData& data, const TSkinSectionReader& sections);

} // namespace skin
