#include "core/base/text.h"

#include <wctype.h>

#include <array>

#include "core/base/locale_handle.h"

namespace tambrelox {
namespace {

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Length of the UTF-8 sequence that starts with `lead`, or 0 where `lead`
// cannot start one (such bytes are taken one at a time).
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 0;
}

// Decodes the character at `at`, or nothing where the bytes are not valid UTF-8.
bool DecodeAt(std::string_view text, std::size_t at, char32_t& c, std::size_t& length) {
    const auto lead = static_cast<unsigned char>(text[at]);
    length = SequenceLength(lead);
    if (length == 0 || at + length > text.size()) return false;
    static constexpr std::array<unsigned char, 5> kLeadMask{0, 0x7F, 0x1F, 0x0F, 0x07};
    c = lead & kLeadMask[length];
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) return false;
        c = (c << 6) | (next & 0x3F);
    }
    return true;
}

// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F. The five bytes it
// leaves undefined map to the C1 controls of the same value, as Windows does.
constexpr std::array<char16_t, 32> kWindows1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

locale_t Utf8CaseLocale() {
    static const LocaleHandle locale = OpenLocale(LC_CTYPE_MASK, "C.UTF-8");
    return locale.get();
}

// Maps every character with `change`; bytes that are not valid UTF-8 pass unchanged.
template <class CaseChange>
std::string ChangeCase(std::string_view text, CaseChange change) {
    std::string out;
    out.reserve(text.size());
    locale_t locale = Utf8CaseLocale();
    for (std::size_t at = 0; at < text.size();) {
        char32_t c = 0;
        std::size_t length = 0;
        if (locale == nullptr || !DecodeAt(text, at, c, length)) {
            out += static_cast<char>(change(static_cast<unsigned char>(text[at]), nullptr));
            ++at;
            continue;
        }
        AppendUtf8(out, static_cast<char32_t>(change(static_cast<wint_t>(c), locale)));
        at += length;
    }
    return out;
}

}  // namespace

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        const bool remapped = c >= 0x80 && c < 0xA0;
        AppendUtf8(out, remapped ? kWindows1252High[c - 0x80U] : char32_t{c});
    }
    return out;
}

std::string AsciiUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

std::string Utf8Lower(std::string_view text) {
    return ChangeCase(text, [](wint_t c, locale_t locale) -> wint_t {
        if (locale != nullptr) return towlower_l(c, locale);
        return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
    });
}

std::string Utf8Upper(std::string_view text) {
    return ChangeCase(text, [](wint_t c, locale_t locale) -> wint_t {
        if (locale != nullptr) return towupper_l(c, locale);
        return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c;
    });
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

std::string_view Utf8Prefix(std::string_view text, std::size_t characters) {
    std::size_t seen = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) {
            if (seen == characters) return text.substr(0, at);
            ++seen;
        }
    }
    return text;
}

std::string_view CutAtNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

std::string_view TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string_view TrimTrailingSpaces(std::string_view text) {
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

std::string RightAligned(std::string_view text, std::size_t width) {
    const std::size_t length = Utf8Length(text);
    std::string out(length < width ? width - length : 0, ' ');
    return out.append(text);
}

std::string EscapedCell(std::string_view text) {
    std::string cell;
    cell.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '\t':
                cell += "\\t";
                break;
            case '\r':
                cell += "\\r";
                break;
            case '\n':
                cell += "\\n";
                break;
            case '\\':
                cell += "\\\\";
                break;
            default:
                if (const auto byte = static_cast<unsigned char>(c); byte < 0x20 || byte == 0x7F) {
                    constexpr std::string_view kHex = "0123456789abcdef";
                    cell += "\\x";
                    cell += kHex[byte >> 4];
                    cell += kHex[byte & 0xF];
                } else {
                    cell += c;
                }
        }
    }
    return cell;
}

std::string CsvRecord(const std::vector<std::string>& fields) {
    std::string record;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) record += ',';
        const std::string& field = fields[i];
        if (field.find_first_of(",\"\r\n") == std::string::npos) {
            record += field;
            continue;
        }
        record += '"';
        for (const char c : field) {
            if (c == '"') record += '"';
            record += c;
        }
        record += '"';
    }
    return record + "\r\n";
}

}  // namespace tambrelox
