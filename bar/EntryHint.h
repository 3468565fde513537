#pragma once

// An entry button carries one text, its entry hint: the target, "|", then
// the parameters. Nothing is escaped, so a "|" inside the target or the
// parameters does not read back intact.

#include <QString>

#include <optional>

namespace tavrin {

inline const QString EntryHintSeparator = QStringLiteral("|");

QString ComposeEntryHint(const QString &target, const QString &parameters);

struct EntryHintParts {
    QString target;
    QString parameters;
};

// Piece 0 and piece 1 of the hint split at "|"; none when the hint has no
// separator at all (it was not composed by ComposeEntryHint).
std::optional<EntryHintParts> ReadEntryHint(const QString &hint);

// Piece 0 of the hint: the target. The empty text for an empty hint.
QString EntryTarget(const QString &hint);

// Piece 1 of the hint: the parameters. Throws std::out_of_range when the
// hint has no separator, so a caller that drops errors opens nothing.
QString EntryParameters(const QString &hint);

} // namespace tavrin
