#pragma once

#include "bar/BarBuilder.h"
#include "store/Sqlite3Database.h"

namespace tavrin {

// Fills the bar from the store: one header per category in sort order, one
// button per entry of that category in sort order, each with its caption
// (" " + name), its entry hint and its picture. Picture indices count the
// pictures actually appended, across all headers. At the end header 0 (or
// none) becomes active and every header's body is made transparent.
//
// The category name is bound as a value, so any text works as a name. Each
// loop stops when the store runs out of rows, even if the count said more.
// Store errors (ESQLite3Error, also from a damaged file while stepping) and
// a count that is no integer (EConvertError) pass to the caller; what was
// built until then stays, with no active header and no transparency.
void PopulateBar(TSQLite3Database &database, BarBuilder &bar);

} // namespace tavrin
