// Start-up cost of the launcher bar: PopulateBar into a real bar with
// real entry pictures, next to a plain read of the same rows from the
// same store in the same run.
//
// The store holds 5,000 entries in 20 categories: web addresses, shell
// folder names, existing files of many types from /usr/share and /etc,
// folders and missing paths.

#include "bar/BarPopulationTarget.h"
#include "bar/EntryIcons.h"
#include "bar/OutlookBar.h"
#include "bar/PopulateBar.h"
#include "platform/ImageList.h"
#include "store/Sqlite3Database.h"
#include "store/Statements.h"

#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using namespace tavrin;

constexpr int CategoryCount = 20;
constexpr int EntryCount = 5000;

// Existing files of many kinds, taken from the system's own folders.
QStringList SampleFiles(int wanted)
{
    QStringList files;
    for (const QString &root : {QStringLiteral("/etc"), QStringLiteral("/usr/share")}) {
        QDirIterator it(root, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        int seen = 0;
        const qsizetype limit = files.size() + wanted / 2;
        while (it.hasNext() && files.size() < limit) {
            const QString path = it.next();
            // Take every 7th path so that many folders and types appear.
            if (++seen % 7 == 0)
                files << path;
        }
    }
    return files;
}

void BuildStore(TSQLite3Database &db)
{
    db.Execute(QStringLiteral("create table 设置(标题 text, 皮肤 text, 高度 text, n1 text, n2 text, n3 text, "
                              "n4 text, 菜单 text);"));
    db.Execute(QStringLiteral("insert into 设置 values ('Tavrin', '', '673', '', '', '0', '0', '1');"));
    db.Execute(QStringLiteral("create table 分类(id integer primary key, name text, 排序 integer);"));
    db.Execute(QStringLiteral("create table 软件(id integer primary key, name text, target text, params text, "
                              "分类 text, 排序 integer);"));
    db.Execute(QStringLiteral("begin;"));
    for (int c = 0; c < CategoryCount; ++c)
        db.Execute(QStringLiteral("insert into 分类(name, 排序) values (?1, ?2);"),
                   {QStringLiteral("分类 %1").arg(c), QString::number(CategoryCount - c)});

    const QStringList files = SampleFiles(EntryCount);
    const QStringList special = {
        QStringLiteral("::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"), QStringLiteral("::{450D8FBA-AD25-11D0-98A8-0800361B1103}"),
        QStringLiteral("::{645ff040-5081-101b-9f08-00aa002f954e}"), QStringLiteral("::{00000000-0000-0000-0000-000000000000}")};
    for (int i = 0; i < EntryCount; ++i) {
        QString target;
        switch (i % 10) {
        case 0: target = QStringLiteral("https://example.org/page/%1").arg(i); break;
        case 1: target = special[i % special.size()]; break;
        case 2: target = QStringLiteral("/nowhere/missing-%1.exe").arg(i); break;
        default: target = files.isEmpty() ? QStringLiteral("/etc") : files[i % files.size()]; break;
        }
        db.Execute(QStringLiteral("insert into 软件(name, target, params, 分类, 排序) values (?1, ?2, ?3, ?4, ?5);"),
                   {QStringLiteral("条目 %1").arg(i), target, (i % 3 == 0) ? QStringLiteral("--x") : QString(),
                    QStringLiteral("分类 %1").arg(i % CategoryCount), QString::number(i)});
    }
    db.Execute(QStringLiteral("commit;"));
}

// The same statements PopulateBar issues, reading the same columns, with
// nothing built from them.
qint64 PlainReadNs(TSQLite3Database &db, int &rowsRead)
{
    QElapsedTimer timer;
    timer.start();
    rowsRead = 0;
    qsizetype characters = 0;
    StatementPtr categories = db.Prepare(sql::SelectCategoriesOrdered);
    while (categories->Next()) {
        const QString name = categories->ColumnText(1);
        StatementPtr count = db.Prepare(sql::CountEntriesOfCategory);
        count->BindText(1, name);
        count->Next();
        characters += count->ColumnText(0).size();
        count.reset();
        StatementPtr entries = db.Prepare(sql::SelectEntriesOfCategory);
        entries->BindText(1, name);
        while (entries->Next()) {
            characters += entries->ColumnText(1).size() + entries->ColumnText(2).size() + entries->ColumnText(3).size();
            ++rowsRead;
        }
    }
    const qint64 elapsed = timer.nsecsElapsed();
    if (characters < 0)
        std::abort();
    return elapsed;
}

struct Population {
    qint64 ns = 0;
    int buttons = 0;
    int pictures = 0;
};

// The same population with every picture lookup left out: what the
// headers and buttons cost on their own.
class NoPictureTarget : public BarPopulationTarget {
public:
    using BarPopulationTarget::BarPopulationTarget;
    bool AddEntryIcon(const QString &) override { return false; }
};

template <typename Target>
Population Populate(TSQLite3Database &db, const ImageList &imageList2)
{
    TmxOutlookBarPro bar;
    bar.resize(158, 639);
    ImageList imageList1;
    EntryIcons icons(imageList1, imageList2);
    Target target(bar, imageList1, icons, [](TmxButton *) {});
    QElapsedTimer timer;
    timer.start();
    PopulateBar(db, target);
    Population result;
    result.ns = timer.nsecsElapsed();
    for (int i = 0; i < bar.HeaderCount(); ++i)
        result.buttons += bar.Header(i).ButtonCount();
    result.pictures = imageList1.Count();
    return result;
}

double Ms(qint64 ns)
{
    return static_cast<double>(ns) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);

    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    TSQLite3Database db;
    db.Open(dir.filePath(QStringLiteral("data.db")));
    BuildStore(db);

    ImageList imageList2;
    if (!LoadStockPictures(imageList2)) {
        // Without the compiled-in stock pictures every stock entry would
        // append nothing; stand in plain squares so the work stays the same.
        imageList2.Clear();
        for (int i = 0; i < StockPictureCount; ++i) {
            QImage square(24, 24, QImage::Format_ARGB32);
            square.fill(QColor::fromHsv(i * 40, 200, 200));
            imageList2.AddIcon(square);
        }
    }

    int rows = 0;
    qint64 readBest = -1;
    for (int i = 0; i < 5; ++i) {
        const qint64 ns = PlainReadNs(db, rows);
        if (readBest < 0 || ns < readBest)
            readBest = ns;
    }
    const Population bare = Populate<NoPictureTarget>(db, imageList2);
    const Population cold = Populate<BarPopulationTarget>(db, imageList2);
    const Population warm = Populate<BarPopulationTarget>(db, imageList2);

    std::printf("entries in store:            %d in %d categories\n", EntryCount, CategoryCount);
    std::printf("plain SQLite read (best of 5): %8.1f ms  (%d rows)\n", Ms(readBest), rows);
    std::printf("PopulateBar without pictures:  %8.1f ms  (%d buttons)  ratio %.1f\n", Ms(bare.ns), bare.buttons,
                static_cast<double>(bare.ns) / static_cast<double>(readBest));
    std::printf("PopulateBar, first run:        %8.1f ms  (%d buttons, %d pictures)  ratio %.1f\n", Ms(cold.ns),
                cold.buttons, cold.pictures, static_cast<double>(cold.ns) / static_cast<double>(readBest));
    std::printf("PopulateBar, second run:       %8.1f ms  (%d buttons, %d pictures)  ratio %.1f\n", Ms(warm.ns),
                warm.buttons, warm.pictures, static_cast<double>(warm.ns) / static_cast<double>(readBest));
    return cold.buttons == EntryCount ? 0 : 1;
}
