#include "skins/SkinCatalogue.h"

#include "store/Sqlite3Database.h"
#include "tests/skins/SkinFixtures.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QStringList>

using namespace tavrin;

namespace {

class RecordingMenu : public SkinMenuWindow {
public:
    void EnableSkinSubmenu() override { calls << QStringLiteral("enable"); }
    void CheckSkinItem(std::size_t index) override
    {
        calls << QStringLiteral("check ") + QString::fromLatin1(SkinCatalogue()[index].itemName);
    }
    void ApplySkin(const QString &name, bool repaintBar) override
    {
        calls << QStringLiteral("load [%1] %2").arg(name, repaintBar ? QStringLiteral("repaint") : QStringLiteral("-"));
        if (throwOnLoad)
            throw std::runtime_error("load failed");
    }
    QStringList calls;
    bool throwOnLoad = false;
};

TEST(SkinCatalogue, HoldsTheSevenSkinsInMenuOrder)
{
    const QStringList names = {QStringLiteral("春草绿"), QStringLiteral("动感兰"), QStringLiteral("复古灰"),
                               QStringLiteral("古典青"), QStringLiteral("冷艳紫"), QStringLiteral("落日黄"),
                               QStringLiteral("玫瑰红")};
    const QStringList items = {"N10", "N11", "N21", "N22", "N23", "N24", "N25"};
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(SkinCatalogue()[i].name, names[qsizetype(i)]);
        EXPECT_EQ(QString::fromLatin1(SkinCatalogue()[i].itemName), items[qsizetype(i)]);
        EXPECT_EQ(FindSkin(names[qsizetype(i)]), i);
    }
    EXPECT_FALSE(FindSkin(QStringLiteral("春草绿 ")));
    EXPECT_FALSE(FindSkin(QString()));
}

TEST(InitSkins, DoesNothingWithoutASkinsDirectory)
{
    test::CurrentFolder folder;
    RecordingMenu menu;
    InitSkins(menu, QStringLiteral("春草绿"));
    EXPECT_TRUE(menu.calls.isEmpty());

    // A file called "skins" is no directory.
    test::WriteBytes(QStringLiteral("skins"), QByteArray("x"));
    InitSkins(menu, QStringLiteral("春草绿"));
    EXPECT_TRUE(menu.calls.isEmpty());
}

TEST(InitSkins, EnablesChecksAndLoadsTheStoredName)
{
    test::CurrentFolder folder;
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("skins")));
    const struct {
        QString stored;
        QStringList expected;
    } cases[] = {
        {QStringLiteral("落日黄"), {"enable", "check N24", "load [落日黄] -"}},
        {QStringLiteral("落日黄 "), {"enable", "load [落日黄 ] -"}},
        {QString(), {"enable", "load [] -"}},
        {QStringLiteral("Other"), {"enable", "load [Other] -"}},
    };
    for (const auto &c : cases) {
        RecordingMenu menu;
        InitSkins(menu, c.stored);
        EXPECT_EQ(menu.calls, c.expected) << c.stored.toStdString();
    }
    RecordingMenu failing;
    failing.throwOnLoad = true;
    EXPECT_NO_THROW(InitSkins(failing, QStringLiteral("春草绿")));
}

class N10ClickTest : public testing::Test {
protected:
    void SetUp() override
    {
        store.Open(QStringLiteral("data.db"));
        store.Execute(QStringLiteral("create table 设置 (a, 皮肤);"));
        store.Execute(QStringLiteral("insert into 设置 values ('x', '春草绿');"));
        store.Execute(QStringLiteral("insert into 设置 values ('y', '动感兰');"));
    }
    QStringList StoredSkins()
    {
        QStringList names;
        StatementPtr statement = store.Prepare(QStringLiteral("select 皮肤 from 设置;"));
        while (statement->Next())
            names << statement->ColumnText(0);
        return names;
    }

    test::CurrentFolder folder;
    TSQLite3Database store;
    RecordingMenu menu;
    QString current = QStringLiteral("春草绿");
};

TEST_F(N10ClickTest, StoresChecksAndLoadsWithRepaint)
{
    N10Click(menu, store, current, QStringLiteral("玫瑰红"));
    EXPECT_EQ(current, QStringLiteral("玫瑰红"));
    EXPECT_EQ(menu.calls, (QStringList{"check N25", "load [玫瑰红] repaint"}));
    EXPECT_EQ(StoredSkins(), (QStringList{QStringLiteral("玫瑰红"), QStringLiteral("玫瑰红")}));

    // The current skin again: stored and loaded once more.
    menu.calls.clear();
    N10Click(menu, store, current, QStringLiteral("玫瑰红"));
    EXPECT_EQ(menu.calls, (QStringList{"check N25", "load [玫瑰红] repaint"}));
}

TEST_F(N10ClickTest, TheNameIsBoundNotSpliced)
{
    const QString hostile = QStringLiteral("x'; drop table 设置; --");
    N10Click(menu, store, current, hostile);
    EXPECT_EQ(StoredSkins(), (QStringList{hostile, hostile}));
}

TEST_F(N10ClickTest, AStoreFailurePropagatesAndSkipsTheLoading)
{
    store.Execute(QStringLiteral("drop table 设置;"));
    EXPECT_THROW(N10Click(menu, store, current, QStringLiteral("复古灰")), ESQLite3Error);
    EXPECT_EQ(current, QStringLiteral("复古灰"));
    EXPECT_EQ(menu.calls, (QStringList{"check N21"}));
}

} // namespace
