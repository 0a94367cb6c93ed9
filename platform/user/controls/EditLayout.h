#pragma once
// The lines of an edit control: hard breaks at LF or CR LF, and, when a wrap
// width is set, soft breaks after the last space that fits (or after the last
// character that fits, as Chinese text has no spaces). A change re-lays out
// only the paragraphs it touches, so typing in a long text stays cheap.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace win::controls {

struct EditLine {
    std::size_t start = 0;
    std::size_t end = 0;  // before the line break (or the soft break)
    std::size_t next = 0; // start of the following line
};

class EditLayout {
public:
    // How many bytes of a text fit in a width (the edit measures with its font).
    using FitFunction = std::function<std::size_t(std::string_view, int)>;

    explicit EditLayout(FitFunction fit) : fit_(std::move(fit)) {}

    // Width 0 or less: no wrapping.
    void SetWrapWidth(int width) { wrapWidth_ = width; }
    int WrapWidth() const { return wrapWidth_; }
    void Rebuild(const std::string& text);
    // `text` is the text after `removed` bytes at `start` became `inserted` bytes.
    void Update(const std::string& text, std::size_t start, std::size_t removed,
                std::size_t inserted);

    std::size_t LineCount() const { return lines_.size(); }
    const EditLine& Line(std::size_t index) const { return lines_[index]; }
    // The line that holds `offset`; an offset at a soft break belongs to the
    // line that starts there.
    std::size_t LineOf(std::size_t offset) const;

private:
    void LayOut(const std::string& text, std::size_t from, std::size_t to, bool toEnd,
                std::vector<EditLine>& out) const;
    void LayOutParagraph(std::string_view text, std::size_t base, std::size_t breakLength,
                         std::vector<EditLine>& out) const;
    bool IsSoft(std::size_t index) const;

    FitFunction fit_;
    int wrapWidth_ = 0;
    std::vector<EditLine> lines_{EditLine{}};
};

} // namespace win::controls
