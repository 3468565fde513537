#include "bar/PopulateBar.h"

#include "bar/EntryHint.h"
#include "store/IntegerText.h"
#include "store/Statements.h"

namespace tavrin {

namespace {

int CountCategories(TSQLite3Database &database)
{
    const StatementPtr scan = database.Prepare(sql::ScanCategories);
    int count = 0;
    while (scan->Next())
        ++count;
    return count;
}

int CountEntries(TSQLite3Database &database, const QString &category)
{
    const StatementPtr count = database.Prepare(sql::CountEntriesOfCategory);
    count->BindText(1, category);
    if (!count->Next())
        return 0;
    return StrToInt(count->ColumnText(0));
}

// Adds the buttons of one header and returns the advanced picture counter.
int AddEntries(TSQLite3Database &database, BarBuilder &bar, int header, const QString &category,
               int imageIndex)
{
    const int entryCount = CountEntries(database, category);
    const StatementPtr entries = database.Prepare(sql::SelectEntriesOfCategory);
    entries->BindText(1, category);
    for (int j = 0; j < entryCount; ++j) {
        if (!entries->Next())
            break;
        const QString hint = ComposeEntryHint(entries->ColumnText(2), entries->ColumnText(3));
        const int button = bar.AddButton(header, QStringLiteral(" ") + entries->ColumnText(1), hint);
        const bool pictureAdded = bar.AddEntryIcon(EntryTarget(hint));
        bar.UseSmallImages(header);
        if (pictureAdded) {
            bar.SetButtonImageIndex(header, button, imageIndex);
            ++imageIndex;
        }
    }
    return imageIndex;
}

} // namespace

void PopulateBar(TSQLite3Database &database, BarBuilder &bar)
{
    const int categoryCount = CountCategories(database);
    {
        const StatementPtr categories = database.Prepare(sql::SelectCategoriesOrdered);
        int imageIndex = 0;
        for (int i = 0; i < categoryCount; ++i) {
            if (!categories->Next())
                break;
            const QString caption = categories->ColumnText(1);
            const int header = bar.AddHeader(caption);
            imageIndex = AddEntries(database, bar, header, caption, imageIndex);
        }
    }
    bar.SetActiveHeader(bar.HeaderCount() > 0 ? 0 : -1);
    for (int header = 0; header < bar.HeaderCount(); ++header)
        bar.SetHeaderTransparent(header);
}

} // namespace tavrin
