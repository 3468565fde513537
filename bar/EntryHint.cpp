#include "bar/EntryHint.h"

#include "bar/SplitBySeparator.h"

#include <stdexcept>

namespace tavrin {

QString ComposeEntryHint(const QString &target, const QString &parameters)
{
    return target + EntryHintSeparator + parameters;
}

std::optional<EntryHintParts> ReadEntryHint(const QString &hint)
{
    const QStringList pieces = SplitBySeparator(hint, EntryHintSeparator);
    if (pieces.size() < 2)
        return std::nullopt;
    return EntryHintParts{pieces[0], pieces[1]};
}

QString EntryTarget(const QString &hint)
{
    const QStringList pieces = SplitBySeparator(hint, EntryHintSeparator);
    return pieces.isEmpty() ? QString() : pieces[0];
}

QString EntryParameters(const QString &hint)
{
    const QStringList pieces = SplitBySeparator(hint, EntryHintSeparator);
    if (pieces.size() < 2)
        throw std::out_of_range("entry hint without separator");
    return pieces[1];
}

} // namespace tavrin
