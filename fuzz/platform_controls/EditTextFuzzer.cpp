// Any bytes as edit text and any sequence of edits: offsets stay on character
// boundaries, the line layout updated piece by piece equals a fresh one, and
// nothing reads outside the text.

#include "platform/user/controls/EditBuffer.h"
#include "platform/user/controls/EditLayout.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

using win::controls::EditBuffer;
using win::controls::EditLayout;

namespace {

std::size_t Fit(std::string_view text, int width) {
    return std::min<std::size_t>(text.size(), std::size_t(width));
}

void Check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Byte 0: wrap width; then commands of 4 bytes: op, a, b, length of text;
    // the text follows each command.
    if (size < 1)
        return 0;
    EditBuffer buffer;
    EditLayout layout(Fit);
    layout.SetWrapWidth(data[0] % 16);
    layout.Rebuild(buffer.Text());
    std::size_t at = 1;
    while (at + 4 <= size) {
        const std::uint8_t op = data[at], a = data[at + 1], b = data[at + 2], length = data[at + 3];
        at += 4;
        const std::size_t count = std::min<std::size_t>(length, size - at);
        const std::string_view text(reinterpret_cast<const char*>(data + at), count);
        at += count;
        switch (op % 5) {
        case 0: {
            buffer.Select(a, b);
            const std::size_t start = buffer.SelectionStart();
            const std::size_t removed = buffer.SelectionEnd() - start;
            if (buffer.ReplaceSelection(text, true))
                layout.Update(buffer.Text(), start, removed, buffer.LastInserted());
            break;
        }
        case 1:
            if (buffer.Undo())
                layout.Rebuild(buffer.Text());
            break;
        case 2:
            buffer.SetLimit(std::size_t(a) + 1);
            break;
        case 3:
            buffer.Select(buffer.NextWord(a), buffer.PreviousWord(b));
            break;
        default:
            buffer.Select(buffer.NextChar(a), buffer.PreviousChar(b));
            break;
        }
        Check(buffer.Caret() <= buffer.Size() && buffer.Anchor() <= buffer.Size());
        Check(buffer.Boundary(buffer.Caret()) == buffer.Caret());
    }
    EditLayout fresh(Fit);
    fresh.SetWrapWidth(layout.WrapWidth());
    fresh.Rebuild(buffer.Text());
    Check(fresh.LineCount() == layout.LineCount());
    for (std::size_t i = 0; i < fresh.LineCount(); ++i)
        Check(fresh.Line(i).start == layout.Line(i).start &&
              fresh.Line(i).end == layout.Line(i).end && fresh.Line(i).next == layout.Line(i).next);
    return 0;
}
