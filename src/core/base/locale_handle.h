#pragma once

#include <locale.h>

#include <memory>
#include <type_traits>

namespace tambrelox {

struct LocaleFreer {
    void operator()(locale_t locale) const { freelocale(locale); }
};
using LocaleHandle = std::unique_ptr<std::remove_pointer_t<locale_t>, LocaleFreer>;

// The categories `mask` of the locale `name` ("" for the user's), or null when
// it is not installed.
[[nodiscard]] inline LocaleHandle OpenLocale(int mask, const char* name) {
    return LocaleHandle{newlocale(mask, name, nullptr)};
}

}  // namespace tambrelox
