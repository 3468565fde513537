#include "bar/PopulateBar.h"

#include "store/Sqlite3Database.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <set>
#include <vector>

namespace tavrin {
namespace {

struct RecordedButton {
    QString caption;
    QString hint;
    int imageIndex = -1;
};

struct RecordedHeader {
    QString caption;
    std::vector<RecordedButton> buttons;
    bool usesSmallImages = false;
    bool transparent = false;
};

// Keeps what PopulateBar asks of the bar; pictures are "found" for every
// target except those listed in targetsWithoutIcon.
class RecordingBar : public BarBuilder {
public:
    int AddHeader(const QString &caption) override
    {
        headers.push_back({caption, {}, false, false});
        return int(headers.size()) - 1;
    }
    int AddButton(int header, const QString &caption, const QString &hint) override
    {
        auto &buttons = headers.at(std::size_t(header)).buttons;
        buttons.push_back({caption, hint, -1});
        return int(buttons.size()) - 1;
    }
    bool AddEntryIcon(const QString &target) override
    {
        iconTargets.push_back(target);
        return targetsWithoutIcon.count(target) == 0;
    }
    void UseSmallImages(int header) override { headers.at(std::size_t(header)).usesSmallImages = true; }
    void SetButtonImageIndex(int header, int button, int imageIndex) override
    {
        headers.at(std::size_t(header)).buttons.at(std::size_t(button)).imageIndex = imageIndex;
    }
    int HeaderCount() const override { return int(headers.size()); }
    void SetActiveHeader(int header) override
    {
        activeHeader = header;
        ++activeHeaderCalls;
    }
    void SetHeaderTransparent(int header) override { headers.at(std::size_t(header)).transparent = true; }

    std::vector<QString> ButtonCaptions(int header) const
    {
        std::vector<QString> captions;
        for (const auto &button : headers.at(std::size_t(header)).buttons)
            captions.push_back(button.caption);
        return captions;
    }
    std::vector<int> ImageIndices() const
    {
        std::vector<int> indices;
        for (const auto &header : headers)
            for (const auto &button : header.buttons)
                indices.push_back(button.imageIndex);
        return indices;
    }

    std::vector<RecordedHeader> headers;
    std::vector<QString> iconTargets;
    std::set<QString> targetsWithoutIcon;
    int activeHeader = -2;
    int activeHeaderCalls = 0;
};

class PopulateBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("data.db"));
    }

    void OpenWithTables()
    {
        db.Open(path);
        db.Execute(QStringLiteral("create table 分类 (id integer primary key, name text, 排序 integer);"));
        db.Execute(QStringLiteral("create table 软件 (id integer primary key, name text, target text, "
                                  "params text, 分类 text, 排序 integer);"));
    }
    void AddCategory(const QString &name, int order)
    {
        db.Execute(QStringLiteral("insert into 分类 (name, 排序) values (?1, ?2);"), {name, QString::number(order)});
    }
    void AddEntry(const QString &category, int order, const QString &name, const QString &target,
                  const QString &params = QString())
    {
        db.Execute(QStringLiteral("insert into 软件 (name, target, params, 分类, 排序) values (?1, ?2, ?3, ?4, ?5);"),
                   {name, target, params, category, QString::number(order)});
    }

    QTemporaryDir dir;
    QString path;
    TSQLite3Database db;
    RecordingBar bar;
};

TEST_F(PopulateBarTest, BuildsHeadersAndButtonsInSortOrder)
{
    OpenWithTables();
    AddCategory(QStringLiteral("Web"), 2);
    AddCategory(QStringLiteral("工具"), 1);
    AddEntry(QStringLiteral("Web"), 5, QStringLiteral("Search"), QStringLiteral("https://example.org"));
    AddEntry(QStringLiteral("工具"), 2, QStringLiteral("Shell"), QStringLiteral("/usr/bin/xterm"),
             QStringLiteral("-e top"));
    AddEntry(QStringLiteral("Web"), 1, QStringLiteral("News"), QStringLiteral("www.example.org"));
    AddEntry(QStringLiteral("工具"), 1, QStringLiteral("Files"), QStringLiteral("/home"));
    AddEntry(QStringLiteral("Web"), 9, QStringLiteral("Mail"), QStringLiteral("mailto:a@b"), QStringLiteral("x"));

    PopulateBar(db, bar);

    ASSERT_EQ(bar.headers.size(), 2u);
    EXPECT_EQ(bar.headers[0].caption, QStringLiteral("工具"));
    EXPECT_EQ(bar.headers[1].caption, QStringLiteral("Web"));
    EXPECT_EQ(bar.ButtonCaptions(0), (std::vector<QString>{" Files", " Shell"}));
    EXPECT_EQ(bar.ButtonCaptions(1), (std::vector<QString>{" News", " Search", " Mail"}));
    EXPECT_EQ(bar.headers[0].buttons[0].hint, QStringLiteral("/home|"));
    EXPECT_EQ(bar.headers[0].buttons[1].hint, QStringLiteral("/usr/bin/xterm|-e top"));
    EXPECT_EQ(bar.headers[1].buttons[2].hint, QStringLiteral("mailto:a@b|x"));
    EXPECT_EQ(bar.iconTargets, (std::vector<QString>{"/home", "/usr/bin/xterm", "www.example.org",
                                                     "https://example.org", "mailto:a@b"}));
    EXPECT_EQ(bar.ImageIndices(), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(bar.activeHeader, 0);
    for (const auto &header : bar.headers) {
        EXPECT_TRUE(header.usesSmallImages);
        EXPECT_TRUE(header.transparent);
    }
    EXPECT_TRUE(db.Statements().empty());
}

TEST_F(PopulateBarTest, EntryWithoutPictureKeepsNoIndexAndLaterOnesCountOn)
{
    OpenWithTables();
    AddCategory(QStringLiteral("A"), 1);
    AddCategory(QStringLiteral("B"), 2);
    AddEntry(QStringLiteral("A"), 1, QStringLiteral("a1"), QStringLiteral("/a1"));
    AddEntry(QStringLiteral("A"), 2, QStringLiteral("a2"), QStringLiteral("/missing"));
    AddEntry(QStringLiteral("B"), 1, QStringLiteral("b1"), QStringLiteral("/b1"));
    AddEntry(QStringLiteral("B"), 2, QStringLiteral("b2"), QStringLiteral("/b2"));
    AddEntry(QStringLiteral("B"), 3, QStringLiteral("b3"), QStringLiteral("/b3"));
    bar.targetsWithoutIcon = {QStringLiteral("/missing")};

    PopulateBar(db, bar);

    EXPECT_EQ(bar.ImageIndices(), (std::vector<int>{0, -1, 1, 2, 3}));
}

TEST_F(PopulateBarTest, EmptyStoreGivesNoHeadersAndNoActiveHeader)
{
    OpenWithTables();
    PopulateBar(db, bar);
    EXPECT_TRUE(bar.headers.empty());
    EXPECT_TRUE(bar.iconTargets.empty());
    EXPECT_EQ(bar.activeHeader, -1);
}

TEST_F(PopulateBarTest, CategoriesAndEntriesMatchByExactName)
{
    OpenWithTables();
    AddCategory(QStringLiteral("Same"), 1);
    AddCategory(QStringLiteral("Empty"), 2);
    AddCategory(QStringLiteral("Same"), 3);
    AddEntry(QStringLiteral("Same"), 1, QStringLiteral("x"), QStringLiteral("/x"));
    AddEntry(QStringLiteral("Same"), 2, QStringLiteral("y"), QStringLiteral("/y"));
    AddEntry(QStringLiteral("Nowhere"), 1, QStringLiteral("lost"), QStringLiteral("/lost"));
    AddEntry(QStringLiteral("same"), 1, QStringLiteral("case"), QStringLiteral("/case"));

    PopulateBar(db, bar);

    ASSERT_EQ(bar.headers.size(), 3u);
    EXPECT_EQ(bar.ButtonCaptions(0), (std::vector<QString>{" x", " y"}));
    EXPECT_TRUE(bar.headers[1].buttons.empty());
    EXPECT_FALSE(bar.headers[1].usesSmallImages);
    EXPECT_TRUE(bar.headers[1].transparent);
    EXPECT_EQ(bar.ButtonCaptions(2), (std::vector<QString>{" x", " y"}));
    EXPECT_EQ(bar.ImageIndices(), (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(PopulateBarTest, EmptyAndNullColumnsReadAsEmptyText)
{
    OpenWithTables();
    AddCategory(QString(), 1);
    db.Execute(QStringLiteral("insert into 软件 (name, target, params, 分类, 排序) values (NULL, NULL, NULL, '', 1);"));
    AddEntry(QString(), 2, QString(), QStringLiteral("a|b"), QStringLiteral("c"));

    PopulateBar(db, bar);

    ASSERT_EQ(bar.headers.size(), 1u);
    EXPECT_EQ(bar.headers[0].caption, QString());
    ASSERT_EQ(bar.headers[0].buttons.size(), 2u);
    EXPECT_EQ(bar.headers[0].buttons[0].caption, QStringLiteral(" "));
    EXPECT_EQ(bar.headers[0].buttons[0].hint, QStringLiteral("|"));
    EXPECT_EQ(bar.headers[0].buttons[1].hint, QStringLiteral("a|b|c"));
    // The picture is chosen for piece 0 of the hint, like the click later opens.
    EXPECT_EQ(bar.iconTargets, (std::vector<QString>{"", "a"}));
}

TEST_F(PopulateBarTest, QuotesInCategoryNamesAreOrdinaryText)
{
    OpenWithTables();
    AddCategory(QStringLiteral("Bob's tools"), 1);
    AddCategory(QStringLiteral("x' or '1'='1"), 2);
    AddEntry(QStringLiteral("Bob's tools"), 1, QStringLiteral("hammer"), QStringLiteral("/hammer"));
    AddEntry(QStringLiteral("other"), 1, QStringLiteral("saw"), QStringLiteral("/saw"));

    PopulateBar(db, bar);

    ASSERT_EQ(bar.headers.size(), 2u);
    EXPECT_EQ(bar.headers[0].caption, QStringLiteral("Bob's tools"));
    EXPECT_EQ(bar.ButtonCaptions(0), (std::vector<QString>{" hammer"}));
    EXPECT_TRUE(bar.headers[1].buttons.empty());
    EXPECT_EQ(bar.activeHeader, 0);
}

TEST_F(PopulateBarTest, MissingCategoryTableRaisesBeforeAnythingIsBuilt)
{
    db.Open(path);
    try {
        PopulateBar(db, bar);
        FAIL() << "no error raised";
    } catch (const ESQLite3Error &error) {
        EXPECT_EQ(error.Message(), QStringLiteral("SQLite3 error: no such table: 分类"));
    }
    EXPECT_TRUE(bar.headers.empty());
    EXPECT_EQ(bar.activeHeaderCalls, 0);
}

TEST_F(PopulateBarTest, MissingEntryTableLeavesWhatWasBuilt)
{
    db.Open(path);
    db.Execute(QStringLiteral("create table 分类 (id integer primary key, name text, 排序 integer);"));
    AddCategory(QStringLiteral("First"), 1);
    AddCategory(QStringLiteral("Second"), 2);
    try {
        PopulateBar(db, bar);
        FAIL() << "no error raised";
    } catch (const ESQLite3Error &error) {
        EXPECT_EQ(error.Message(), QStringLiteral("SQLite3 error: no such table: 软件"));
    }
    ASSERT_EQ(bar.headers.size(), 1u);
    EXPECT_EQ(bar.headers[0].caption, QStringLiteral("First"));
    EXPECT_EQ(bar.activeHeaderCalls, 0);
    EXPECT_FALSE(bar.headers[0].transparent);
    EXPECT_TRUE(db.Statements().empty());
}

TEST_F(PopulateBarTest, DamagedFileRaisesInsteadOfGivingAShortBar)
{
    OpenWithTables();
    db.Execute(QStringLiteral("begin;"));
    for (int i = 0; i < 400; ++i) {
        const QString name = QStringLiteral("category %1 ").arg(i) + QString(80, u'x');
        AddCategory(name, i);
        AddEntry(name, 1, QStringLiteral("entry"), QStringLiteral("/e%1").arg(i));
    }
    db.Execute(QStringLiteral("commit;"));
    db.Close();

    // Pages 1 to 3 (schema and the two table roots) stay; every later page,
    // where the rows now live, is overwritten.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const qint64 pageSize = 4096;
    ASSERT_GT(file.size(), 8 * pageSize);
    QByteArray garbage(int(file.size() - 3 * pageSize), '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 151 + 7) & 0xFF);
    ASSERT_TRUE(file.seek(3 * pageSize));
    ASSERT_EQ(file.write(garbage), garbage.size());
    file.close();

    db.Open(path);
    try {
        PopulateBar(db, bar);
        FAIL() << "no error raised; " << bar.headers.size() << " headers built";
    } catch (const ESQLite3Error &error) {
        EXPECT_TRUE(error.Message().startsWith(QStringLiteral("SQLite3 error: "))) << error.what();
    }
    EXPECT_EQ(bar.activeHeaderCalls, 0);
}

// A gate that lets a fixed number of rows through, so that a count and the
// read that follows it can disagree the way they would if the file changed
// in between.
void Gate(sqlite3_context *context, int, sqlite3_value **)
{
    int *budget = static_cast<int *>(sqlite3_user_data(context));
    sqlite3_result_int(context, *budget > 0 ? 1 : 0);
    if (*budget > 0)
        --*budget;
}

TEST_F(PopulateBarTest, RowsThatRunOutBeforeTheCountEndTheLoops)
{
    db.Open(path);
    int categoryBudget = 3 + 1; // three rows for the count, then one for the read
    int entryBudget = 3 + 1;
    {
        const StatementPtr any = db.Prepare(QStringLiteral("select 1;"));
        sqlite3 *handle = sqlite3_db_handle(any->Handle());
        ASSERT_EQ(sqlite3_create_function(handle, "category_gate", 0, SQLITE_UTF8, &categoryBudget, Gate,
                                          nullptr, nullptr),
                  SQLITE_OK);
        ASSERT_EQ(sqlite3_create_function(handle, "entry_gate", 0, SQLITE_UTF8, &entryBudget, Gate, nullptr,
                                          nullptr),
                  SQLITE_OK);
    }
    db.Execute(QStringLiteral("create table category_rows (id integer primary key, name text, 排序 integer);"));
    db.Execute(QStringLiteral("create table entry_rows (id integer primary key, name text, target text, "
                              "params text, 分类 text, 排序 integer);"));
    db.Execute(QStringLiteral("create view 分类 as select * from category_rows where category_gate();"));
    db.Execute(QStringLiteral("create view 软件 as select * from entry_rows where entry_gate();"));
    db.Execute(QStringLiteral("insert into category_rows (name, 排序) values ('A', 1), ('B', 2), ('C', 3);"));
    db.Execute(QStringLiteral("insert into entry_rows (name, target, params, 分类, 排序) values "
                              "('a1', '/a1', '', 'A', 1), ('a2', '/a2', '', 'A', 2), ('a3', '/a3', '', 'A', 3);"));

    PopulateBar(db, bar);

    ASSERT_EQ(bar.headers.size(), 1u) << "no header for rows that never came";
    EXPECT_EQ(bar.headers[0].caption, QStringLiteral("A"));
    EXPECT_EQ(bar.headers[0].buttons.size(), 1u) << "no button for rows that never came";
    EXPECT_EQ(bar.activeHeader, 0);
    EXPECT_TRUE(bar.headers[0].transparent);
}

} // namespace
} // namespace tavrin
