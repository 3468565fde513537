#pragma once

// Our reader of INI files, for config.ini in a skin directory. Lines name a
// section in square brackets or hold key=value under the section above.
// Section and key names match without regard to case, blanks around keys
// and values are dropped, a value wrapped in a pair of matching quotes loses
// them, lines starting with ';' or '#' are comments, and the first of
// repeated keys wins. The text may be UTF-8 (with or without a byte order
// mark), UTF-16 with a byte order mark, or GB18030/GBK as written by
// Chinese Windows.

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace tavrin {

class IniFile {
public:
    // Remembers the path only; the file is read at the first ReadString.
    explicit IniFile(QString path);

    // A reader over bytes already in memory.
    static IniFile FromBytes(const QByteArray &bytes);

    // The value of `key` in `section`, or `defaultValue` when the file,
    // the section or the key is missing.
    QString ReadString(const QString &section, const QString &key, const QString &defaultValue) const;

    // The file's bytes as text, by the rules above.
    static QString DecodeText(const QByteArray &bytes);

private:
    struct Entry {
        QString section;
        QString key;
        QString value;
    };

    IniFile() = default;
    void Parse(const QString &text) const;
    void LoadOnce() const;

    QString path_;
    mutable bool loaded_ = false;
    mutable std::vector<Entry> entries_;
};

} // namespace tavrin
