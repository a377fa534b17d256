#pragma once

#include <string>

#include "core/base/outcome.h"

namespace tambrelox::testkit {

// "done", or the refusal's message: compared in a check, a failure shows why.
template <class T>
std::string OutcomeText(const Outcome<T>& outcome) {
    return outcome.ok() ? "done" : outcome.refusal().message;
}

}  // namespace tambrelox::testkit
