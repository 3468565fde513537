#pragma once

// The desktop's own picture for a file or folder, taken from the
// freedesktop icon theme.

#include <QImage>
#include <QString>

#include <optional>

namespace tavrin {

// A 24 x 24 picture for an existing path: folders get the theme's folder,
// desktop entry files their Icon (a theme name or an absolute picture
// path), executable files the theme's picture of that program's name or
// else the executable picture, other files the picture of their MIME type
// (or its generic family). None for the empty path, a
// path that does not exist, or when the theme has no picture for it.
// Relative paths resolve against the current directory. Pictures are
// cached by icon name, so many files of one type cost one theme lookup.
std::optional<QImage> FileIcon(const QString &path);

// The edge length of the pictures FileIcon returns.
constexpr int FileIconSize = 24;

} // namespace tavrin
