#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace tambrelox {

// Why a file cannot be shown, worded for the user.
struct Refusal {
    std::string message;
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

}  // namespace tambrelox
