#include "store/IntegerText.h"
#include "store/SettingsRecord.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace tavrin;

namespace {

// Records every call of the settings pass in order.
class RecordingWindow : public SettingsWindow {
public:
    QStringList calls;
    int screenWidth = 1024;
    void SetTitleText(const QString &text) override { calls << QStringLiteral("title ") + text; }
    void SetCurrentSkinName(const QString &name) override { calls << QStringLiteral("skin ") + name; }
    void SetWindowHeight(int h) override { calls << QStringLiteral("height %1").arg(h); }
    void SetWindowTop(int t) override { calls << QStringLiteral("top %1").arg(t); }
    void SetWindowLeft(int l) override { calls << QStringLiteral("left %1").arg(l); }
    int WindowWidth() const override { return 174; }
    int PrimaryScreenWidth() const override { return screenWidth; }
    void RemoveContextMenu() override { calls << QStringLiteral("no menu"); }
    void ToggleStayOnTop() override { calls << QStringLiteral("N5"); }
    void ToggleSavePosition() override { calls << QStringLiteral("N3"); }
};

QStringList RunSettingsPass(const QString &rowsSql, QString *error = nullptr,
                const QString &columns = QStringLiteral("title, 皮肤, height, n1, n2, n3, n4, menu"))
{
    CurrentTempFolder folder;
    TSQLite3Database db;
    db.Open(QStringLiteral("data.db"));
    db.Execute(QStringLiteral("create table 设置(%1);").arg(columns));
    if (!rowsSql.isEmpty())
        db.Execute(rowsSql);
    RecordingWindow window;
    try {
        LoadSettings(db, window);
    } catch (const EConvertError &e) {
        if (error)
            *error = e.Message();
    }
    return window.calls;
}

} // namespace

TEST(SettingsRecord, AppliesFieldsInOrder)
{
    struct Case {
        const char *name;
        QString rows;
        QStringList expected;
    };
    const std::vector<Case> cases = {
        {"no row keeps the defaults", QString(), {}},
        {"no saved position: top 20, left from the screen width",
         QStringLiteral("insert into 设置 values('T', 'S', '600', '', '', '0', '0', '1');"),
         {"title T", "skin S", "height 600", "top 20", "left 830"}},
        {"saved top 0 is a position",
         QStringLiteral("insert into 设置 values('T', 'S', ' 600', '0', '-5', '0', '0', '1');"),
         {"title T", "skin S", "height 600", "top 0", "left -5"}},
        {"both flags, stay on top first",
         QStringLiteral("insert into 设置 values('T', 'S', '600', '', '', '1', '1', '1');"),
         {"title T", "skin S", "height 600", "top 20", "left 830", "N5", "N3"}},
        {"menu flag off removes the menu and ignores the flags",
         QStringLiteral("insert into 设置 values('T', 'S', '600', '', '', '1', '1', '0');"),
         {"title T", "skin S", "height 600", "top 20", "left 830", "no menu"}},
        {"flags must be exactly 1",
         QStringLiteral("insert into 设置 values('T', 'S', '600', '', '', '01', ' 1', '1');"),
         {"title T", "skin S", "height 600", "top 20", "left 830"}},
        {"NULL menu flag removes the menu",
         QStringLiteral("insert into 设置 values('T', 'S', '600', '', '', '1', '0', NULL);"),
         {"title T", "skin S", "height 600", "top 20", "left 830", "no menu"}},
        {"every row is applied",
         QStringLiteral("insert into 设置 values('A', 'a', '600', '', '', '1', '0', '1'),"
                        "('B', 'b', '500', '7', '9', '1', '0', '1');"),
         {"title A", "skin a", "height 600", "top 20", "left 830", "N5",
          "title B", "skin b", "height 500", "top 7", "left 9", "N5"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RunSettingsPass(c.rows), c.expected);
    }
}

TEST(SettingsRecord, ConversionFailureStopsThePassKeepingWhatWasApplied)
{
    QString error;
    EXPECT_EQ(RunSettingsPass(QStringLiteral("insert into 设置 values('T', 'S', '60x', '', '', '1', '1', '1');"), &error),
              (QStringList{"title T", "skin S"}));
    EXPECT_EQ(error, QStringLiteral("''60x'' is not a valid integer value"));

    EXPECT_EQ(RunSettingsPass(QStringLiteral("insert into 设置 values('T', 'S', '600', '5', 'left', '1', '1', '1');"), &error),
              (QStringList{"title T", "skin S", "height 600", "top 5"}));
    EXPECT_EQ(error, QStringLiteral("''left'' is not a valid integer value"));

    EXPECT_EQ(RunSettingsPass(QStringLiteral("insert into 设置 values('T', 'S', '', '', '', '', '', '');"), &error),
              (QStringList{"title T", "skin S"}));
    EXPECT_EQ(error, QStringLiteral("'''' is not a valid integer value"));
}

TEST(SettingsRecord, MissingColumnsReadAsEmpty)
{
    QString error;
    EXPECT_EQ(RunSettingsPass(QStringLiteral("insert into 设置 values('T', 'S', '600', '', '', '1', '1');"), &error,
                  QStringLiteral("title, 皮肤, height, n1, n2, n3, n4")),
              (QStringList{"title T", "skin S", "height 600", "top 20", "left 830", "no menu"}));
}
