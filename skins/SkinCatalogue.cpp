#include "skins/SkinCatalogue.h"

#include "store/Sqlite3Database.h"
#include "store/Statements.h"

#include <QFileInfo>

namespace tavrin {

const std::array<SkinEntry, 7> &SkinCatalogue()
{
    static const std::array<SkinEntry, 7> catalogue = {{
        {"N10", QStringLiteral("春草绿")},
        {"N11", QStringLiteral("动感兰")},
        {"N21", QStringLiteral("复古灰")},
        {"N22", QStringLiteral("古典青")},
        {"N23", QStringLiteral("冷艳紫")},
        {"N24", QStringLiteral("落日黄")},
        {"N25", QStringLiteral("玫瑰红")},
    }};
    return catalogue;
}

std::optional<std::size_t> FindSkin(const QString &name)
{
    const auto &catalogue = SkinCatalogue();
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        if (catalogue[i].name == name)
            return i;
    }
    return std::nullopt;
}

bool SkinsDirectoryExists()
{
    return QFileInfo(QStringLiteral("skins")).isDir();
}

void InitSkins(SkinMenuWindow &window, const QString &currentSkinName)
{
    try {
        if (!SkinsDirectoryExists())
            return;
        window.EnableSkinSubmenu();
        if (const std::optional<std::size_t> index = FindSkin(currentSkinName))
            window.CheckSkinItem(*index);
        window.ApplySkin(currentSkinName, false);
    } catch (...) {
        // The skin step never stops the start-up.
    }
}

void N10Click(SkinMenuWindow &window, TSQLite3Database &store, QString &currentSkinName, const QString &caption)
{
    currentSkinName = caption;
    if (const std::optional<std::size_t> index = FindSkin(caption))
        window.CheckSkinItem(*index);
    store.Execute(sql::SaveSkin, {currentSkinName});
    window.ApplySkin(currentSkinName, true);
}

} // namespace tavrin
