#include "bar/SplitBySeparator.h"

namespace tavrin {

QStringList SplitBySeparator(const QString &text, const QString &separator)
{
    QStringList pieces;
    const qsizetype n = text.size();
    const qsizetype m = separator.size();
    if (n == 0)
        return pieces;

    QString current;
    qsizetype i = 0;
    while (i < n) {
        if (n - i < m) {
            current += QStringView(text).mid(i);
            pieces.append(current);
            return pieces;
        }
        if (m > 0 && text[i] == separator[0]) {
            qsizetype k = 1;
            while (k < m && text[i + k] == separator[k])
                ++k;
            if (k == m) {
                pieces.append(current);
                current.clear();
                i += m;
            } else {
                // Keep the matched beginning and go on at the unit that differed.
                current += QStringView(text).mid(i, k);
                i += k;
            }
        } else {
            current += text[i];
            ++i;
        }
        if (i == n) {
            pieces.append(current);
            current.clear();
        }
    }
    return pieces;
}

} // namespace tavrin
