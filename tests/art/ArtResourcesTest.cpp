// The default look, the icons and the stock pictures are compiled into the
// program and load from ":/" under their asset paths.

#include "tests/art/AssetFiles.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace {

TEST(ArtResources, EveryListedPictureIsCompiledInWithTheCommittedBytes)
{
    const QStringList paths = tavrin::test::ResourcePaths();
    ASSERT_FALSE(paths.isEmpty());
    for (const QString& path : paths) {
        QFile resource(":/" + path);
        ASSERT_TRUE(resource.open(QIODevice::ReadOnly)) << path.toStdString();
        EXPECT_TRUE(resource.readAll() == tavrin::test::ReadAsset(path)) << path.toStdString();
    }
}

TEST(ArtResources, PicturesTheWindowLoadsDecode)
{
    for (const char* path : {":/default/title_left.jpg", ":/default/background.jpg", ":/default/header.bmp",
                             ":/default/close_normal.bmp", ":/icons/tavrin-32.png", ":/icons/tavrin.ico",
                             ":/icons/tray_placeholder.png", ":/stock/stock0.png", ":/stock/stock7.png"}) {
        EXPECT_FALSE(QImage(path).isNull()) << path;
    }
    EXPECT_EQ(QImage(":/default/title_right.jpg").size(), QSize(120, 26));
}

} // namespace
