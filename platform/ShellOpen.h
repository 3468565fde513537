#pragma once

// Opening an entry's target the way a file manager's "open" does: programs
// start with their parameters, documents in their associated program,
// folders in the file manager and addresses in the browser.

#include "bar/LaunchPlan.h"

#include <QString>

namespace tavrin {

// The launch environment of this process: PATH lookups, the file system,
// the current and home directories and the user's XDG folders.
LaunchEnvironment SystemLaunchEnvironment();

// Starts what PlanLaunch decides for the target, detached: the started
// program is not a child of the launcher, is never waited for, survives the
// launcher, inherits its current directory (unless a desktop entry names
// one) and reads its standard input from /dev/null. Returns true when
// something was planned and every command started; false otherwise. Never
// throws and shows nothing.
bool ShellOpen(const QString &target, const QString &parameters);

} // namespace tavrin
