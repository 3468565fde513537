#pragma once

// Integer conversion of stored texts: optional leading blanks, an optional
// sign, then decimal digits, or hexadecimal digits behind "$", "x" or "0x".
// The whole text must be used and the value must fit 32 bits.

#include <QString>

#include <optional>
#include <stdexcept>

namespace tavrin {

class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const QString &message);
    QString Message() const { return message_; }

private:
    QString message_;
};

std::optional<int> TryStrToInt(const QString &text);

// Throws EConvertError("''<text>'' is not a valid integer value").
int StrToInt(const QString &text);

} // namespace tavrin
