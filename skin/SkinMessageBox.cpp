#include "skin/SkinMessageBox.h"

#include <cstdio>
#include <utility>

namespace skin {

namespace {

TSkinMessageBoxHandler& Handler() {
    static TSkinMessageBoxHandler handler;
    return handler;
}

void PrintOneLine(const std::string& text) {
    std::string line;
    for (char c : text)
        line += (c == '\r' || c == '\n') ? ' ' : c;
    std::fprintf(stderr, "%s\n", line.c_str());
}

} // namespace

TSkinMessageBoxHandler SetSkinMessageBoxHandler(TSkinMessageBoxHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

void SkinMessageBox(const std::string& text) {
    if (Handler())
        Handler()(text);
    else
        PrintOneLine(text);
}

} // namespace skin
