#pragma once

#include <QDir>
#include <QTemporaryDir>

// A temporary folder that is also the current directory while it lives,
// the way the launcher finds "data.db".
class CurrentTempFolder {
public:
    CurrentTempFolder() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
    ~CurrentTempFolder() { QDir::setCurrent(previous_); }
    QString Path(const QString &name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    QString previous_;
};
