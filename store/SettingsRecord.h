#pragma once

// The settings row of "设置": read by position, applied field by field.

#include "store/Sqlite3Database.h"

#include <QString>

namespace tavrin {

struct SettingsRecord {
    QString TitleText;
    QString SkinName;
    QString WindowHeight;
    QString SavedTop;
    QString SavedLeft;
    QString StayOnTopFlag;
    QString SavePositionFlag;
    QString MenuFlag;
};

// What the main window offers to the settings pass.
class SettingsWindow {
public:
    virtual ~SettingsWindow() = default;
    virtual void SetTitleText(const QString &text) = 0;
    virtual void SetCurrentSkinName(const QString &name) = 0;
    virtual void SetWindowHeight(int height) = 0;
    virtual void SetWindowTop(int top) = 0;
    virtual void SetWindowLeft(int left) = 0;
    virtual int WindowWidth() const = 0;
    virtual int PrimaryScreenWidth() const = 0;
    virtual void RemoveContextMenu() = 0;
    virtual void ToggleStayOnTop() = 0;    // N5Click
    virtual void ToggleSavePosition() = 0; // N3Click
};

SettingsRecord ReadSettingsRecord(const TSQLite3Statement &statement);
void ApplySettingsRecord(const SettingsRecord &record, SettingsWindow &window);
void LoadSettings(TSQLite3Database &database, SettingsWindow &window);

} // namespace tavrin
