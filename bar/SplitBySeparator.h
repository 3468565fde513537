#pragma once

#include <QString>
#include <QStringList>

namespace tavrin {

// Splits text at every occurrence of separator, comparing UTF-16 code units
// exactly. An empty text gives no pieces; an empty separator never matches.
// When a match fails part-way, scanning resumes at the code unit that
// differed, and a remainder shorter than the separator is never searched.
// Joining the pieces with the separator always gives the text back.
QStringList SplitBySeparator(const QString &text, const QString &separator);

} // namespace tavrin
