#include "platform/IniFile.h"

#include "tests/skins/SkinFixtures.h"

#include <gtest/gtest.h>

#include <QStringEncoder>

using tavrin::IniFile;

namespace {

const QString Section = QStringLiteral("Tavrin");
const QString Key = QStringLiteral("按钮字体色");
const QString Default = QStringLiteral("<default>");

QByteArray Encoded(const QString &text, QStringEncoder::Encoding encoding, bool bom)
{
    QStringEncoder encoder(encoding, bom ? QStringEncoder::Flag::WriteBom : QStringEncoder::Flag::Default);
    return encoder.encode(text);
}

TEST(IniFile, ReadsEveryEncodingWindowsSkinsComeIn)
{
    const QString text = QStringLiteral("[Tavrin]\r\n按钮字体色=clRed\r\n");
    const struct {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"UTF-8", text.toUtf8()},
        {"UTF-8 with BOM", Encoded(text, QStringEncoder::Utf8, true)},
        {"UTF-16LE with BOM", Encoded(text, QStringEncoder::Utf16LE, true)},
        {"UTF-16BE with BOM", Encoded(text, QStringEncoder::Utf16BE, true)},
        {"GBK", QByteArray("[Tavrin]\r\n\xB0\xB4\xC5\xA5\xD7\xD6\xCC\xE5\xC9\xAB=clRed\r\n")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IniFile::FromBytes(c.bytes).ReadString(Section, Key, Default), QStringLiteral("clRed"));
    }
}

TEST(IniFile, GbkTextThatIsNotUtf8KeepsItsCharacters)
{
    // "红" in GBK, then a byte that starts no character.
    const QString text = IniFile::DecodeText(QByteArray("\xBA\xEC\x80"));
    EXPECT_EQ(text.left(1), QStringLiteral("红"));
    EXPECT_EQ(text.size(), 2);
}

TEST(IniFile, FollowsTheUsualIniRules)
{
    const QByteArray file = "; a comment line\n"
                            "key0=outside any section\n"
                            "[other]\n"
                            "colour=other section\n"
                            "  [ tAVRIN ]  \n"
                            "# colour=commented out\n"
                            "  COLOUR   =   $00FF00  \t\r\n"
                            "colour=second occurrence\n"
                            "quoted=\"  clRed  \"\n"
                            "empty=\n"
                            "no equals sign\n"
                            "=no key\n"
                            "equals=a=b\n";
    const IniFile ini = IniFile::FromBytes(file);
    const struct {
        const char *section;
        const char *key;
        const char *expected;
    } cases[] = {
        {"Tavrin", "colour", "$00FF00"},
        {"TAVRIN", "Colour", "$00FF00"},
        {"other", "colour", "other section"},
        {"Tavrin", "quoted", "  clRed  "},
        {"Tavrin", "empty", ""},
        {"Tavrin", "equals", "a=b"},
        {"Tavrin", "key0", "<default>"},
        {"Tavrin", "no equals sign", "<default>"},
        {"Tavrin", "# colour", "<default>"},
        {"missing", "colour", "<default>"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(ini.ReadString(QString::fromUtf8(c.section), QString::fromUtf8(c.key), Default),
                  QString::fromUtf8(c.expected));
    }
}

TEST(IniFile, OpeningTouchesNoFileAndAMissingFileReadsAsTheDefault)
{
    tavrin::test::CurrentFolder folder;
    const IniFile ini(QStringLiteral("config.ini"));
    ASSERT_TRUE(tavrin::test::WriteBytes(QStringLiteral("config.ini"), QByteArray("[Tavrin]\nk=late\n")));
    EXPECT_EQ(ini.ReadString(Section, QStringLiteral("k"), Default), QStringLiteral("late"));

    const IniFile missing(QStringLiteral("nothing/config.ini"));
    EXPECT_EQ(missing.ReadString(Section, QStringLiteral("k"), Default), Default);
    EXPECT_EQ(missing.ReadString(Section, QStringLiteral("k"), QString()), QString());
}

TEST(IniFile, ADirectoryInPlaceOfTheFileReadsAsTheDefault)
{
    tavrin::test::CurrentFolder folder;
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("config.ini")));
    EXPECT_EQ(IniFile(QStringLiteral("config.ini")).ReadString(Section, Key, Default), Default);
}

} // namespace
