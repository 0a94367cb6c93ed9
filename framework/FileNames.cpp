#include "framework/FileNames.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace fw {

namespace {

std::string CurrentFolder() {
    std::error_code error;
    const std::filesystem::path cwd = std::filesystem::current_path(error);
    return error ? std::string(1, PathDelim) : cwd.string();
}

} // namespace

std::string ExpandFileName(std::string_view fileName) {
    std::string path(fileName);
    if (path.empty() || path[0] != PathDelim)
        path = IncludeTrailingPathDelimiter(CurrentFolder()) + path;
    std::vector<std::string_view> steps;
    const std::string_view whole(path);
    std::size_t start = 1;
    while (start <= whole.size()) {
        const std::size_t end = std::min(whole.find(PathDelim, start), whole.size());
        const std::string_view step = whole.substr(start, end - start);
        if (step == "..") {
            if (!steps.empty())
                steps.pop_back();
        } else if (!step.empty() && step != ".") {
            steps.push_back(step);
        }
        start = end + 1;
    }
    std::string out;
    for (std::string_view step : steps)
        (out += PathDelim) += step;
    const bool trailing = whole.size() > 1 && whole.back() == PathDelim;
    if (out.empty() || trailing)
        out += PathDelim;
    return out;
}

std::string ExtractFilePath(std::string_view fileName) {
    const std::size_t slash = fileName.rfind(PathDelim);
    return slash == std::string_view::npos ? std::string()
                                           : std::string(fileName.substr(0, slash + 1));
}

std::string ExtractFileName(std::string_view fileName) {
    const std::size_t slash = fileName.rfind(PathDelim);
    return std::string(slash == std::string_view::npos ? fileName : fileName.substr(slash + 1));
}

std::string ExtractFileExt(std::string_view fileName) {
    const std::string name = ExtractFileName(fileName);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string IncludeTrailingPathDelimiter(std::string_view path) {
    std::string out(path);
    if (out.empty() || out.back() != PathDelim)
        out += PathDelim;
    return out;
}

std::string ExcludeTrailingPathDelimiter(std::string_view path) {
    if (!path.empty() && path.back() == PathDelim && path.size() > 1)
        path.remove_suffix(1);
    return std::string(path);
}

} // namespace fw
