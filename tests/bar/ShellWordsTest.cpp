#include "bar/ShellWords.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

struct WordsCase {
    const char *text;
    QStringList words;
};

class ShellWordsTest : public ::testing::TestWithParam<WordsCase> {};

TEST_P(ShellWordsTest, SplitsLikeAShellWithoutExpanding)
{
    const WordsCase &c = GetParam();
    EXPECT_EQ(SplitShellWords(QString::fromUtf8(c.text)), c.words) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShellWordsTest,
    ::testing::Values(
        WordsCase{"", {}}, WordsCase{"  \t\n ", {}}, WordsCase{"a", {"a"}},
        WordsCase{" a  b\tc\nd ", {"a", "b", "c", "d"}},
        WordsCase{"\"a b\" 'c d' e\\ f", {"a b", "c d", "e f"}},
        WordsCase{"'a\\b \"c\"'", {"a\\b \"c\""}},
        WordsCase{"\"\\$x \\` \\\" \\\\ \\n\"", {"$x ` \" \\ \\n"}},
        WordsCase{"\"a\\\nb\"", {"ab"}},
        WordsCase{"a\\\nb", {"ab"}},
        WordsCase{"\\a\\'\\\"", {"a'\""}},
        WordsCase{"x\"y z\"'w'v", {"xy zwv"}},
        WordsCase{"\"\" ''", {"", ""}},
        WordsCase{"a \"\"", {"a", ""}},
        // Nothing is expanded.
        WordsCase{"$HOME ~ *.txt $(id) `id` ${X}", {"$HOME", "~", "*.txt", "$(id)", "`id`", "${X}"}},
        WordsCase{"a;b|c&d>e", {"a;b|c&d>e"}},
        // Quotes left open take the rest of the text as it stands.
        WordsCase{"a 'b c", {"a", "b c"}}, WordsCase{"a \"b 'c\\\" d", {"a", "b 'c\" d"}},
        WordsCase{"'", {""}}, WordsCase{"a\\", {"a\\"}}, WordsCase{"\\", {"\\"}},
        WordsCase{"\xE4\xBD\xA0 \"\xE5\xA5\xBD \xF0\x9F\x98\x80\"", {"\xE4\xBD\xA0", "\xE5\xA5\xBD \xF0\x9F\x98\x80"}}));

} // namespace
} // namespace tavrin
