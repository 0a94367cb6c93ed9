// Every control kind in one window, in several states, written to
// controls-gallery.png in the test's working directory for looking at.

#include "ControlTestSupport.h"
#include "tools/telvora-tool/ControlGallery.h"

namespace win::test {
namespace {

TEST_F(ControlTest, EveryControlRendersToAPicture) {
    tool::FillControlGallery(parent);
    display->Run();
    EXPECT_TRUE(display->WritePng(parent, "controls-gallery.png"));
}

} // namespace
} // namespace win::test
