#include "bar/DesktopEntry.h"

#include "bar/ShellWords.h"

#include <QFile>

namespace tavrin {

namespace {

// The escapes every string value may carry. Other backslash pairs stay as
// they are so that the quoting rules of Exec can see them.
QString DecodeStringEscapes(const QString &value)
{
    QString decoded;
    decoded.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 >= value.size()) {
            decoded += value[i];
            continue;
        }
        const QChar next = value[i + 1];
        if (next == u's')
            decoded += u' ';
        else if (next == u'n')
            decoded += u'\n';
        else if (next == u't')
            decoded += u'\t';
        else if (next == u'r')
            decoded += u'\r';
        else if (next == u'\\')
            decoded += u'\\';
        else {
            decoded += value[i];
            decoded += next;
        }
        ++i;
    }
    return decoded;
}

bool UsesCode(const QStringList &arguments, QChar code)
{
    for (const QString &argument : arguments) {
        for (qsizetype i = 0; i + 1 < argument.size(); ++i) {
            if (argument[i] != u'%')
                continue;
            if (argument[i + 1] == code)
                return true;
            ++i; // skip the code letter, so "%%f" is no %f
        }
    }
    return false;
}

// Expands the codes inside one argument that is not a lone code.
QString ExpandInside(const QString &argument, const DesktopEntry &entry, const QString &file,
                     const QString &desktopFilePath)
{
    QString expanded;
    for (qsizetype i = 0; i < argument.size(); ++i) {
        if (argument[i] != u'%') {
            expanded += argument[i];
            continue;
        }
        if (i + 1 >= argument.size())
            break; // a lone "%" at the end is no code and is dropped
        const QChar code = argument[++i];
        if (code == u'%')
            expanded += u'%';
        else if (code == u'f' || code == u'u' || code == u'F' || code == u'U')
            expanded += file;
        else if (code == u'c')
            expanded += entry.name;
        else if (code == u'k')
            expanded += desktopFilePath;
        else if (code == u'i')
            expanded += entry.icon;
        // deprecated and unknown codes vanish
    }
    return expanded;
}

QStringList ExpandOnce(const QStringList &words, const DesktopEntry &entry, const QStringList &files,
                       const QString &desktopFilePath, bool appendFiles)
{
    const QString firstFile = files.isEmpty() ? QString() : files.first();
    QStringList command;
    for (const QString &word : words) {
        if (word == u"%F" || word == u"%U") {
            command += files;
        } else if (word == u"%f" || word == u"%u") {
            if (!files.isEmpty())
                command.append(firstFile);
        } else if (word == u"%i") {
            if (!entry.icon.isEmpty())
                command << QStringLiteral("--icon") << entry.icon;
        } else {
            command.append(ExpandInside(word, entry, firstFile, desktopFilePath));
        }
    }
    if (appendFiles)
        command += files;
    return command;
}

} // namespace

std::optional<DesktopEntry> ParseDesktopEntry(const QString &content)
{
    DesktopEntry entry;
    bool inGroup = false;
    bool groupSeen = false;
    const QStringList lines = content.split(u'\n');
    for (QString line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;
        if (trimmed.startsWith(u'[')) {
            if (inGroup)
                break; // only the first [Desktop Entry] group counts
            inGroup = trimmed == u"[Desktop Entry]";
            groupSeen = groupSeen || inGroup;
            continue;
        }
        if (!inGroup)
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = DecodeStringEscapes(line.mid(equals + 1).trimmed());
        if (key == u"Type")
            entry.type = value;
        else if (key == u"Name")
            entry.name = value;
        else if (key == u"Exec")
            entry.exec = value;
        else if (key == u"TryExec")
            entry.tryExec = value;
        else if (key == u"Icon")
            entry.icon = value;
        else if (key == u"URL")
            entry.url = value;
        else if (key == u"Path")
            entry.path = value;
        else if (key == u"Terminal")
            entry.terminal = value == u"true";
    }
    if (!groupSeen)
        return std::nullopt;
    return entry;
}

std::optional<DesktopEntry> ReadDesktopEntry(const QString &filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return ParseDesktopEntry(QString::fromUtf8(file.readAll()));
}

std::vector<QStringList> ExpandExec(const DesktopEntry &entry, const QStringList &files,
                                    const QString &desktopFilePath)
{
    const QStringList words = SplitShellWords(entry.exec);
    if (words.isEmpty())
        return {};

    const bool takesList = UsesCode(words, u'F') || UsesCode(words, u'U');
    const bool takesOne = UsesCode(words, u'f') || UsesCode(words, u'u');
    std::vector<QStringList> commands;
    if (!takesList && takesOne && files.size() > 1) {
        for (const QString &file : files)
            commands.push_back(ExpandOnce(words, entry, QStringList{file}, desktopFilePath, false));
    } else {
        commands.push_back(ExpandOnce(words, entry, files, desktopFilePath, !takesList && !takesOne));
    }
    // The program itself may have been a code that expanded to nothing.
    std::erase_if(commands, [](const QStringList &command) {
        return command.isEmpty() || command.first().isEmpty();
    });
    return commands;
}

} // namespace tavrin
