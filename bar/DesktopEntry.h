#pragma once

// Reading of freedesktop.org desktop entry files (".desktop"): the keys of
// the [Desktop Entry] group that starting one needs, and the expansion of
// its Exec line into command lines.

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tavrin {

struct DesktopEntry {
    QString type;    // "Application", "Link", "Directory", ...
    QString name;    // the untranslated Name
    QString exec;    // Exec, with the string escapes (\s \n \t \r \\) decoded
    QString tryExec; // TryExec: the entry is unusable when this is not found
    QString icon;
    QString url;     // URL of a Type=Link entry
    QString path;    // Path: the working directory for the program
    bool terminal = false;
};

// Parses the text of a desktop entry file. Only the first [Desktop Entry]
// group counts; localized keys (Name[de]) and comments are skipped. None
// when the text has no such group.
std::optional<DesktopEntry> ParseDesktopEntry(const QString &content);

// Reads and parses a file as UTF-8; none when it cannot be read or parsed.
std::optional<DesktopEntry> ReadDesktopEntry(const QString &filePath);

// Turns the Exec line into command lines (program first), given the files or
// URLs to open and the location of the desktop file itself:
//   %F %U  all files, each as its own argument;
//   %f %u  one file; with several files one command line per file;
//   %i     "--icon" and the Icon value, or nothing without an icon;
//   %c     the Name; %k the desktop file's location; %% a single "%";
//   %d %D %n %N %v %m and unknown codes are removed.
// An argument that is exactly a file code and has nothing to take is dropped;
// a file code inside a longer argument ("--file=%f") takes the first file.
// When the Exec line has no file code, the files are appended at the end so
// that given parameters still reach the program. Empty when Exec is empty.
std::vector<QStringList> ExpandExec(const DesktopEntry &entry, const QStringList &files,
                                    const QString &desktopFilePath);

} // namespace tavrin
