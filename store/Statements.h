#pragma once

// Every SQL text the launcher sends, under its label. Values are never
// spliced into a text: they are bound to the "?" placeholders.

#include <QString>

namespace tavrin::sql {

inline const QString SelectSettings = QStringLiteral("select * from 设置;");
inline const QString ScanCategories = QStringLiteral("select * from 分类;");
inline const QString SelectCategoriesOrdered = QStringLiteral("select * from 分类 order by 排序;");
// ?1 = category name
inline const QString CountEntriesOfCategory =
    QStringLiteral("select count(*) from 软件 where 分类=?1 order by 排序;");
// ?1 = category name
inline const QString SelectEntriesOfCategory =
    QStringLiteral("select * from 软件 where 分类=?1 order by 排序;");
// ?1 = skin name
inline const QString SaveSkin = QStringLiteral("update 设置 set 皮肤=?1;");
inline QString SetStayOnTop(bool on)
{
    return on ? QStringLiteral("update 设置 set n3=1;") : QStringLiteral("update 设置 set n3=0;");
}
inline QString SetSavePosition(bool on)
{
    return on ? QStringLiteral("update 设置 set n4=1;") : QStringLiteral("update 设置 set n4=0;");
}
// ?1 = top, ?2 = left, both as signed decimal text
inline const QString SavePosition = QStringLiteral("Update 设置 set n1=?1 ,n2=?2 ;");

} // namespace tavrin::sql
