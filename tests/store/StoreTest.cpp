#include "store/Sqlite3Database.h"
#include "store/Statements.h"
#include "TempFolder.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QFile>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace tavrin;

namespace {

const char *Schema =
    "create table 设置(title, 皮肤, height, n1, n2, n3, n4, menu);"
    "insert into 设置 values('Tavrin', '', '600', '', '', '0', '0', '1');"
    "create table 分类(id integer primary key, name, 排序);"
    "create table 软件(id integer primary key, name, target, params, 分类, 排序);";

QString MessageOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const ESQLite3Error &error) {
        return error.Message();
    }
    return QStringLiteral("<no error>");
}

} // namespace

TEST(Store, MissingFileIsCreatedAndTheMissingTableIsReported)
{
    CurrentTempFolder folder;
    TSQLite3Database db;
    db.Open(QStringLiteral("data.db"));
    EXPECT_TRUE(QFile::exists(folder.Path(QStringLiteral("data.db"))));
    EXPECT_EQ(MessageOf([&] { db.Prepare(sql::SelectSettings); }),
              QStringLiteral("SQLite3 error: no such table: 设置"));
}

TEST(Store, FailuresCarrySqliteMessages)
{
    CurrentTempFolder folder;
    struct Case {
        const char *name;
        std::function<void(const QString &path)> prepareFile;
        std::function<void(TSQLite3Database &)> action;
        QString expected;
    };
    auto writeBytes = [](const QByteArray &bytes) {
        return [bytes](const QString &path) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        };
    };
    auto schema = [](const QString &path) {
        TSQLite3Database db;
        db.Open(path);
        db.Execute(QString::fromUtf8(Schema));
    };
    const std::vector<Case> cases = {
        {"not a database", writeBytes(QByteArray(4096, 'x')),
         [](TSQLite3Database &db) { db.Prepare(sql::SelectSettings); },
         QStringLiteral("SQLite3 error: file is not a database")},
        {"syntax error", schema, [](TSQLite3Database &db) { db.Execute(QStringLiteral("selec 1;")); },
         QStringLiteral("SQLite3 error: near \"selec\": syntax error")},
        {"missing column", schema,
         [](TSQLite3Database &db) { db.Execute(QStringLiteral("update 设置 set nope=1;")); },
         QStringLiteral("SQLite3 error: no such column: nope")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = folder.Path(QString::fromUtf8(c.name) + QStringLiteral(".db"));
        c.prepareFile(path);
        TSQLite3Database db;
        db.Open(path);
        EXPECT_EQ(MessageOf([&] { c.action(db); }), c.expected);
    }
}

TEST(Store, NotConnectedBeforeOpenAndAfterClose)
{
    const QString expected = QStringLiteral("SQLite3 error: database is not connected.");
    TSQLite3Database db;
    EXPECT_EQ(MessageOf([&] { db.Prepare(QStringLiteral("select 1;")); }), expected);
    EXPECT_EQ(MessageOf([&] { db.Execute(QStringLiteral("select 1;")); }), expected);
    CurrentTempFolder folder;
    db.Open(QStringLiteral("data.db"));
    db.Close();
    EXPECT_EQ(MessageOf([&] { db.Execute(QStringLiteral("select 1;")); }), expected);
}

TEST(Store, ReadOnlyFileFailsTheWrite)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes read-only files; covered by the locked-file case";
    CurrentTempFolder folder;
    {
        TSQLite3Database db;
        db.Open(QStringLiteral("data.db"));
        db.Execute(QString::fromUtf8(Schema));
    }
    chmod("data.db", 0444);
    TSQLite3Database db;
    db.Open(QStringLiteral("data.db"));
    EXPECT_EQ(MessageOf([&] { db.Execute(sql::SetStayOnTop(true)); }),
              QStringLiteral("SQLite3 error: attempt to write a readonly database"));
}

TEST(Store, FileLockedByAnotherConnectionFailsAtOnce)
{
    CurrentTempFolder folder;
    TSQLite3Database db;
    db.Open(QStringLiteral("data.db"));
    db.Execute(QString::fromUtf8(Schema));

    sqlite3 *other = nullptr;
    ASSERT_EQ(sqlite3_open("data.db", &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "begin exclusive; update 设置 set n3=5;", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_EQ(MessageOf([&] { db.Execute(sql::SetSavePosition(true)); }),
              QStringLiteral("SQLite3 error: database is locked"));
    sqlite3_exec(other, "rollback;", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_NO_THROW(db.Execute(sql::SetSavePosition(true)));
}

TEST(Store, ColumnTextReadsEveryValueAsText)
{
    CurrentTempFolder folder;
    TSQLite3Database db;
    db.Open(QStringLiteral("data.db"));
    db.Execute(QStringLiteral("create table t(a, b, c, d, e); insert into t values(NULL, 1, '', 2.5, '设置');"));
    StatementPtr st = db.Prepare(QStringLiteral("select * from t;"));
    EXPECT_EQ(st->ColumnText(0), QString()) << "not on a row yet";
    ASSERT_TRUE(st->Next());
    EXPECT_EQ(st->ColumnText(0), QString());
    EXPECT_EQ(st->ColumnText(1), QStringLiteral("1"));
    EXPECT_EQ(st->ColumnText(2), QString());
    EXPECT_EQ(st->ColumnText(3), QStringLiteral("2.5"));
    EXPECT_EQ(st->ColumnText(4), QStringLiteral("设置"));
    EXPECT_EQ(st->ColumnText(5), QString()) << "beyond the last column";
    EXPECT_EQ(st->ColumnText(-1), QString());
    EXPECT_FALSE(st->Next());
    EXPECT_EQ(st->ColumnText(1), QString()) << "after the last row";
}

TEST(Store, MalformedUtf8BothWaysBecomesReplacementCharacter)
{
    CurrentTempFolder folder;
    TSQLite3Database db;
    db.Open(QStringLiteral("data.db"));
    db.Execute(QStringLiteral("create table t(a); insert into t values(cast(x'41ff42' as text));"));
    StatementPtr st = db.Prepare(QStringLiteral("select a from t;"));
    ASSERT_TRUE(st->Next());
    EXPECT_EQ(st->ColumnText(0), QStringLiteral("A\uFFFDB"));
    st.reset();

    const QString lone = QStringLiteral("x") + QChar(0xD800) + QStringLiteral("y");
    db.Execute(QStringLiteral("delete from t;"));
    db.Execute(QStringLiteral("insert into t values(?1);"), {lone});
    StatementPtr back = db.Prepare(QStringLiteral("select a from t;"));
    ASSERT_TRUE(back->Next());
    EXPECT_EQ(back->ColumnText(0), QStringLiteral("x\uFFFDy"));
}

TEST(Store, BoundValuesAreDataNotSql)
{
    CurrentTempFolder folder;
    TSQLite3Database db;
    db.Open(QStringLiteral("data.db"));
    db.Execute(QString::fromUtf8(Schema));
    const QString hostile = QStringLiteral("Bob's tools'; drop table 分类; --");
    db.Execute(sql::SaveSkin, {hostile});
    StatementPtr st = db.Prepare(QStringLiteral("select 皮肤 from 设置;"));
    ASSERT_TRUE(st->Next());
    EXPECT_EQ(st->ColumnText(0), hostile);
    st.reset();
    EXPECT_NO_THROW(db.Prepare(sql::ScanCategories));

    db.Execute(sql::SavePosition, {QStringLiteral("-670"), QStringLiteral("1746")});
    StatementPtr pos = db.Prepare(QStringLiteral("select n1, n2 from 设置;"));
    ASSERT_TRUE(pos->Next());
    EXPECT_EQ(pos->ColumnText(0), QStringLiteral("-670"));
    EXPECT_EQ(pos->ColumnText(1), QStringLiteral("1746"));
}

TEST(Store, UpdatesChangeEveryRow)
{
    CurrentTempFolder folder;
    TSQLite3Database db;
    db.Open(QStringLiteral("data.db"));
    db.Execute(QString::fromUtf8(Schema));
    db.Execute(QStringLiteral("insert into 设置 values('Two', '', '600', '', '', '0', '0', '1');"));
    db.Execute(sql::SetStayOnTop(true));
    StatementPtr st = db.Prepare(QStringLiteral("select count(*) from 设置 where n3=1;"));
    ASSERT_TRUE(st->Next());
    EXPECT_EQ(st->ColumnText(0), QStringLiteral("2"));
}

TEST(Store, CloseFinalizesOpenStatementsAndReleasesTheFile)
{
    CurrentTempFolder folder;
    TSQLite3Database db;
    db.Open(QStringLiteral("data.db"));
    db.Execute(QString::fromUtf8(Schema));
    StatementPtr first = db.Prepare(sql::SelectSettings);
    StatementPtr second = db.Prepare(sql::ScanCategories);
    ASSERT_TRUE(first->Next()); // holds a read lock mid-query
    ASSERT_EQ(db.Statements().size(), 2u);
    EXPECT_EQ(db.Statements().front(), first.get());

    db.Close();
    EXPECT_TRUE(db.Statements().empty());
    EXPECT_EQ(first->Handle(), nullptr);
    EXPECT_EQ(second->Handle(), nullptr);
    EXPECT_EQ(first->ColumnText(0), QString());

    // The lock is gone: another connection can write at once.
    sqlite3 *other = nullptr;
    ASSERT_EQ(sqlite3_open("data.db", &other), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(other, "update 设置 set n3=1;", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
    // Destroying the emptied statements afterwards is harmless.
    first.reset();
    second.reset();
}

TEST(Store, NextRaisesOnACorruptFileInsteadOfEndingQuietly)
{
    CurrentTempFolder folder;
    {
        TSQLite3Database db;
        db.Open(QStringLiteral("data.db"));
        db.Execute(QStringLiteral("create table big(a);"));
        db.Execute(QStringLiteral("with recursive n(i) as (select 1 union all select i+1 from n where i<2000) "
                                  "insert into big select printf('%0400d', i) from n;"));
    }
    {
        QFile f(QStringLiteral("data.db"));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        const qint64 size = f.size();
        ASSERT_GT(size, 4096 * 20);
        f.seek(size / 2);
        f.write(QByteArray(4096 * 4, '\xA5'));
    }
    TSQLite3Database db;
    db.Open(QStringLiteral("data.db"));
    StatementPtr st = db.Prepare(QStringLiteral("select * from big;"));
    EXPECT_THROW({ while (st->Next()) {} }, ESQLite3Error);
}
