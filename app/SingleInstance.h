#pragma once

// The single-instance guard: an exclusive flock(2) on a lock file named
// after the guard in the user's runtime directory. The kernel drops the lock
// when the process ends, however it ends, so no stale lock is ever left.

#include <QString>

namespace tavrin {

class SingleInstance {
public:
    explicit SingleInstance(const QString &guardName);
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // True when another process holds the guard. A guard that could not be
    // set up at all (no writable runtime directory) lets this copy run.
    bool AlreadyRunning() const { return alreadyRunning_; }
    QString LockPath() const { return lockPath_; }

    static QString LockPathFor(const QString &guardName);

private:
    int fd_ = -1;
    bool alreadyRunning_ = false;
    QString lockPath_;
};

} // namespace tavrin
