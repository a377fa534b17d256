#pragma once

#include <concepts>
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
    Refusal(RefusalKind refusedAs, std::string why, std::optional<Place> where = std::nullopt)
        : kind(refusedAs), message(std::move(why)), place(where) {}

    RefusalKind kind;
    std::string message;
    std::optional<Place> place;
};

// A value or the refusal that took its place. A call whose callers need more
// than a refusal says about a failure names a `Failure` derived from Refusal.
template <class T, class Failure = Refusal>
class [[nodiscard]] Outcome {
  public:
    Outcome(T value) : state_(std::move(value)) {}            // NOLINT(google-explicit-constructor)
    Outcome(Failure refusal) : state_(std::move(refusal)) {}  // NOLINT(google-explicit-constructor)
    // The same outcome for a caller that needs only the refusal of a richer failure.
    template <class Richer>
    requires(std::derived_from<Richer, Failure> && !std::same_as<Richer, Failure>)
        Outcome(Outcome<T, Richer> richer)  // NOLINT(google-explicit-constructor)
        : state_(richer.ok() ? State(std::in_place_type<T>, std::move(richer).value())
                             : State(std::in_place_type<Failure>, richer.refusal())) {}

    [[nodiscard]] bool ok() const { return std::holds_alternative<T>(state_); }
    [[nodiscard]] const T& value() const& { return std::get<T>(state_); }
    [[nodiscard]] T&& value() && { return std::get<T>(std::move(state_)); }
    [[nodiscard]] const Failure& refusal() const { return std::get<Failure>(state_); }

  private:
    using State = std::variant<T, Failure>;
    State state_;
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
