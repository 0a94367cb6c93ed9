#include "platform/gdi/FontLibrary.h"

namespace win {

// No Debian package aliases the Chinese system faces, and fontconfig's own
// choice for them depends on the locale, so the program names its faces itself.
// SimSun's first substitute carries embedded 11-16 px strikes of all GB2312,
// which give the classic crisp Song look at dialog sizes.
const char* FontRules() {
    return R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <alias binding="same"><family>宋体</family><accept><family>SimSun</family></accept></alias>
  <alias binding="same"><family>新宋体</family><accept><family>NSimSun</family></accept></alias>
  <alias binding="same"><family>NSimSun</family><accept><family>SimSun</family></accept></alias>
  <alias binding="same"><family>MS Shell Dlg</family><accept><family>SimSun</family></accept></alias>
  <alias binding="same"><family>MS Shell Dlg 2</family><accept><family>SimSun</family></accept></alias>
  <alias binding="same"><family>MS Sans Serif</family><accept><family>SimSun</family></accept></alias>
  <alias binding="same"><family>System</family><accept><family>SimSun</family></accept></alias>
  <alias binding="same">
    <family>SimSun</family>
    <accept>
      <family>AR PL UMing CN</family>
      <family>WenQuanYi Zen Hei Sharp</family>
      <family>Noto Serif CJK SC</family>
    </accept>
  </alias>
</fontconfig>
)";
}

} // namespace win
