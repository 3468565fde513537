#pragma once

#include <QString>
#include <QStringList>

namespace tavrin {

// Splits a parameter text into arguments the way a POSIX shell splits words,
// without any expansion: no variables, no globs, no "~", no command
// substitution. Blanks (space, tab, newline) separate words. Inside single
// quotes every character is literal. Inside double quotes a backslash
// escapes only $ ` " \ and a newline (which it removes); any other backslash
// stays. Outside quotes a backslash makes the next character literal, and a
// backslash before a newline removes both. Quotes that are not closed take
// the rest of the text literally; a trailing lone backslash stays a
// backslash. "" and '' give an empty argument.
QStringList SplitShellWords(const QString &text);

} // namespace tavrin
