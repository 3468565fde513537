#include "bar/ShellWords.h"

namespace tavrin {

namespace {

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool EscapableInDoubleQuotes(QChar c)
{
    return c == u'$' || c == u'`' || c == u'"' || c == u'\\' || c == u'\n';
}

} // namespace

QStringList SplitShellWords(const QString &text)
{
    QStringList words;
    QString word;
    bool inWord = false; // a word has started, even if it is still empty ("")
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text[i];
        if (IsBlank(c)) {
            if (inWord) {
                words.append(word);
                word.clear();
                inWord = false;
            }
            ++i;
        } else if (c == u'\'') {
            inWord = true;
            const qsizetype close = text.indexOf(u'\'', i + 1);
            const qsizetype end = close < 0 ? n : close;
            word += QStringView(text).mid(i + 1, end - i - 1);
            i = close < 0 ? n : close + 1;
        } else if (c == u'"') {
            inWord = true;
            ++i;
            while (i < n && text[i] != u'"') {
                if (text[i] == u'\\' && i + 1 < n && EscapableInDoubleQuotes(text[i + 1])) {
                    if (text[i + 1] != u'\n')
                        word += text[i + 1];
                    i += 2;
                } else {
                    word += text[i];
                    ++i;
                }
            }
            ++i; // the closing quote, or past the end when there is none
        } else if (c == u'\\') {
            if (i + 1 >= n) {
                inWord = true;
                word += c;
                ++i;
            } else if (text[i + 1] == u'\n') {
                i += 2;
            } else {
                inWord = true;
                word += text[i + 1];
                i += 2;
            }
        } else {
            inWord = true;
            word += c;
            ++i;
        }
    }
    if (inWord)
        words.append(word);
    return words;
}

} // namespace tavrin
