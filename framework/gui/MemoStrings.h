#pragma once
// A memo's text seen as lines ("\r\n" between them, as the edit control keeps
// them). Appending a line replaces only the end of the text, so a log that
// grows line by line costs one edit per line, not a rewrite of the whole text.

#include "framework/Strings.h"

#include <string>
#include <vector>

namespace fw {

class TCustomEdit;

class TMemoStrings : public TStrings {
    FW_CLASS(TMemoStrings, TStrings)

    explicit TMemoStrings(TCustomEdit& memo) : FMemo(memo) {}

    int Count() const override;
    std::string Strings(int index) const override;
    void SetStrings(int index, const std::string& s) override;
    void Insert(int index, std::string s) override;
    void Delete(int index) override;
    void Clear() override;

private:
    std::vector<std::string> Split() const;
    void Join(const std::vector<std::string>& lines);
    void Append(const std::string& line);

    TCustomEdit& FMemo;
};

} // namespace fw
