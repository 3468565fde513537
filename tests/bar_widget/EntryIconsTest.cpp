#include "bar/BarPopulationTarget.h"
#include "bar/EntryIcons.h"
#include "bar/FileIcon.h"
#include "bar/OutlookBar.h"
#include "bar/PopulateBar.h"
#include "platform/ImageList.h"
#include "store/Sqlite3Database.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace tavrin {
namespace {

// Eight plain pictures, each its own colour, standing in for the stock
// pictures so that a copied picture shows where it came from.
QColor StockColour(int index)
{
    return QColor::fromHsv(index * 40, 255, 200).toRgb();
}

void FillStockList(ImageList &list)
{
    for (int i = 0; i < StockPictureCount; ++i) {
        QImage picture(24, 24, QImage::Format_ARGB32);
        picture.fill(StockColour(i));
        list.AddIcon(picture);
    }
}

TEST(ImageListTest, ScalesToItsSizeAndCountsPositions)
{
    ImageList list;
    QImage wide(48, 24, QImage::Format_ARGB32);
    wide.fill(Qt::blue);
    EXPECT_EQ(list.AddIcon(wide), 0);
    EXPECT_EQ(list.AddIcon(QImage()), -1);
    EXPECT_EQ(list.AddIcon(QIcon()), -1);
    EXPECT_EQ(list.AddIcon(list.GetIcon(0)), 1);
    EXPECT_EQ(list.Count(), 2);

    const QImage first = list.GetImage(0);
    EXPECT_EQ(first.size(), QSize(24, 24));
    EXPECT_EQ(first.pixelColor(12, 12), QColor(Qt::blue));
    EXPECT_EQ(first.pixelColor(12, 2).alpha(), 0); // 24 x 12 band, centred
    EXPECT_EQ(list.GetImage(1), first);
    EXPECT_TRUE(list.GetImage(2).isNull());
    EXPECT_TRUE(list.GetIcon(-1).isNull());
}

TEST(EntryIconsTest, StockPicturesFilePicturesOrNothing)
{
    ImageList list1, list2;
    FillStockList(list2);
    EntryIcons icons(list1, list2);

    struct Case {
        QString target;
        bool appended;
        int stock; // -1: a file picture
    };
    const std::vector<Case> cases = {
        {QStringLiteral("http://example.com"), true, 0},
        {QStringLiteral("/definitely/missing/file"), false, -1},
        {QStringLiteral("::{645FF040-5081-101B-9F08-00AA002F954E}"), true, 7},
        {QStringLiteral(""), false, -1},
        {QStringLiteral("/usr"), true, -1},
        {QStringLiteral("::{00000000-0000-0000-0000-000000000000}"), true, 1},
        {QStringLiteral("WWW.X"), true, 0},
        {QStringLiteral("ftp://x"), false, -1},
        {QStringLiteral("::{20d04fe0-3aea-1069-a2d8-08002b30309d}\\sub"), true, 2},
    };
    int expectedCount = 0;
    for (const Case &c : cases) {
        EXPECT_EQ(icons.AddEntryIcon(c.target), c.appended) << c.target.toStdString();
        if (!c.appended) {
            EXPECT_EQ(list1.Count(), expectedCount) << c.target.toStdString();
            continue;
        }
        ASSERT_EQ(list1.Count(), ++expectedCount) << c.target.toStdString();
        const QImage added = list1.GetImage(expectedCount - 1);
        if (c.stock >= 0)
            EXPECT_EQ(added.pixel(12, 12), StockColour(c.stock).rgb()) << c.target.toStdString();
        else
            EXPECT_EQ(added, *FileIcon(c.target)) << c.target.toStdString();
    }
    EXPECT_EQ(list2.Count(), StockPictureCount);
}

TEST(EntryIconsTest, StockPicturesComeFromTheResources)
{
    EXPECT_EQ(StockPicturePath(0), QStringLiteral(":/stock/stock0.png"));
    EXPECT_EQ(StockPicturePath(7), QStringLiteral(":/stock/stock7.png"));
    if (!QFile::exists(StockPicturePath(0)))
        GTEST_SKIP() << "stock pictures are not linked into this build";
    ImageList list2;
    ASSERT_TRUE(LoadStockPictures(list2));
    ASSERT_EQ(list2.Count(), StockPictureCount);
    for (int i = 1; i < StockPictureCount; ++i)
        EXPECT_NE(list2.GetImage(i), list2.GetImage(i - 1)) << i;
}

TEST(EntryIconsTest, BarStartsWithTheHeaderBitmapOfTheResources)
{
    if (!QFile::exists(QStringLiteral(":/default/header.bmp")))
        GTEST_SKIP() << "the default look is not linked into this build";
    TmxOutlookBarPro bar;
    EXPECT_EQ(bar.HeaderBitmap().size(), QSize(158, 25));
}

// Builds a store with the launcher's schema.
void MakeStore(TSQLite3Database &db, const QString &missingPath)
{
    db.Execute(QStringLiteral("create table 设置(标题 text, 皮肤 text, 高度 text, n1 text, n2 text, n3 text, "
                              "n4 text, 菜单 text);"));
    db.Execute(QStringLiteral("create table 分类(id integer primary key, name text, 排序 integer);"));
    db.Execute(QStringLiteral("create table 软件(id integer primary key, name text, target text, params text, "
                              "分类 text, 排序 integer);"));
    db.Execute(QStringLiteral("insert into 分类(name, 排序) values ('B', 2), ('A', 1);"));
    db.Execute(QStringLiteral("insert into 软件(name, target, params, 分类, 排序) values (?1, ?2, ?3, ?4, ?5);"),
               {QStringLiteral("web"), QStringLiteral("http://x"), QStringLiteral("-a"), QStringLiteral("A"),
                QStringLiteral("1")});
    db.Execute(QStringLiteral("insert into 软件(name, target, params, 分类, 排序) values (?1, ?2, ?3, ?4, ?5);"),
               {QStringLiteral("gone"), missingPath, QString(), QStringLiteral("A"), QStringLiteral("2")});
    const QString bTargets[] = {QStringLiteral("/usr"), QStringLiteral("::{645ff040-5081-101b-9f08-00aa002f954e}"),
                                QStringLiteral("/bin/sh")};
    for (int i = 0; i < 3; ++i)
        db.Execute(QStringLiteral("insert into 软件(name, target, params, 分类, 排序) values (?1, ?2, '', 'B', ?3);"),
                   {QStringLiteral("b%1").arg(i), bTargets[i], QString::number(i)});
}

TEST(BarPopulationTargetTest, PopulatesTheBarWithPicturesInBuildOrder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TSQLite3Database db;
    db.Open(dir.filePath(QStringLiteral("data.db")));
    MakeStore(db, dir.filePath(QStringLiteral("gone.exe")));

    TmxOutlookBarPro bar;
    ImageList list1, list2;
    FillStockList(list2);
    EntryIcons icons(list1, list2);
    std::vector<TmxButton *> clicked;
    BarPopulationTarget target(bar, list1, icons, [&](TmxButton *sender) { clicked.push_back(sender); });
    PopulateBar(db, target);

    ASSERT_EQ(bar.HeaderCount(), 2);
    EXPECT_EQ(bar.ActiveHeader(), 0);
    const TmxHeader &a = bar.Header(0);
    const TmxHeader &b = bar.Header(1);
    EXPECT_EQ(a.Caption, QStringLiteral("A"));
    EXPECT_EQ(b.Caption, QStringLiteral("B"));
    ASSERT_EQ(a.ButtonCount(), 2);
    ASSERT_EQ(b.ButtonCount(), 3);
    EXPECT_EQ(a.Button(0).Caption, QStringLiteral(" web"));
    EXPECT_EQ(a.Button(0).Hint, QStringLiteral("http://x|-a"));
    EXPECT_EQ(a.Button(1).Hint, dir.filePath(QStringLiteral("gone.exe")) + QStringLiteral("|"));
    EXPECT_EQ(a.Button(0).ImageIndex, 0);
    EXPECT_EQ(a.Button(1).ImageIndex, -1);
    EXPECT_EQ(b.Button(0).ImageIndex, 1);
    EXPECT_EQ(b.Button(1).ImageIndex, 2);
    EXPECT_EQ(b.Button(2).ImageIndex, 3);
    EXPECT_EQ(list1.Count(), 4);
    EXPECT_EQ(list1.GetImage(2).pixel(12, 12), StockColour(7).rgb());
    for (const TmxHeader *header : {&a, &b}) {
        EXPECT_EQ(header->SmallImages, &list1);
        EXPECT_EQ(header->BackgroundStyle, TmxBackgroundStyle::btTransparent);
        EXPECT_FALSE(header->AllowSelected());
    }

    b.Button(2).OnClick(&b.Button(2));
    EXPECT_EQ(clicked, std::vector<TmxButton *>{&b.Button(2)});
}

TEST(BarPopulationTargetTest, EmptyStoreLeavesNoActiveHeader)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TSQLite3Database db;
    db.Open(dir.filePath(QStringLiteral("data.db")));
    MakeStore(db, QString());
    db.Execute(QStringLiteral("delete from 分类;"));

    TmxOutlookBarPro bar;
    ImageList list1, list2;
    FillStockList(list2);
    EntryIcons icons(list1, list2);
    BarPopulationTarget target(bar, list1, icons, {});
    PopulateBar(db, target);
    EXPECT_EQ(bar.HeaderCount(), 0);
    EXPECT_EQ(bar.ActiveHeader(), -1);
    EXPECT_EQ(list1.Count(), 0);
}

} // namespace
} // namespace tavrin
