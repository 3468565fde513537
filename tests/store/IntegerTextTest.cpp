#include "store/IntegerText.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace tavrin;

TEST(IntegerText, AcceptsTheDocumentedSyntax)
{
    const std::vector<std::pair<QString, int>> cases = {
        {QStringLiteral("673"), 673},      {QStringLiteral("   42"), 42},
        {QStringLiteral("+7"), 7},         {QStringLiteral("-670"), -670},
        {QStringLiteral("0"), 0},          {QStringLiteral("010"), 10},
        {QStringLiteral("$1F"), 31},       {QStringLiteral("x1f"), 31},
        {QStringLiteral("X1F"), 31},       {QStringLiteral("0x1F"), 31},
        {QStringLiteral("0X1f"), 31},      {QStringLiteral("-$10"), -16},
        {QStringLiteral("$FFFFFFFF"), -1}, {QStringLiteral("2147483647"), 2147483647},
        {QStringLiteral("-2147483648"), -2147483647 - 1},
    };
    for (const auto &[text, value] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(StrToInt(text), value);
    }
}

TEST(IntegerText, RejectsEverythingElseWithTheConversionMessage)
{
    const QStringList bad = {
        QString(),         QStringLiteral("12 "),  QStringLiteral("abc"), QStringLiteral("12.0"),
        QStringLiteral("-"), QStringLiteral("$"),  QStringLiteral("0x"),  QStringLiteral("1 2"),
        QStringLiteral("\t5"), QStringLiteral("2147483648"), QStringLiteral("-2147483649"),
        QStringLiteral("$100000000"), QStringLiteral("#12"), QStringLiteral("--1"),
    };
    for (const QString &text : bad) {
        SCOPED_TRACE(text.toStdString());
        try {
            StrToInt(text);
            ADD_FAILURE() << "accepted";
        } catch (const EConvertError &error) {
            EXPECT_EQ(error.Message(), QStringLiteral("''") + text + QStringLiteral("'' is not a valid integer value"));
        }
    }
}
