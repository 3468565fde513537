#include "skins/SkinLoader.h"

#include "tests/skins/SkinFixtures.h"

#include <gtest/gtest.h>

#include <QFile>

using namespace tavrin;

namespace {

// Writes down every call the loader makes, in order.
class RecordingTargets : public SkinTargets {
public:
    struct Call {
        enum Kind { Cursor, CursorNumbers, Color, Picture, Repaint } kind;
        int target = -1;
        TColor color = 0;
        Raster picture;
        bool hasCursor = false;
    };

    void SetColor(ColorTarget target, TColor color) override
    {
        calls.push_back({Call::Color, int(target), color, {}, false});
    }
    void SetPicture(PictureTarget target, const Raster &picture) override
    {
        calls.push_back({Call::Picture, int(target), 0, picture, false});
    }
    void SetSkinCursor(std::optional<CursorFile> cursor) override
    {
        calls.push_back({Call::Cursor, -1, 0, {}, cursor.has_value()});
        lastCursor = std::move(cursor);
    }
    void SetCursorNumbersToSkinCursor() override { calls.push_back({Call::CursorNumbers, -1, 0, {}, false}); }
    void RepaintBar() override { calls.push_back({Call::Repaint, -1, 0, {}, false}); }

    int Count(Call::Kind kind) const
    {
        return int(std::count_if(calls.begin(), calls.end(), [kind](const Call &c) { return c.kind == kind; }));
    }
    std::vector<int> Targets(Call::Kind kind) const
    {
        std::vector<int> targets;
        for (const Call &c : calls) {
            if (c.kind == kind)
                targets.push_back(c.target);
        }
        return targets;
    }

    std::vector<Call> calls;
    std::optional<CursorFile> lastCursor;
};

using Call = RecordingTargets::Call;

std::vector<int> FirstN(int n)
{
    std::vector<int> v;
    for (int i = 0; i < n; ++i)
        v.push_back(i);
    return v;
}

class SkinLoaderTest : public testing::Test {
protected:
    const QString name = QStringLiteral("春草绿");
    QString SkinFile(const QString &file) const { return folder.Path() + QStringLiteral("/skins/") + name + '/' + file; }
    void SetUp() override { test::MakeCompleteSkin(folder.Path(), name); }

    test::CurrentFolder folder;
    RecordingTargets targets;
};

TEST_F(SkinLoaderTest, ACompleteSkinSetsEverythingInOrder)
{
    LoadSkin(targets, name, true);

    ASSERT_EQ(targets.calls.size(), 2u + 14u + 16u + 1u);
    EXPECT_EQ(targets.calls[0].kind, Call::Cursor);
    EXPECT_TRUE(targets.calls[0].hasCursor);
    ASSERT_TRUE(targets.lastCursor);
    EXPECT_EQ(targets.lastCursor->frames.size(), 2u);
    EXPECT_EQ(targets.calls[1].kind, Call::CursorNumbers);
    for (std::size_t i = 2; i < 16; ++i)
        EXPECT_EQ(targets.calls[i].kind, Call::Color);
    for (std::size_t i = 16; i < 32; ++i)
        EXPECT_EQ(targets.calls[i].kind, Call::Picture);
    EXPECT_EQ(targets.calls.back().kind, Call::Repaint);

    EXPECT_EQ(targets.Targets(Call::Color), FirstN(14));
    EXPECT_EQ(targets.Targets(Call::Picture), FirstN(16));

    // Each colour target got the value of its key.
    const std::vector<std::uint32_t> expected = {1, 2, 3, 0xFF, 0xFF00000F, 6, 0xFF000008,
                                                 0xFF, 0xFF, 3, 0xFF00000F, 0xFF, 0xFF000008, 0xFF};
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(std::uint32_t(targets.calls[2 + i].color), expected[i]) << "colour step " << i;

    // Each picture target got its own file: the JPEGs 16 x 8, the bitmaps 7 x 5.
    for (int i = 0; i < 16; ++i) {
        const Raster &picture = targets.calls[std::size_t(16 + i)].picture;
        EXPECT_EQ(picture.width, i < 9 ? 16 : 7) << "picture " << i;
        const std::uint32_t want = 0xFF000000u | test::PictureColorOfStep(i);
        const std::uint32_t got = picture.Pixel(0, 0);
        for (int shift = 0; shift < 24; shift += 8)
            EXPECT_NEAR(int((got >> shift) & 0xFF), int((want >> shift) & 0xFF), 4) << "picture " << i;
    }
}

TEST_F(SkinLoaderTest, RepaintsOnlyWhenAsked)
{
    LoadSkin(targets, name, false);
    EXPECT_EQ(targets.Count(Call::Repaint), 0);
    EXPECT_EQ(targets.Count(Call::Picture), 16);
}

TEST_F(SkinLoaderTest, AMissingConfigSetsTheCursorAndStops)
{
    QFile::remove(SkinFile(QStringLiteral("config.ini")));
    LoadSkin(targets, name, true);
    ASSERT_EQ(targets.calls.size(), 2u);
    EXPECT_TRUE(targets.calls[0].hasCursor);
    EXPECT_EQ(targets.calls[1].kind, Call::CursorNumbers);
}

TEST_F(SkinLoaderTest, AConfigWithoutTheSectionSetsTheCursorAndStops)
{
    std::map<QString, QString> colors = test::CompleteSkinColors();
    QByteArray ini = test::MakeConfigIni(colors);
    ini.replace("[Tavrin]", "[Other]");
    test::WriteBytes(SkinFile(QStringLiteral("config.ini")), ini);
    LoadSkin(targets, name, true);
    EXPECT_EQ(targets.calls.size(), 2u);
}

TEST_F(SkinLoaderTest, AHashColourStopsBeforeThePressedFill)
{
    std::map<QString, QString> colors = test::CompleteSkinColors();
    colors[QStringLiteral("按下时背景")] = QStringLiteral("#00FF00");
    test::WriteBytes(SkinFile(QStringLiteral("config.ini")), test::MakeConfigIni(colors));
    LoadSkin(targets, name, true);
    // Steps 2 to 8: the cursor, its numbers and five colours.
    EXPECT_EQ(targets.calls.size(), 7u);
    EXPECT_EQ(targets.Targets(Call::Color),
              (std::vector<int>{int(ColorTarget::Label1Font), int(ColorTarget::BarFont), int(ColorTarget::BarButtonFont),
                                int(ColorTarget::BarXPBackground), int(ColorTarget::BarXPBorder)}));
    EXPECT_EQ(targets.Count(Call::Picture), 0);
    EXPECT_EQ(targets.Count(Call::Repaint), 0);
}

TEST_F(SkinLoaderTest, AMissingPictureStopsAtItsStep)
{
    const struct {
        const char16_t *file;
        int picturesSet;
    } cases[] = {
        {u"背景.jpg", 8},
        {u"顶边_左.jpg", 0},
        {u"关闭down.bmp", 11},
        {u"分类栏.bmp", 15},
    };
    for (const auto &c : cases) {
        const QString file = QString::fromUtf16(c.file);
        SCOPED_TRACE(file.toStdString());
        test::MakeCompleteSkin(folder.Path(), name);
        QFile::remove(SkinFile(file));
        RecordingTargets recorder;
        LoadSkin(recorder, name, true);
        EXPECT_EQ(recorder.Count(Call::Color), 14);
        EXPECT_EQ(recorder.Targets(Call::Picture), FirstN(c.picturesSet));
        EXPECT_EQ(recorder.Count(Call::Repaint), 0);
    }
}

TEST_F(SkinLoaderTest, PicturesThatDoNotDecodeStopTheLoading)
{
    const struct {
        const char16_t *file;
        QByteArray content;
        int picturesSet;
    } cases[] = {
        {u"顶边_中.jpg", QByteArray("not a jpeg"), 1},
        {u"底边_左.jpg", QByteArray(), 5},
        {u"最小化on.bmp", QByteArray("BM but not really a bitmap"), 13},
    };
    for (const auto &c : cases) {
        const QString file = QString::fromUtf16(c.file);
        SCOPED_TRACE(file.toStdString());
        test::MakeCompleteSkin(folder.Path(), name);
        test::WriteBytes(SkinFile(file), c.content);
        RecordingTargets recorder;
        LoadSkin(recorder, name, false);
        EXPECT_EQ(recorder.Targets(Call::Picture), FirstN(c.picturesSet));
    }
    // A JPEG where a bitmap belongs is no bitmap.
    test::MakeCompleteSkin(folder.Path(), name);
    test::WriteBytes(SkinFile(QStringLiteral("关闭over.bmp")), test::MakeSolidJpeg(4, 4, 0));
    RecordingTargets recorder;
    LoadSkin(recorder, name, false);
    EXPECT_EQ(recorder.Count(Call::Picture), 9);
}

TEST_F(SkinLoaderTest, AMissingCursorFileGivesTheDefaultArrowAndTheRestLoads)
{
    QFile::remove(SkinFile(QStringLiteral("Normal.ani")));
    LoadSkin(targets, name, true);
    ASSERT_EQ(targets.calls.size(), 33u);
    EXPECT_EQ(targets.calls[0].kind, Call::Cursor);
    EXPECT_FALSE(targets.calls[0].hasCursor);
    EXPECT_EQ(targets.calls[1].kind, Call::CursorNumbers);
    EXPECT_EQ(targets.calls.back().kind, Call::Repaint);
}

TEST_F(SkinLoaderTest, AMissingSkinDirectoryEmptiesTheCursorAndStops)
{
    LoadSkin(targets, QStringLiteral("no such skin"), true);
    ASSERT_EQ(targets.calls.size(), 2u);
    EXPECT_FALSE(targets.calls[0].hasCursor);
}

TEST_F(SkinLoaderTest, TheNameIsUsedAsItIs)
{
    // An empty name reads straight from "skins".
    test::WriteBytes(folder.Path() + QStringLiteral("/skins/config.ini"), test::MakeConfigIni(test::CompleteSkinColors()));
    LoadSkin(targets, QString(), false);
    EXPECT_EQ(targets.Count(Call::Color), 14);
    EXPECT_EQ(targets.Count(Call::Picture), 0);

    // A trailing blank names another directory.
    RecordingTargets other;
    LoadSkin(other, name + QLatin1Char(' '), false);
    EXPECT_EQ(other.calls.size(), 2u);

    EXPECT_EQ(SkinFilePath(name, QStringLiteral("config.ini")), QStringLiteral("skins/春草绿/config.ini"));
    EXPECT_EQ(SkinFilePath(QString(), QStringLiteral("config.ini")), QStringLiteral("skins//config.ini"));
}

TEST(SkinLoaderTables, KeysAndFilesAreTheSkinFormat)
{
    const std::vector<const char16_t *> keys = {u"标题栏字体色", u"分类栏字体色", u"按钮字体色", u"按钮背景色",
                                                u"按钮边框色",   u"按下时背景",   u"焦点按钮字体色", u"按钮背景色",
                                                u"按钮背景色",   u"按钮字体色",   u"按钮边框色",   u"按钮背景色",
                                                u"焦点按钮字体色", u"按钮背景色"};
    ASSERT_EQ(SkinColorSteps().size(), keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        EXPECT_EQ(QString::fromUtf16(SkinColorSteps()[i].key), QString::fromUtf16(keys[i])) << i;
    ASSERT_EQ(SkinPictureSteps().size(), 16u);
    EXPECT_EQ(QString::fromUtf16(SkinPictureSteps()[9].fileName), QStringLiteral("关闭over.bmp"));
    EXPECT_EQ(SkinPictureSteps()[9].target, PictureTarget::CloseNormal);
    EXPECT_EQ(QString::fromUtf16(SkinPictureSteps()[13].fileName), QStringLiteral("最小化on.bmp"));
    EXPECT_EQ(SkinPictureSteps()[13].target, PictureTarget::MinimizeEnter);
}

TEST(LoadPictureFile, ChoosesTheDecoderByExtension)
{
    test::CurrentFolder folder;
    test::WriteBytes(QStringLiteral("a.JPEG"), test::MakeSolidJpeg(2, 2, 0));
    test::WriteBytes(QStringLiteral("b.Bmp"), test::MakeSolidBmp(2, 2, 0));
    test::WriteBytes(QStringLiteral("c.png"), test::MakeSolidBmp(2, 2, 0));
    test::WriteBytes(QStringLiteral("d.jpg"), test::MakeSolidBmp(2, 2, 0));
    test::WriteBytes(QStringLiteral("jpg"), test::MakeSolidJpeg(2, 2, 0));
    EXPECT_TRUE(LoadPictureFile(QStringLiteral("a.JPEG")));
    EXPECT_TRUE(LoadPictureFile(QStringLiteral("b.Bmp")));
    EXPECT_FALSE(LoadPictureFile(QStringLiteral("c.png")));
    EXPECT_FALSE(LoadPictureFile(QStringLiteral("d.jpg")));
    EXPECT_FALSE(LoadPictureFile(QStringLiteral("jpg")));
}

} // namespace
