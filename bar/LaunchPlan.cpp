#include "bar/LaunchPlan.h"

#include "bar/ClassifyTarget.h"
#include "bar/ShellWords.h"

#include <QDir>
#include <QRegularExpression>

namespace tavrin {

namespace {

using Commands = std::vector<LaunchCommand>;

// Hands a path or an address to the desktop's opener.
Commands OpenOnDesktop(const QString &what, const LaunchEnvironment &env)
{
    const QString xdgOpen = env.findExecutable(QStringLiteral("xdg-open"));
    if (!xdgOpen.isEmpty())
        return {{xdgOpen, {what}, {}}};
    const QString gio = env.findExecutable(QStringLiteral("gio"));
    if (!gio.isEmpty())
        return {{gio, {QStringLiteral("open"), what}, {}}};
    return {};
}

// Locations such as "trash:///" only GIO understands; without gio the
// nearest local folder goes to the opener instead.
Commands OpenLocation(const QString &uri, const QString &localFallback, const LaunchEnvironment &env)
{
    const QString gio = env.findExecutable(QStringLiteral("gio"));
    if (!gio.isEmpty())
        return {{gio, {QStringLiteral("open"), uri}, {}}};
    return OpenOnDesktop(localFallback, env);
}

QString ExistingFolderOr(const QString &folder, const QString &fallback, const LaunchEnvironment &env)
{
    if (!folder.isEmpty() && env.pathKind(folder) == PathKind::Directory)
        return folder;
    return fallback;
}

Commands RunFirstFound(const std::vector<QStringList> &candidates, const LaunchEnvironment &env)
{
    for (const QStringList &candidate : candidates) {
        const QString program = env.findExecutable(candidate.first());
        if (!program.isEmpty())
            return {{program, candidate.mid(1), {}}};
    }
    return {};
}

// The settings tool of the running desktop first, then any that is there.
Commands OpenSettings(const LaunchEnvironment &env)
{
    const QString desktop = env.currentDesktop.toUpper();
    std::vector<QStringList> tools;
    const auto prefer = [&](const char *desktopName, const char *tool) {
        if (desktop.contains(QString::fromLatin1(desktopName)))
            tools.push_back({QString::fromLatin1(tool)});
    };
    prefer("GNOME", "gnome-control-center");
    prefer("XFCE", "xfce4-settings-manager");
    prefer("KDE", "systemsettings");
    prefer("KDE", "systemsettings5");
    prefer("LXQT", "lxqt-config");
    prefer("MATE", "mate-control-center");
    prefer("X-CINNAMON", "cinnamon-settings");
    prefer("LXDE", "lxappearance");
    for (const char *tool : {"gnome-control-center", "xfce4-settings-manager", "systemsettings",
                             "systemsettings5", "lxqt-config", "mate-control-center",
                             "cinnamon-settings", "unity-control-center"})
        tools.push_back({QString::fromLatin1(tool)});
    return RunFirstFound(tools, env);
}

// The printer tool if one is installed, else the local CUPS pages, which
// every CUPS installation serves.
Commands OpenPrinters(const LaunchEnvironment &env)
{
    Commands commands = RunFirstFound({{QStringLiteral("system-config-printer")},
                                       {QStringLiteral("gnome-control-center"), QStringLiteral("printers")},
                                       {QStringLiteral("kcmshell5"), QStringLiteral("kcm_printer_manager")}},
                                      env);
    if (!commands.empty())
        return commands;
    return OpenOnDesktop(QStringLiteral("http://localhost:631/printers/"), env);
}

// The Windows shell folders and what stands for them here:
//   computer     "computer:///" through gio, else the root folder;
//   recycle bin  "trash:///" through gio, else the trash's files folder;
//   network      "network:///" through gio, else the home folder;
//   documents    the user's documents folder, else ~/Documents, else home;
//   printers     the printer settings tool, else the CUPS web pages;
//   control panel the desktop's settings tool; nothing when none exists;
//   any other    the home folder.
Commands SpecialFolderCommands(int picture, const LaunchEnvironment &env)
{
    const QString &home = env.homeDirectory;
    switch (picture) {
    case StockComputer:
        return OpenLocation(QStringLiteral("computer:///"), QStringLiteral("/"), env);
    case StockRecycleBin:
        return OpenLocation(QStringLiteral("trash:///"), ExistingFolderOr(env.trashDirectory, home, env),
                            env);
    case StockNetwork:
        return OpenLocation(QStringLiteral("network:///"), home, env);
    case StockDocuments: {
        const QString fallback = ExistingFolderOr(QDir(home).filePath(QStringLiteral("Documents")), home, env);
        return OpenOnDesktop(ExistingFolderOr(env.documentsDirectory, fallback, env), env);
    }
    case StockPrinters:
        return OpenPrinters(env);
    case StockControlPanel:
        return OpenSettings(env);
    default:
        return OpenOnDesktop(home, env);
    }
}

QString FindProgram(const QString &program, const LaunchEnvironment &env)
{
    if (program.contains(u'/')) {
        const QString path = QDir(env.currentDirectory).filePath(program);
        return env.pathKind(path) == PathKind::Executable ? path : QString();
    }
    return env.findExecutable(program);
}

// Type=Application runs its Exec line (in x-terminal-emulator when it asks
// for a terminal and one exists, else directly); Type=Link opens its URL;
// other types start nothing. The entry's Path becomes the working directory.
Commands RunDesktopEntry(const QString &path, const QString &parameters, const LaunchEnvironment &env)
{
    const std::optional<DesktopEntry> entry = env.readDesktopEntry(path);
    if (!entry)
        return {};
    if (entry->type == u"Link")
        return entry->url.isEmpty() ? Commands{} : OpenOnDesktop(entry->url, env);
    if (entry->type != u"Application")
        return {};
    if (!entry->tryExec.isEmpty() && FindProgram(entry->tryExec, env).isEmpty())
        return {};

    const QString terminal = entry->terminal ? env.findExecutable(QStringLiteral("x-terminal-emulator"))
                                             : QString();
    Commands commands;
    for (const QStringList &line : ExpandExec(*entry, SplitShellWords(parameters), path)) {
        const QString program = FindProgram(line.first(), env);
        if (program.isEmpty())
            return {};
        LaunchCommand command{program, line.mid(1), entry->path};
        if (!terminal.isEmpty())
            command = {terminal, QStringList{QStringLiteral("-e"), program} + line.mid(1), entry->path};
        commands.push_back(command);
    }
    return commands;
}

bool HasUrlScheme(const QString &target)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(target).hasMatch();
}

} // namespace

std::vector<LaunchCommand> PlanLaunch(const QString &target, const QString &parameters,
                                      const LaunchEnvironment &environment)
{
    if (target.isEmpty())
        return {};
    const std::optional<int> picture = ClassifyTarget(target);
    if (picture == StockWeb) {
        const bool bareHost = StartsWithAsciiNoCase(target, QStringLiteral("www."));
        return OpenOnDesktop(bareHost ? QStringLiteral("http://") + target : target, environment);
    }
    if (picture)
        return SpecialFolderCommands(*picture, environment);

    const QString path = QDir(environment.currentDirectory).filePath(target);
    const PathKind kind = environment.pathKind(path);
    if (kind == PathKind::Directory)
        return OpenOnDesktop(path, environment);
    if (kind != PathKind::Missing) {
        if (path.endsWith(QStringLiteral(".desktop"), Qt::CaseInsensitive))
            return RunDesktopEntry(path, parameters, environment);
        if (kind == PathKind::Executable)
            return {{path, SplitShellWords(parameters), {}}};
        return OpenOnDesktop(path, environment);
    }

    if (HasUrlScheme(target))
        return OpenOnDesktop(target, environment);
    if (!target.contains(u'/')) {
        const QString program = environment.findExecutable(target);
        if (!program.isEmpty())
            return {{program, SplitShellWords(parameters), {}}};
    }
    return {};
}

} // namespace tavrin
