#pragma once
// Short, readable names for the cases of parameterised tests, so that ctest
// lists "Pieces/Transform.GivesTheBoardPolygon/SquareAtAngle0IsADiamond..."
// instead of the bytes of the parameter.

#include <cctype>
#include <string>
#include <string_view>

namespace zol::test {

// Longest name a case gets; what is cut off still tells cases apart in a
// table written for people.
inline constexpr size_t MaxCaseName = 40;

// "store two past the end" -> "StoreTwoPastTheEnd": the letters and digits of
// each word, capitalised, at most MaxCaseName characters.
inline std::string CaseName(std::string_view words)
{
    std::string name;
    bool wordStart = true;
    for (const char c : words) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x80 || !std::isalnum(u)) {
            wordStart = true;
            continue;
        }
        name += wordStart ? static_cast<char>(std::toupper(u)) : c;
        wordStart = false;
    }
    if (name.size() > MaxCaseName)
        name.resize(MaxCaseName);
    return name.empty() ? "Empty" : name;
}

// A short text that is itself the case, spelled out: "1,,2" ->
// "1CommaComma2", "" -> "Empty". Texts longer than MaxSpelled are named by
// their length ("4096Chars"); non-ASCII bytes become "NonAscii".
inline constexpr size_t MaxSpelled = 24;
inline std::string SpelledName(std::string_view text)
{
    if (text.empty())
        return "Empty";
    if (text.size() > MaxSpelled)
        return std::to_string(text.size()) + "Chars";
    std::string name;
    bool inNonAscii = false;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x80) {
            if (!inNonAscii)
                name += "NonAscii";
            inNonAscii = true;
            continue;
        }
        inNonAscii = false;
        switch (c) {
        case ',': name += "Comma"; break;
        case '-': name += "Minus"; break;
        case '+': name += "Plus"; break;
        case '.': name += "Dot"; break;
        case ' ': name += "Space"; break;
        case '\t': name += "Tab"; break;
        case '$': name += "Dollar"; break;
        default: name += std::isalnum(u) ? std::string(1, c) : "X";
        }
    }
    return name;
}

// For INSTANTIATE_TEST_SUITE_P: names each case after its `what` field.
struct NamedByWhat {
    template <class Info>
    std::string operator()(const Info& info) const
    {
        return CaseName(info.param.what);
    }
};

} // namespace zol::test
