#include "store/SettingsRecord.h"

#include "store/IntegerText.h"
#include "store/Statements.h"

namespace tavrin {

namespace {
const QString FlagOn = QStringLiteral("1");
}

SettingsRecord ReadSettingsRecord(const TSQLite3Statement &statement)
{
    SettingsRecord record;
    record.TitleText = statement.ColumnText(0);
    record.SkinName = statement.ColumnText(1);
    record.WindowHeight = statement.ColumnText(2);
    record.SavedTop = statement.ColumnText(3);
    record.SavedLeft = statement.ColumnText(4);
    record.StayOnTopFlag = statement.ColumnText(5);
    record.SavePositionFlag = statement.ColumnText(6);
    record.MenuFlag = statement.ColumnText(7);
    return record;
}

void ApplySettingsRecord(const SettingsRecord &record, SettingsWindow &window)
{
    window.SetTitleText(record.TitleText);
    window.SetCurrentSkinName(record.SkinName);
    window.SetWindowHeight(StrToInt(record.WindowHeight));
    if (!record.SavedTop.isEmpty()) {
        window.SetWindowTop(StrToInt(record.SavedTop));
        window.SetWindowLeft(StrToInt(record.SavedLeft));
    } else {
        window.SetWindowTop(20);
        window.SetWindowLeft(window.PrimaryScreenWidth() - window.WindowWidth() - 20);
    }
    if (record.MenuFlag == FlagOn) {
        if (record.StayOnTopFlag == FlagOn)
            window.ToggleStayOnTop();
        if (record.SavePositionFlag == FlagOn)
            window.ToggleSavePosition();
    } else {
        window.RemoveContextMenu();
    }
}

void LoadSettings(TSQLite3Database &database, SettingsWindow &window)
{
    StatementPtr statement = database.Prepare(sql::SelectSettings);
    while (statement->Next())
        ApplySettingsRecord(ReadSettingsRecord(*statement), window);
}

} // namespace tavrin
