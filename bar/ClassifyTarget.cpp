#include "bar/ClassifyTarget.h"

#include <array>
#include <utility>

namespace tavrin {

namespace {

char16_t AsciiLower(char16_t unit)
{
    return (unit >= u'A' && unit <= u'Z') ? char16_t(unit - u'A' + u'a') : unit;
}

} // namespace

bool StartsWithAsciiNoCase(const QString &text, const QString &prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (qsizetype i = 0; i < prefix.size(); ++i) {
        if (AsciiLower(text[i].unicode()) != AsciiLower(prefix[i].unicode()))
            return false;
    }
    return true;
}

std::optional<int> ClassifyTarget(const QString &target)
{
    for (const char *web : {"http://", "https://", "www."}) {
        if (StartsWithAsciiNoCase(target, QString::fromLatin1(web)))
            return StockWeb;
    }
    if (!StartsWithAsciiNoCase(target, QStringLiteral("::{")))
        return std::nullopt;

    const std::array<std::pair<const QString *, int>, 6> folders = {{
        {&ComputerFolderName, StockComputer},
        {&DocumentsFolderName, StockDocuments},
        {&ControlPanelFolderName, StockControlPanel},
        {&NetworkFolderName, StockNetwork},
        {&RecycleBinFolderName, StockRecycleBin},
        {&PrintersFolderName, StockPrinters},
    }};
    for (const auto &[name, picture] : folders) {
        if (StartsWithAsciiNoCase(target, *name))
            return picture;
    }
    return StockFolder;
}

} // namespace tavrin
