#include "platform/CjkFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>

namespace tavrin {
namespace {

TEST(CjkFont, IsTwelvePixelsWithAFamilyThatWritesChinese)
{
    const QFont font = CjkFont();
    EXPECT_EQ(font.pixelSize(), 12);
    const QString family = QFontInfo(font).family();
    EXPECT_TRUE(QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese))
        << family.toStdString();
    const QFontMetrics metrics(font);
    EXPECT_TRUE(metrics.inFontUcs4(U'皮'));
    EXPECT_TRUE(metrics.inFontUcs4(U'肤'));
}

TEST(CjkFont, TakesTheRequestedPixelSize)
{
    EXPECT_EQ(CjkFont(16).pixelSize(), 16);
}

} // namespace
} // namespace tavrin
