#include "app/SingleInstance.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tavrin {

QString SingleInstance::LockPathFor(const QString &guardName)
{
    const char *runtime = std::getenv("XDG_RUNTIME_DIR");
    QString folder = runtime != nullptr && *runtime != '\0' ? QFile::decodeName(runtime) : QString();
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::tempPath() + QStringLiteral("/tavrin-%1").arg(getuid());
    return folder + QLatin1Char('/') + guardName;
}

SingleInstance::SingleInstance(const QString &guardName)
    : lockPath_(LockPathFor(guardName))
{
    QDir().mkpath(QFileInfo(lockPath_).absolutePath());
    // Close-on-exec: programs started from the launcher must not inherit
    // the lock and keep it after the launcher has gone.
    fd_ = ::open(QFile::encodeName(lockPath_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0)
        return;
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        alreadyRunning_ = true;
}

SingleInstance::~SingleInstance()
{
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace tavrin
