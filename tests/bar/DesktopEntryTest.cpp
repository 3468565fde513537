#include "bar/DesktopEntry.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

TEST(DesktopEntryTest, ReadsTheKeysOfTheFirstDesktopEntryGroup)
{
    const std::optional<DesktopEntry> entry = ParseDesktopEntry(QStringLiteral(
        "# a comment\r\n"
        "[Other]\n"
        "Exec=wrong\n"
        "[Desktop Entry]\r\n"
        "Type=Application\n"
        "Name=Editor\n"
        "Name[de]=Bearbeiter\n"
        "Exec = editor\\s--new %F\n"
        "TryExec=editor\n"
        "Icon=accessories-text-editor\n"
        "Path=/tmp\n"
        "Terminal=true\n"
        "[Desktop Action New]\n"
        "Exec=also wrong\n"));
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->type, QStringLiteral("Application"));
    EXPECT_EQ(entry->name, QStringLiteral("Editor"));
    EXPECT_EQ(entry->exec, QStringLiteral("editor --new %F"));
    EXPECT_EQ(entry->tryExec, QStringLiteral("editor"));
    EXPECT_EQ(entry->icon, QStringLiteral("accessories-text-editor"));
    EXPECT_EQ(entry->path, QStringLiteral("/tmp"));
    EXPECT_TRUE(entry->terminal);
}

TEST(DesktopEntryTest, TextWithoutTheGroupIsNoEntry)
{
    EXPECT_FALSE(ParseDesktopEntry(QString()).has_value());
    EXPECT_FALSE(ParseDesktopEntry(QStringLiteral("Type=Application\nExec=x\n")).has_value());
    EXPECT_FALSE(ParseDesktopEntry(QStringLiteral("[Desktop Action x]\nExec=x\n")).has_value());
}

TEST(DesktopEntryTest, LinkEntriesCarryTheirAddress)
{
    const auto entry = ParseDesktopEntry(QStringLiteral("[Desktop Entry]\nType=Link\nURL=https://example.org/a=b\n"));
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->type, QStringLiteral("Link"));
    EXPECT_EQ(entry->url, QStringLiteral("https://example.org/a=b"));
}

struct ExecCase {
    const char *execLine; // as written in the file
    QStringList files;
    std::vector<QStringList> commands;
};

class ExpandExecTest : public ::testing::TestWithParam<ExecCase> {};

TEST_P(ExpandExecTest, GivesTheCommandLines)
{
    const ExecCase &c = GetParam();
    const auto entry = ParseDesktopEntry(QStringLiteral("[Desktop Entry]\nType=Application\nName=My App\n"
                                                        "Icon=my-icon\nExec=") +
                                         QString::fromUtf8(c.execLine) + u'\n');
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(ExpandExec(*entry, c.files, QStringLiteral("/apps/my.desktop")), c.commands) << c.execLine;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExpandExecTest,
    ::testing::Values(
        ExecCase{"app %f", {}, {{"app"}}},
        ExecCase{"app %f", {"/a b"}, {{"app", "/a b"}}},
        ExecCase{"app %f", {"/a", "/b"}, {{"app", "/a"}, {"app", "/b"}}},
        ExecCase{"app %u --x", {"/a", "/b"}, {{"app", "/a", "--x"}, {"app", "/b", "--x"}}},
        ExecCase{"app %F", {"/a", "/b"}, {{"app", "/a", "/b"}}},
        ExecCase{"app %U -z", {}, {{"app", "-z"}}},
        ExecCase{"app --file=%f", {"/a"}, {{"app", "--file=/a"}}},
        ExecCase{"app", {"/a", "-b"}, {{"app", "/a", "-b"}}},
        ExecCase{"app %i %c %k", {}, {{"app", "--icon", "my-icon", "My App", "/apps/my.desktop"}}},
        ExecCase{"app 100%% %d %D %n %N %v %m %q", {}, {{"app", "100%", "", "", "", "", "", "", ""}}},
        ExecCase{"\"/opt/my app/run\" \"a \\\\\\\\ b\" \"\\\"q\\\"\" \"\\$HOME\"",
                 {},
                 {{"/opt/my app/run", "a \\ b", "\"q\"", "$HOME"}}},
        ExecCase{"sh -c 'echo $0' %f", {"x"}, {{"sh", "-c", "echo $0", "x"}}},
        ExecCase{"app\\sname\\targ", {}, {{"app", "name", "arg"}}},
        ExecCase{"", {"/a"}, {}},
        ExecCase{"%f", {}, {}}));

} // namespace
} // namespace tavrin
