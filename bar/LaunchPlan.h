#pragma once

// What to start for an entry on a Linux desktop, the way a file manager
// opens things: programs run with their parameters, desktop entry files run
// their Exec line, and documents, folders and addresses go to the desktop's
// opener (xdg-open, else "gio open"). Planning starts nothing and touches no
// file itself: everything it needs to know comes through LaunchEnvironment.

#include "bar/DesktopEntry.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace tavrin {

enum class PathKind {
    Missing,
    Directory,
    Executable, // a file the user may execute
    File,       // any other existing file
};

struct LaunchEnvironment {
    // Absolute path of an executable found on PATH, or the empty text.
    std::function<QString(const QString &name)> findExecutable;
    std::function<PathKind(const QString &path)> pathKind;
    std::function<std::optional<DesktopEntry>(const QString &path)> readDesktopEntry;
    QString currentDirectory;
    QString homeDirectory;
    QString documentsDirectory; // as the user's XDG settings name it; may not exist
    QString trashDirectory;     // the files folder of the user's trash; may not exist
    QString currentDesktop;     // XDG_CURRENT_DESKTOP, e.g. "GNOME" or "XFCE"
};

struct LaunchCommand {
    QString program;          // absolute path of the executable
    QStringList arguments;
    QString workingDirectory; // empty: the launcher's own
    bool operator==(const LaunchCommand &) const = default;
};

// The commands to start for the target and its parameters; empty when
// nothing can be started (empty or missing target, no tool to open it).
// The order of the checks:
//   1. "http://", "https://" (any case): the address goes to the opener;
//      "www." goes to the opener as "http://" + target.
//   2. "::{" shell folder names, chosen by prefix like the entry pictures:
//      see SpecialFolderCommands in the implementation.
//   3. An existing path (a relative one taken from the current directory):
//      a folder or a document goes to the opener, a ".desktop" file runs its
//      entry, an executable file runs with the parameters split into words.
//   4. Any other text with a URL scheme ("file:", "mailto:", "ftp:") goes
//      to the opener.
//   5. A bare name without "/" that is found on PATH runs like (3).
// The target is never changed otherwise: no "~", no variables, no quoting.
// Parameters are passed to programs only; openers get the target alone.
std::vector<LaunchCommand> PlanLaunch(const QString &target, const QString &parameters,
                                      const LaunchEnvironment &environment);

} // namespace tavrin
