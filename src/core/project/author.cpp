#include "core/project/author.h"

#include <algorithm>

#include "core/base/text.h"

namespace tambrelox {
namespace {

constexpr std::string_view kAuthorTag = "AUTHOR";
constexpr std::string_view kPossessiveTag = "AUTHOR'S";
constexpr std::string_view kVostrelleTag = "VOSTRELLE";
constexpr std::string_view kVostrelleAuthor = "Vostrelle Project";
constexpr std::size_t kCandidateLength = 24;  // characters taken after the tag
constexpr std::size_t kTabsRemovedBelow = 8;  // a tab this early is padding, not an end

// The candidate right after the first "AUTHOR" of `text`, if there is one.
std::optional<std::string> CandidateAfterTag(const std::string& text) {
    const auto at = AsciiUpper(text).find(kAuthorTag);
    if (at == std::string::npos) return std::nullopt;
    const auto from = std::min(text.size(), at + kAuthorTag.size());
    return text.substr(from, kCandidateLength);
}

}  // namespace

std::string ShownAuthor(std::string_view author) {
    return Windows1252ToUtf8(CutAtNul(author));
}

std::string CleanAuthor(std::string_view text) {
    std::string s(text);
    std::erase(s, ':');
    s.erase(0, std::min(s.size(), s.find_first_not_of(' ')));
    const auto firstTab = s.find('\t');
    if (firstTab != std::string::npos && firstTab + 1 < kTabsRemovedBelow) std::erase(s, '\t');
    s.erase(std::min(s.size(), s.find('\t')));
    s.erase(std::min(s.size(), s.find("\r\n")));
    return s;
}

std::string AuthorFromHeaderText(std::string_view headerText) {
    const std::string text(headerText);
    if (const auto candidate = CandidateAfterTag(text)) {
        // "AUTHOR'S ..." in the header is a heading, not a name.
        if (candidate->starts_with('\'')) return std::string(kUnspecifiedAuthor);
        return CleanAuthor(*candidate);
    }
    if (AsciiUpper(text).find(kVostrelleTag) != std::string::npos)
        return std::string(kVostrelleAuthor);
    return std::string(kUnspecifiedAuthor);
}

std::optional<std::string> AuthorFromDescriptiveText(ByteView file, std::uint64_t textOffset) {
    std::string window = file.window(textOffset, kTextAuthorWindow).text();
    const auto possessive = AsciiUpper(window).find(kPossessiveTag);
    if (possessive != std::string::npos) window.erase(0, possessive + kPossessiveTag.size() - 1);
    const auto candidate = CandidateAfterTag(window);
    if (!candidate) return std::nullopt;
    return CleanAuthor(*candidate);
}

}  // namespace tambrelox
