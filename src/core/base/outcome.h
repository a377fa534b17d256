#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace tambrelox {

// What kind of failure a refusal is, for callers that act on it rather than show it.
enum class RefusalKind {
    CannotOpen,   // missing, or no permission to open
    NotAFile,     // a folder, device or pipe where a file was expected
    TooLarge,     // more bytes than any file this program reads whole
    CannotRead,   // opened, but the bytes did not all come
    NotAProject,  // bytes that do not hold together as a sound project
    BadWave,      // a wave file that cannot be played or repeated
    CannotWrite,  // an output that could not, or must not, be written
    BadArgument,  // a command line or a choice in it that cannot be carried out
};

// Where in a file a refusal was met.
struct Place {
    enum class In { DirectoryEntry, FileOffset };
    In in = In::FileOffset;
    std::uint64_t at = 0;  // the entry's number from 0, or the byte offset

    bool operator==(const Place&) const = default;
};

// Why something cannot be done, worded for the user.
struct Refusal {
    Refusal(RefusalKind refusedAs, std::string why, std::optional<Place> where = std::nullopt,
            std::optional<std::string> author = std::nullopt)
        : kind(refusedAs), message(std::move(why)), place(where), authorShown(std::move(author)) {}

    RefusalKind kind;
    std::string message;
    std::optional<Place> place;
    // What the owner/author label shows once the reader stopped; empty when the
    // reader stopped before it set the label.
    std::optional<std::string> authorShown;
};

// A value or the refusal that took its place.
template <class T>
class [[nodiscard]] Outcome {
  public:
    Outcome(T value) : state_(std::move(value)) {}            // NOLINT(google-explicit-constructor)
    Outcome(Refusal refusal) : state_(std::move(refusal)) {}  // NOLINT(google-explicit-constructor)

    [[nodiscard]] bool ok() const { return std::holds_alternative<T>(state_); }
    [[nodiscard]] const T& value() const& { return std::get<T>(state_); }
    [[nodiscard]] T&& value() && { return std::get<T>(std::move(state_)); }
    [[nodiscard]] const Refusal& refusal() const { return std::get<Refusal>(state_); }

  private:
    std::variant<T, Refusal> state_;
};

// Done, or the refusal that stopped it: for calls with nothing to hand back.
template <>
class [[nodiscard]] Outcome<void> {
  public:
    Outcome() = default;
    // NOLINTNEXTLINE(google-explicit-constructor): a refusal is returned as it is
    Outcome(Refusal refusal) : refusal_(std::move(refusal)) {}

    [[nodiscard]] bool ok() const { return !refusal_; }
    [[nodiscard]] const Refusal& refusal() const { return refusal_.value(); }

  private:
    std::optional<Refusal> refusal_;
};

}  // namespace tambrelox
