// Reading the headless trace: split a line into its fields and find lines.
#pragma once

#include <sstream>
#include <string>
#include <vector>

namespace lesson::testing {

inline std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out;
    std::istringstream in(line);
    for (std::string f; in >> f;) out.push_back(f);
    return out;
}

// "text X Y H V COLOUR FACE SIZE BOLD ITALIC TEXT": the lines drawing that text.
inline std::vector<std::vector<std::string>> textLines(const std::vector<std::string>& lines,
                                                       const std::string& text) {
    std::vector<std::vector<std::string>> out;
    for (const auto& l : lines) {
        auto f = fields(l);
        if (f.size() >= 11 && f[0] == "text" && f.back() == text) out.push_back(f);
    }
    return out;
}

inline bool hasLine(const std::vector<std::string>& lines, const std::string& wanted) {
    for (const auto& l : lines)
        if (l == wanted) return true;
    return false;
}

inline int countLines(const std::vector<std::string>& lines, const std::string& wanted) {
    int n = 0;
    for (const auto& l : lines)
        if (l == wanted) ++n;
    return n;
}

}  // namespace lesson::testing
