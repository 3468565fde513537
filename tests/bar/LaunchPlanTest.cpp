#include "bar/LaunchPlan.h"

#include <QMap>

#include <gtest/gtest.h>

namespace tavrin {
namespace {

// A small made-up system: the files that exist, the programs on PATH and the
// desktop entries that can be read.
struct FakeSystem {
    QMap<QString, PathKind> paths;
    QStringList onPath;
    QMap<QString, QString> desktopFiles;
    QString documents = QStringLiteral("/home/u/Dokumente");
    QString desktop;

    LaunchEnvironment Environment() const
    {
        LaunchEnvironment env;
        env.findExecutable = [this](const QString &name) {
            return onPath.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
        };
        env.pathKind = [this](const QString &path) { return paths.value(path, PathKind::Missing); };
        env.readDesktopEntry = [this](const QString &path) -> std::optional<DesktopEntry> {
            if (!desktopFiles.contains(path))
                return std::nullopt;
            return ParseDesktopEntry(desktopFiles.value(path));
        };
        env.currentDirectory = QStringLiteral("/work dir");
        env.homeDirectory = QStringLiteral("/home/u");
        env.documentsDirectory = documents;
        env.trashDirectory = QStringLiteral("/home/u/.local/share/Trash/files");
        env.currentDesktop = desktop;
        return env;
    }
};

FakeSystem TypicalSystem()
{
    FakeSystem system;
    system.paths = {
        {QStringLiteral("/usr/bin/xterm"), PathKind::Executable},
        {QStringLiteral("/home/u"), PathKind::Directory},
        {QStringLiteral("/home/u/Dokumente"), PathKind::Directory},
        {QStringLiteral("/home/u/a b.pdf"), PathKind::File},
        {QStringLiteral("/work dir/tool.sh"), PathKind::Executable},
        {QStringLiteral("/work dir/notes"), PathKind::Directory},
        {QStringLiteral("/work dir/http:x"), PathKind::File},
        {QStringLiteral("/apps/edit.desktop"), PathKind::File},
        {QStringLiteral("/apps/EXEC.DESKTOP"), PathKind::Executable},
        {QStringLiteral("/apps/site.desktop"), PathKind::File},
        {QStringLiteral("/apps/dir.desktop"), PathKind::File},
        {QStringLiteral("/apps/gone.desktop"), PathKind::File},
        {QStringLiteral("/apps/term.desktop"), PathKind::File},
        {QStringLiteral("/apps/relative.desktop"), PathKind::File},
        {QStringLiteral("/work dir/bin/run"), PathKind::Executable},
    };
    system.onPath = {QStringLiteral("xdg-open"), QStringLiteral("gio"), QStringLiteral("xterm"),
                     QStringLiteral("editor"), QStringLiteral("x-terminal-emulator"),
                     QStringLiteral("xfce4-settings-manager"), QStringLiteral("gnome-control-center")};
    system.desktopFiles = {
        {QStringLiteral("/apps/edit.desktop"),
         QStringLiteral("[Desktop Entry]\nType=Application\nName=Edit\nExec=editor --new %F\nPath=/srv\n")},
        {QStringLiteral("/apps/EXEC.DESKTOP"), QStringLiteral("[Desktop Entry]\nType=Application\nExec=xterm\n")},
        {QStringLiteral("/apps/site.desktop"), QStringLiteral("[Desktop Entry]\nType=Link\nURL=https://e.org/\n")},
        {QStringLiteral("/apps/dir.desktop"), QStringLiteral("[Desktop Entry]\nType=Directory\nName=Dir\n")},
        {QStringLiteral("/apps/gone.desktop"),
         QStringLiteral("[Desktop Entry]\nType=Application\nTryExec=gone\nExec=editor\n")},
        {QStringLiteral("/apps/term.desktop"),
         QStringLiteral("[Desktop Entry]\nType=Application\nExec=editor %f\nTerminal=true\n")},
        {QStringLiteral("/apps/relative.desktop"),
         QStringLiteral("[Desktop Entry]\nType=Application\nExec=bin/run\n")},
    };
    return system;
}

LaunchCommand Open(const QString &what)
{
    return {QStringLiteral("/usr/bin/xdg-open"), {what}, {}};
}
LaunchCommand Gio(const QString &uri)
{
    return {QStringLiteral("/usr/bin/gio"), {QStringLiteral("open"), uri}, {}};
}

struct PlanCase {
    const char *target;
    const char *parameters;
    std::vector<LaunchCommand> commands;
};

class LaunchPlanTest : public ::testing::TestWithParam<PlanCase> {};

TEST_P(LaunchPlanTest, PlansWhatAFileManagerWouldOpen)
{
    const PlanCase &c = GetParam();
    const FakeSystem system = TypicalSystem();
    EXPECT_EQ(PlanLaunch(QString::fromUtf8(c.target), QString::fromUtf8(c.parameters), system.Environment()),
              c.commands)
        << c.target << " | " << c.parameters;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LaunchPlanTest,
    ::testing::Values(
        PlanCase{"", "x", {}},
        PlanCase{"http://e.org/?q=a b", "ignored", {Open("http://e.org/?q=a b")}},
        PlanCase{"HTTPS://E.ORG", "", {Open("HTTPS://E.ORG")}},
        PlanCase{"www.e.org", "", {Open("http://www.e.org")}},
        PlanCase{"WWW.E.ORG", "", {Open("http://WWW.E.ORG")}},
        PlanCase{"mailto:a@b.c", "", {Open("mailto:a@b.c")}},
        PlanCase{"file:///etc/hosts", "", {Open("file:///etc/hosts")}},
        PlanCase{"/usr/bin/xterm", "-T \"a b\" 'c d' e\\ f $HOME", {{"/usr/bin/xterm", {"-T", "a b", "c d", "e f", "$HOME"}, {}}}},
        PlanCase{"/usr/bin/xterm", "", {{"/usr/bin/xterm", {}, {}}}},
        PlanCase{"xterm", "-e top", {{"/usr/bin/xterm", {"-e", "top"}, {}}}},
        PlanCase{"tool.sh", "a", {{"/work dir/tool.sh", {"a"}, {}}}},
        PlanCase{"notes", "", {Open("/work dir/notes")}},
        PlanCase{"/home/u/a b.pdf", "-p 3", {Open("/home/u/a b.pdf")}},
        PlanCase{"/home/u", "", {Open("/home/u")}},
        // An existing file wins over a look-alike address scheme.
        PlanCase{"http:x", "", {Open("/work dir/http:x")}},
        PlanCase{"/no/such/file", "", {}},
        PlanCase{"no-such-program", "", {}},
        PlanCase{"~/a b.pdf", "", {}},
        PlanCase{"$HOME", "", {}},
        PlanCase{"/apps/edit.desktop", "'/x y' /z", {{"/usr/bin/editor", {"--new", "/x y", "/z"}, "/srv"}}},
        PlanCase{"/apps/EXEC.DESKTOP", "", {{"/usr/bin/xterm", {}, {}}}},
        PlanCase{"/apps/site.desktop", "", {Open("https://e.org/")}},
        PlanCase{"/apps/dir.desktop", "", {}},
        PlanCase{"/apps/gone.desktop", "", {}},
        PlanCase{"/apps/term.desktop", "/f", {{"/usr/bin/x-terminal-emulator", {"-e", "/usr/bin/editor", "/f"}, {}}}},
        PlanCase{"/apps/relative.desktop", "", {{"/work dir/bin/run", {}, {}}}},
        PlanCase{"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}", "", {Gio("computer:///")}},
        PlanCase{"::{20d04fe0-3aea-1069-a2d8-08002b30309d}\\sub", "", {Gio("computer:///")}},
        PlanCase{"::{645FF040-5081-101B-9F08-00AA002F954E}", "", {Gio("trash:///")}},
        PlanCase{"::{208D2C60-3AEA-1069-A2D7-08002B30309D}", "", {Gio("network:///")}},
        PlanCase{"::{450D8FBA-AD25-11D0-98A8-0800361B1103}", "", {Open("/home/u/Dokumente")}},
        PlanCase{"::{2227a280-3aea-1069-a2de-08002b30309d}", "",
                 {{"/usr/bin/gnome-control-center", {"printers"}, {}}}},
        PlanCase{"::{21EC2020-3AEA-1069-A2DD-08002B30309D}", "", {{"/usr/bin/gnome-control-center", {}, {}}}},
        PlanCase{"::{00000000-0000-0000-0000-000000000000}", "", {Open("/home/u")}}));

TEST(LaunchPlanSystemTest, FallsBackWhenDesktopToolsAreMissing)
{
    FakeSystem system = TypicalSystem();
    system.onPath = {QStringLiteral("xdg-open"), QStringLiteral("editor")};
    system.documents = QStringLiteral("/home/u/gone");
    system.paths.insert(QStringLiteral("/home/u/Documents"), PathKind::Directory);
    const LaunchEnvironment env = system.Environment();

    EXPECT_EQ(PlanLaunch(QStringLiteral("::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"), {}, env),
              std::vector<LaunchCommand>{Open("/")});
    EXPECT_EQ(PlanLaunch(QStringLiteral("::{645ff040-5081-101b-9f08-00aa002f954e}"), {}, env),
              std::vector<LaunchCommand>{Open("/home/u")});
    EXPECT_EQ(PlanLaunch(QStringLiteral("::{208D2C60-3AEA-1069-A2D7-08002B30309D}"), {}, env),
              std::vector<LaunchCommand>{Open("/home/u")});
    EXPECT_EQ(PlanLaunch(QStringLiteral("::{450D8FBA-AD25-11D0-98A8-0800361B1103}"), {}, env),
              std::vector<LaunchCommand>{Open("/home/u/Documents")});
    EXPECT_EQ(PlanLaunch(QStringLiteral("::{2227a280-3aea-1069-a2de-08002b30309d}"), {}, env),
              std::vector<LaunchCommand>{Open("http://localhost:631/printers/")});
    EXPECT_TRUE(PlanLaunch(QStringLiteral("::{21EC2020-3AEA-1069-A2DD-08002B30309D}"), {}, env).empty());
    // A terminal entry runs directly when there is no terminal to put it in.
    EXPECT_EQ(PlanLaunch(QStringLiteral("/apps/term.desktop"), {}, env),
              (std::vector<LaunchCommand>{{"/usr/bin/editor", {}, {}}}));

    system.paths.remove(QStringLiteral("/home/u/Documents"));
    EXPECT_EQ(PlanLaunch(QStringLiteral("::{450D8FBA-AD25-11D0-98A8-0800361B1103}"), {}, system.Environment()),
              std::vector<LaunchCommand>{Open("/home/u")});
}

TEST(LaunchPlanSystemTest, UsesGioWhenThereIsNoXdgOpenAndNothingWithoutEither)
{
    FakeSystem system = TypicalSystem();
    system.onPath = {QStringLiteral("gio")};
    EXPECT_EQ(PlanLaunch(QStringLiteral("/home/u"), {}, system.Environment()),
              std::vector<LaunchCommand>{Gio("/home/u")});
    system.onPath.clear();
    EXPECT_TRUE(PlanLaunch(QStringLiteral("/home/u"), {}, system.Environment()).empty());
    EXPECT_TRUE(PlanLaunch(QStringLiteral("https://e.org"), {}, system.Environment()).empty());
    // Programs still start without any opener.
    EXPECT_EQ(PlanLaunch(QStringLiteral("/usr/bin/xterm"), {}, system.Environment()).size(), 1u);
}

TEST(LaunchPlanSystemTest, PrefersTheSettingsToolOfTheRunningDesktop)
{
    FakeSystem system = TypicalSystem();
    system.desktop = QStringLiteral("XFCE");
    EXPECT_EQ(PlanLaunch(QStringLiteral("::{21EC2020-3AEA-1069-A2DD-08002B30309D}"), {}, system.Environment()),
              (std::vector<LaunchCommand>{{"/usr/bin/xfce4-settings-manager", {}, {}}}));
}

} // namespace
} // namespace tavrin
