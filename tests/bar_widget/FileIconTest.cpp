#include "bar/FileIcon.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace tavrin {
namespace {

void WriteText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// How many of the picture's pixels are not fully transparent.
int VisiblePixels(const QImage &picture)
{
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qAlpha(picture.pixel(x, y)) != 0)
                ++count;
    return count;
}

class FileIconTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString Path(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(FileIconTest, ExistingPathsGetA24PixelPicture)
{
    WriteText(Path("notes.txt"), "some text\n");
    const QString paths[] = {QStringLiteral("/usr"), QStringLiteral("/etc/os-release"), QStringLiteral("/bin/sh"),
                             Path("notes.txt"), dir.path()};
    for (const QString &path : paths) {
        const std::optional<QImage> picture = FileIcon(path);
        ASSERT_TRUE(picture.has_value()) << path.toStdString();
        EXPECT_EQ(picture->size(), QSize(24, 24)) << path.toStdString();
        EXPECT_GT(VisiblePixels(*picture), 24 * 24 / 8) << path.toStdString();
    }
}

TEST_F(FileIconTest, NothingForEmptyOrMissingPaths)
{
    EXPECT_FALSE(FileIcon(QString()).has_value());
    EXPECT_FALSE(FileIcon(Path("missing.txt")).has_value());
    EXPECT_FALSE(FileIcon(QStringLiteral("http:/")).has_value());
    EXPECT_FALSE(FileIcon(QStringLiteral("::")).has_value());
}

TEST_F(FileIconTest, FoldersDocumentsAndProgramsLookDifferent)
{
    WriteText(Path("a.txt"), "x");
    WriteText(Path("b.txt"), "y");
    const QImage folder = *FileIcon(QStringLiteral("/usr"));
    const QImage text = *FileIcon(Path("a.txt"));
    const QImage program = *FileIcon(QStringLiteral("/bin/sh"));
    EXPECT_NE(folder, text);
    EXPECT_NE(folder, program);
    EXPECT_NE(text, program);
    EXPECT_EQ(*FileIcon(Path("b.txt")), text); // one type, one picture
    EXPECT_EQ(*FileIcon(dir.path()), folder);
}

TEST_F(FileIconTest, DesktopEntryGetsItsIcon)
{
    QImage red(48, 48, QImage::Format_ARGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(Path("red.png")));
    WriteText(Path("by-path.desktop"),
              "[Desktop Entry]\nType=Application\nName=Red\nExec=true\nIcon=" + Path("red.png").toUtf8() + "\n");
    WriteText(Path("by-name.desktop"), "[Desktop Entry]\nType=Application\nName=Folder\nExec=true\nIcon=folder\n");

    const std::optional<QImage> byPath = FileIcon(Path("by-path.desktop"));
    ASSERT_TRUE(byPath.has_value());
    EXPECT_EQ(byPath->pixelColor(12, 12), QColor(Qt::red));
    EXPECT_EQ(byPath->pixelColor(0, 0), QColor(Qt::red));

    const std::optional<QImage> byName = FileIcon(Path("by-name.desktop"));
    ASSERT_TRUE(byName.has_value());
    EXPECT_EQ(*byName, *FileIcon(QStringLiteral("/usr")));
}

TEST_F(FileIconTest, ProgramsGetThePictureOfTheirNameWhenTheThemeHasOne)
{
    // "folder" stands for any program name the theme has a picture for.
    for (const char *name : {"folder", "no-such-program-picture"}) {
        WriteText(Path(name), "#!/bin/sh\n");
        ASSERT_TRUE(QFile::setPermissions(Path(name), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    EXPECT_EQ(*FileIcon(Path("folder")), *FileIcon(QStringLiteral("/usr")));
    EXPECT_EQ(*FileIcon(Path("no-such-program-picture")), *FileIcon(QStringLiteral("/bin/sh")));
    EXPECT_NE(*FileIcon(Path("folder")), *FileIcon(QStringLiteral("/bin/sh")));

    // A link is known by its own name first, then by the program it leads to.
    ASSERT_TRUE(QFile::link(Path("folder"), Path("launcher-link")));
    EXPECT_EQ(*FileIcon(Path("launcher-link")), *FileIcon(QStringLiteral("/usr")));
}

TEST_F(FileIconTest, RelativePathsResolveAgainstTheCurrentDirectory)
{
    WriteText(Path("here.txt"), "x");
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const bool found = FileIcon(QStringLiteral("here.txt")).has_value();
    const bool missing = FileIcon(QStringLiteral("elsewhere.txt")).has_value();
    QDir::setCurrent(before);
    EXPECT_TRUE(found);
    EXPECT_FALSE(missing);
}

} // namespace
} // namespace tavrin
