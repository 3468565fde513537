#pragma once

// The creation handler's set-up as an ordered list of steps. The first
// error that escapes a step ends the list there and is reported; a step
// marked as swallowing its errors never ends the list.

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace tavrin {

struct CreationStep {
    QString name;
    std::function<void()> run;
    bool swallowsErrors = false;
};

// Runs the steps in order. Returns the message of the error that ended the
// list, or nothing when every step ran.
std::optional<QString> RunCreationSteps(const std::vector<CreationStep> &steps);

// The message of the exception currently being handled, for the error box.
QString CurrentExceptionMessage();

} // namespace tavrin
