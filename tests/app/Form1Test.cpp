#include "app/Form1.h"
#include "bar/OutlookBar.h"
#include "platform/ImageList.h"
#include "platform/PictureBox.h"
#include "platform/SkinnedMenu.h"
#include "tests/store/TempFolder.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QAction>
#include <QTimer>
#include "platform/Panel.h"
#include "platform/ImgButton.h"
#include <QLabel>
#include <QScreen>
#include <QGuiApplication>

using namespace tavrin;

namespace {

const char *Schema =
    "create table 设置(title, 皮肤, height, n1, n2, n3, n4, menu);"
    "create table 分类(id integer primary key, name, 排序);"
    "create table 软件(id integer primary key, name, target, params, 分类, 排序);"
    "insert into 分类(name, 排序) values('Bob''s tools', 2), ('网址', 1);"
    "insert into 软件(name, target, params, 分类, 排序) values"
    "  ('Debian', 'https://www.debian.org/', '', '网址', 1),"
    "  ('etc', '/etc', '', 'Bob''s tools', 1),"
    "  ('bin', '/missing/nothing', '', 'Bob''s tools', 2);";

void WriteStore(const char *settingsRow)
{
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open("data.db", &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, Schema, nullptr, nullptr, nullptr), SQLITE_OK);
    if (settingsRow != nullptr) {
        const std::string sql = std::string("insert into 设置 values(") + settingsRow + ");";
        ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    }
    sqlite3_close(db);
}

QString StoredText(const char *column)
{
    sqlite3 *db = nullptr;
    sqlite3_open("data.db", &db);
    sqlite3_stmt *st = nullptr;
    const std::string sql = std::string("select ") + column + " from 设置;";
    sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr);
    QString value;
    if (sqlite3_step(st) == SQLITE_ROW && sqlite3_column_text(st, 0) != nullptr)
        value = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    sqlite3_close(db);
    return value;
}

// A window whose error boxes are recorded instead of shown.
struct RecordingForm {
    TForm1 form;
    QStringList errors;
    RecordingForm()
    {
        form.ShowError = [this](QWidget *, const QString &message) { errors << message; };
    }
};

} // namespace

TEST(Form1, ComposesTheControlTreeWithTheLayoutRules)
{
    TForm1 form;
    for (const char *name : {"Panel1", "Panel2", "Panel3", "Panel4", "Panel5", "Panel6", "Panel7", "Panel8", "Panel9",
                             "Panel10", "Panel11", "Image1", "Image2", "Image3", "Image4", "Image5", "Image6",
                             "Image7", "Image8", "Image9", "Label1", "ImgButton1", "ImgButton2", "list1", "Timer1",
                             "Timer2"})
        EXPECT_NE(form.findChild<QObject *>(QString::fromLatin1(name)), nullptr) << name;

    struct Expected {
        const QWidget *widget;
        QRect geometry;
    };
    auto check = [&](int h) {
        const int c = h - 34;
        const std::vector<Expected> table = {
            {form.Panel1, {0, 0, 174, 26}},   {form.Panel5, {0, 0, 57, 26}},    {form.Panel6, {93, 0, 81, 26}},
            {form.Panel7, {57, 0, 36, 26}},   {form.Panel2, {0, h - 8, 174, 8}}, {form.Panel8, {0, 0, 8, 8}},
            {form.Panel9, {166, 0, 8, 8}},    {form.Panel10, {8, 0, 158, 8}},   {form.Panel3, {0, 26, 8, c}},
            {form.Panel4, {166, 26, 8, c}},   {form.Panel11, {8, 26, 158, c}},  {form.Image9, {0, 0, 158, c}},
            {form.list1, {0, 0, 158, c}},     {form.Image1, {0, 0, 57, 26}},    {form.Image3, {0, 0, 81, 26}},
            {form.Image2, {0, 0, 36, 26}},    {form.ImgButton2, {14, 6, 28, 15}},
            {form.ImgButton1, {45, 6, 28, 15}},
        };
        for (const Expected &e : table)
            EXPECT_EQ(e.widget->geometry(), e.geometry) << e.widget->objectName().toStdString() << " at H=" << h;
    };
    EXPECT_EQ(form.size(), QSize(174, 673));
    check(673);
    form.SetWindowHeight(600);
    check(600);
    EXPECT_EQ(form.Label1->pos(), QPoint(8, 8));
    EXPECT_EQ(form.Label1->parentWidget(), static_cast<QWidget *>(form.Panel5)) << "the title is clipped at Panel5's edge";
    EXPECT_FALSE(form.Image1->Stretch());
    EXPECT_TRUE(form.Image9->Stretch());
    EXPECT_EQ(form.ImageList2->Count(), 8);
    EXPECT_TRUE(form.Timer1->isActive());
    EXPECT_FALSE(form.Timer2->isActive());
    EXPECT_FALSE(form.N7->menuAction()->isEnabled());
}

TEST(Form1, CreationAppliesTheStoreAndBuildsTheBar)
{
    CurrentTempFolder folder;
    WriteStore("'我的启动器', '春草绿', '600', '', '', '0', '0', '1'");
    RecordingForm f;
    f.form.FormCreate();
    EXPECT_TRUE(f.errors.isEmpty()) << f.errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(f.form.Label1->text(), QStringLiteral("我的启动器"));
    EXPECT_EQ(f.form.CurrentSkinName(), QStringLiteral("春草绿"));
    EXPECT_EQ(f.form.height(), 600);
    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    EXPECT_EQ(f.form.WindowPos(), QPoint(screenWidth - 174 - 20, 20));
    ASSERT_EQ(f.form.list1->HeaderCount(), 2);
    EXPECT_EQ(f.form.list1->Header(0).Caption, QStringLiteral("网址"));
    EXPECT_EQ(f.form.list1->Header(1).Caption, QStringLiteral("Bob's tools"));
    EXPECT_EQ(f.form.list1->Header(1).ButtonCount(), 2) << "a quote in a category name is data";
    EXPECT_EQ(f.form.list1->ActiveHeader(), 0);
    EXPECT_EQ(f.form.list1->Header(0).Button(0).ImageIndex, 0) << "web address: stock picture";
    EXPECT_EQ(f.form.list1->Header(1).Button(1).ImageIndex, -1) << "missing path: no picture";
    EXPECT_TRUE(f.form.HasContextMenu());
    EXPECT_TRUE(f.form.Store().Statements().empty());
}

TEST(Form1, CreationStopsAtTheFirstErrorAndTheWindowKeepsItsDefinition)
{
    struct Case {
        const char *name;
        const char *row; // nullptr: no store file at all
        QString error;
        QString title;
        int height;
        int headers;
    };
    const std::vector<Case> cases = {
        {"empty folder", nullptr, QStringLiteral("SQLite3 error: no such table: 设置"), QStringLiteral("Tavrin"), 673, 0},
        {"bad height", "'T', 'S', '60 0', '', '', '1', '1', '1'",
         QStringLiteral("''60 0'' is not a valid integer value"), QStringLiteral("T"), 673, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CurrentTempFolder folder;
        if (c.row != nullptr)
            WriteStore(c.row);
        RecordingForm f;
        f.form.FormCreate();
        EXPECT_EQ(f.errors, QStringList{c.error});
        EXPECT_TRUE(QFile::exists(QStringLiteral("data.db")));
        EXPECT_EQ(f.form.Label1->text(), c.title);
        EXPECT_EQ(f.form.height(), c.height);
        EXPECT_EQ(f.form.WindowPos(), QPoint(TForm1::DefinedLeft, TForm1::DefinedTop));
        EXPECT_EQ(f.form.list1->HeaderCount(), c.headers);
        EXPECT_FALSE(f.form.StayOnTop());
    }
}

TEST(Form1, SwitchesWriteAtOnceAndTheMenuFlagRemovesTheMenu)
{
    {
        CurrentTempFolder folder;
        WriteStore("'T', '', '600', '', '', '1', '0', '1'");
        RecordingForm f;
        f.form.FormCreate();
        EXPECT_TRUE(f.form.StayOnTop());
        EXPECT_TRUE(f.form.N5->isChecked());
        EXPECT_EQ(StoredText("n3"), QStringLiteral("1"));
        f.form.N5Click();
        EXPECT_FALSE(f.form.StayOnTop());
        EXPECT_FALSE(f.form.N5->isChecked());
        EXPECT_EQ(StoredText("n3"), QStringLiteral("0"));
        f.form.N3Click();
        EXPECT_TRUE(f.form.N3->isChecked());
        EXPECT_EQ(StoredText("n4"), QStringLiteral("1"));
    }
    {
        CurrentTempFolder folder;
        WriteStore("'T', '', '600', '', '', '1', '1', '0'");
        RecordingForm f;
        f.form.FormCreate();
        EXPECT_FALSE(f.form.HasContextMenu());
        EXPECT_FALSE(f.form.StayOnTop());
        EXPECT_EQ(StoredText("n3"), QStringLiteral("1")) << "n3 is not written when the menu flag is off";
    }
}

TEST(Form1, CloseStoresThePositionAndRetriesWhenTheWriteFails)
{
    CurrentTempFolder folder;
    WriteStore("'T', '', '600', '-597', '300', '0', '1', '1'");
    RecordingForm f;
    f.form.FormCreate();
    ASSERT_TRUE(f.errors.isEmpty()) << f.errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(f.form.WindowPos(), QPoint(300, -597)) << "a hidden position is restored exactly";

    sqlite3 *other = nullptr;
    ASSERT_EQ(sqlite3_open("data.db", &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "begin exclusive;", nullptr, nullptr, nullptr), SQLITE_OK);
    f.form.MoveWindow(QPoint(250, -597));
    EXPECT_FALSE(f.form.close()) << "the write failed: the window stays";
    EXPECT_EQ(f.errors, QStringList{QStringLiteral("SQLite3 error: database is locked")});
    EXPECT_TRUE(f.form.Store().Connected());

    sqlite3_exec(other, "rollback;", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_TRUE(f.form.close());
    EXPECT_EQ(StoredText("n1"), QStringLiteral("-597"));
    EXPECT_EQ(StoredText("n2"), QStringLiteral("250"));
}
