#pragma once

#include <QString>

#include <optional>

namespace tavrin {

// Positions of the stock pictures in ImageList2.
enum StockPicture : int {
    StockWeb = 0,
    StockFolder = 1,
    StockComputer = 2,
    StockControlPanel = 3,
    StockDocuments = 4,
    StockPrinters = 5,
    StockNetwork = 6,
    StockRecycleBin = 7,
};

// Class identifiers of the shell folders an entry may name, in the order
// they are tried.
inline const QString ComputerFolderName = QStringLiteral("::{20D04FE0-3AEA-1069-A2D8-08002B30309D}");
inline const QString DocumentsFolderName = QStringLiteral("::{450D8FBA-AD25-11D0-98A8-0800361B1103}");
inline const QString ControlPanelFolderName = QStringLiteral("::{21EC2020-3AEA-1069-A2DD-08002B30309D}");
inline const QString NetworkFolderName = QStringLiteral("::{208D2C60-3AEA-1069-A2D7-08002B30309D}");
inline const QString RecycleBinFolderName = QStringLiteral("::{645ff040-5081-101b-9f08-00aa002f954e}");
inline const QString PrintersFolderName = QStringLiteral("::{2227a280-3aea-1069-a2de-08002b30309d}");

// True when text starts with prefix, ignoring the case of ASCII letters only.
bool StartsWithAsciiNoCase(const QString &text, const QString &prefix);

// The stock picture for a web address or a shell folder name, or none when
// the target's own file icon is wanted. Tests run in this order: web
// prefixes ("http://", "https://", "www."), then "::{" with the six folder
// names as prefixes (folder picture 1 when none matches).
std::optional<int> ClassifyTarget(const QString &target);

} // namespace tavrin
