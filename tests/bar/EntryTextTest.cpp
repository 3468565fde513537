#include "bar/EntryHint.h"
#include "bar/SplitBySeparator.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

struct SplitCase {
    const char *text;
    const char *separator;
    QStringList pieces;
};

class SplitBySeparatorTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitBySeparatorTest, GivesThePiecesAndJoinsBack)
{
    const SplitCase &c = GetParam();
    const QString text = QString::fromUtf8(c.text);
    const QString separator = QString::fromUtf8(c.separator);
    const QStringList pieces = SplitBySeparator(text, separator);
    EXPECT_EQ(pieces, c.pieces) << c.text << " split at " << c.separator;
    if (!pieces.isEmpty()) {
        EXPECT_EQ(pieces.join(separator), text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitBySeparatorTest,
    ::testing::Values(
        SplitCase{"a|b", "|", {"a", "b"}},
        SplitCase{"a", "|", {"a"}},
        SplitCase{"", "|", {}},
        SplitCase{"|", "|", {"", ""}},
        SplitCase{"a|", "|", {"a", ""}},
        SplitCase{"|b", "|", {"", "b"}},
        SplitCase{"a||b", "|", {"a", "", "b"}},
        SplitCase{"a|b|c", "|", {"a", "b", "c"}},
        SplitCase{"xaby", "ab", {"x", "y"}},
        SplitCase{"xab", "ab", {"x", ""}},
        SplitCase{"ab", "ab", {"", ""}},
        SplitCase{"a", "ab", {"a"}},
        SplitCase{"xa", "ab", {"xa"}},
        SplitCase{"aac", "ab", {"aac"}},
        SplitCase{"aaab", "aab", {"aaab"}},
        SplitCase{"abc", "", {"abc"}},
        SplitCase{"xABy", "ab", {"xABy"}},
        // The scan resumes at the unit that differed: a match starting inside
        // a failed one is missed, one starting at the differing unit is found.
        SplitCase{"aaabx", "aab", {"aaabx"}},
        SplitCase{"xaab", "ab", {"xa", ""}},
        // Units beyond the basic plane are two code units each.
        SplitCase{"\xF0\x9F\x98\x80|\xE5\x88\x86", "|", {"\xF0\x9F\x98\x80", "\xE5\x88\x86"}}));

TEST(SplitBySeparatorTest, LongPartialMatchesResumeWhereTheyFailed)
{
    // A search restarting one unit after each failed match would find the
    // separator ending at the final "b"; the resume rule never does.
    const QString text = QString(200000, u'a') + QStringLiteral("ab");
    const QStringList pieces = SplitBySeparator(text, QString(1000, u'a') + u'b');
    ASSERT_EQ(pieces.size(), 1);
    EXPECT_EQ(pieces[0], text);
}

struct HintCase {
    const char *target;
    const char *parameters;
    const char *hint;
    const char *readTarget;
    const char *readParameters;
};

class EntryHintTest : public ::testing::TestWithParam<HintCase> {};

TEST_P(EntryHintTest, ComposesAndReadsBack)
{
    const HintCase &c = GetParam();
    const QString hint = ComposeEntryHint(QString::fromUtf8(c.target), QString::fromUtf8(c.parameters));
    EXPECT_EQ(hint, QString::fromUtf8(c.hint));
    const std::optional<EntryHintParts> parts = ReadEntryHint(hint);
    ASSERT_TRUE(parts.has_value());
    EXPECT_EQ(parts->target, QString::fromUtf8(c.readTarget));
    EXPECT_EQ(parts->parameters, QString::fromUtf8(c.readParameters));
    EXPECT_EQ(EntryTarget(hint), parts->target);
    EXPECT_EQ(EntryParameters(hint), parts->parameters);
}

INSTANTIATE_TEST_SUITE_P(Cases, EntryHintTest,
                         ::testing::Values(HintCase{"t", "", "t|", "t", ""},
                                           HintCase{"a|b", "c", "a|b|c", "a", "b"},
                                           HintCase{"t", "p|q", "t|p|q", "t", "p"},
                                           HintCase{"", "", "|", "", ""},
                                           HintCase{"/usr/bin/x y", "-a \"b c\"", "/usr/bin/x y|-a \"b c\"",
                                                    "/usr/bin/x y", "-a \"b c\""}));

TEST(EntryHintTest, TextWithoutSeparatorIsNoHint)
{
    EXPECT_FALSE(ReadEntryHint(QString()).has_value());
    EXPECT_FALSE(ReadEntryHint(QStringLiteral("abc")).has_value());
    EXPECT_EQ(EntryTarget(QString()), QString());
    EXPECT_EQ(EntryTarget(QStringLiteral("abc")), QStringLiteral("abc"));
    EXPECT_THROW(EntryParameters(QString()), std::out_of_range);
    EXPECT_THROW(EntryParameters(QStringLiteral("abc")), std::out_of_range);
}

} // namespace
} // namespace tavrin
