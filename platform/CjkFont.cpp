#include "platform/CjkFont.h"

#include <QFontDatabase>

namespace tavrin {

QStringList CjkFontFamilies()
{
    return {QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Noto Sans CJK SC"),
            QStringLiteral("Noto Sans SC"),      QStringLiteral("Droid Sans Fallback"),
            QStringLiteral("AR PL UMing CN"),    QStringLiteral("WenQuanYi Micro Hei")};
}

QFont CjkFont(int pixelSize)
{
    QStringList installed;
    const QStringList available = QFontDatabase::families();
    for (const QString &family : CjkFontFamilies()) {
        if (available.contains(family, Qt::CaseInsensitive))
            installed.append(family);
    }

    QFont font;
    if (installed.isEmpty()) {
        // None of ours: any family that claims Simplified Chinese.
        const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
        if (!chinese.isEmpty())
            installed.append(chinese.first());
    }
    if (!installed.isEmpty())
        font.setFamilies(installed);
    font.setPixelSize(pixelSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace tavrin
