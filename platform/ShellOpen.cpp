#include "platform/ShellOpen.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace tavrin {

namespace {

PathKind KindOfPath(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return PathKind::Missing;
    if (info.isDir())
        return PathKind::Directory;
    if (info.isFile() && info.isExecutable())
        return PathKind::Executable;
    return PathKind::File;
}

bool StartDetached(const LaunchCommand &command)
{
    QProcess process;
    process.setProgram(command.program);
    process.setArguments(command.arguments);
    if (!command.workingDirectory.isEmpty())
        process.setWorkingDirectory(command.workingDirectory);
    process.setStandardInputFile(QProcess::nullDevice());
    return process.startDetached();
}

} // namespace

LaunchEnvironment SystemLaunchEnvironment()
{
    LaunchEnvironment environment;
    environment.findExecutable = [](const QString &name) { return QStandardPaths::findExecutable(name); };
    environment.pathKind = KindOfPath;
    environment.readDesktopEntry = ReadDesktopEntry;
    environment.currentDirectory = QDir::currentPath();
    environment.homeDirectory = QDir::homePath();
    environment.documentsDirectory = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    environment.trashDirectory =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash/files");
    environment.currentDesktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    return environment;
}

bool ShellOpen(const QString &target, const QString &parameters)
{
    try {
        const std::vector<LaunchCommand> commands = PlanLaunch(target, parameters, SystemLaunchEnvironment());
        bool allStarted = !commands.empty();
        for (const LaunchCommand &command : commands)
            allStarted = StartDetached(command) && allStarted;
        return allStarted;
    } catch (...) {
        return false;
    }
}

} // namespace tavrin
