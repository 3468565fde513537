// Running the generator must give exactly the committed asset tree: the
// same files, none missing, none extra, the same bytes.

#include "tests/art/AssetFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using tavrin::test::AssetsDir;
using tavrin::test::FilesUnder;

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString RunGenerator(const QTemporaryDir& output)
{
    QProcess generator;
    generator.start(QStringLiteral(TAVRIN_ART_BIN), {output.path()});
    if (!generator.waitForFinished(-1))
        return "did not finish";
    if (generator.exitStatus() != QProcess::NormalExit || generator.exitCode() != 0)
        return "failed: " + QString::fromLocal8Bit(generator.readAllStandardError());
    return {};
}

TEST(ArtTree, GeneratorReproducesTheCommittedAssetsByteForByte)
{
    QTemporaryDir output;
    ASSERT_TRUE(output.isValid());
    ASSERT_EQ(RunGenerator(output).toStdString(), "");

    QStringList committed = FilesUnder(AssetsDir());
    committed.removeAll("CMakeLists.txt");
    const QStringList generated = FilesUnder(output.path());

    for (const QString& path : generated)
        EXPECT_TRUE(committed.contains(path)) << "generated but not committed: " << path.toStdString();
    for (const QString& path : committed)
        EXPECT_TRUE(generated.contains(path)) << "committed but no longer generated: " << path.toStdString();

    for (const QString& path : generated) {
        if (!committed.contains(path))
            continue;
        const QByteArray fresh = ReadFile(QDir(output.path()).filePath(path));
        const QByteArray kept = ReadFile(QDir(AssetsDir()).filePath(path));
        EXPECT_EQ(fresh.size(), kept.size()) << path.toStdString();
        EXPECT_TRUE(fresh == kept) << "bytes differ: " << path.toStdString();
    }
}

TEST(ArtTree, GeneratorWithoutAnOutputFolderShowsUsage)
{
    QProcess generator;
    generator.start(QStringLiteral(TAVRIN_ART_BIN), {});
    ASSERT_TRUE(generator.waitForFinished(-1));
    EXPECT_NE(generator.exitCode(), 0);
    EXPECT_TRUE(generator.readAllStandardError().contains("usage"));
}

} // namespace
