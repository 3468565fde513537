#include "tools/art/AssetTree.h"

#include "tools/art/AniWriter.h"
#include "tools/art/BmpWriter.h"
#include "tools/art/ButtonArt.h"
#include "tools/art/CursorArt.h"
#include "tools/art/FrameArt.h"
#include "tools/art/IconArt.h"
#include "tools/art/IconWriter.h"
#include "tools/art/JpegWriter.h"
#include "tools/art/PngWriter.h"
#include "tools/art/SkinConfig.h"
#include "tools/art/StockArt.h"
#include "tools/art/Theme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace tavrin::art {

namespace {

// File names of one look: the default look's own, or a skin's.
struct LookNames {
    QString titleLeft, titleMiddle, titleRight, borderLeft, borderRight, bottomLeft, bottomMiddle, bottomRight,
        background;
    QString closeNormal, closeEnter, closeDown, minimiseNormal, minimiseEnter, minimiseDown, header;
};

LookNames DefaultNames()
{
    return LookNames{"title_left.jpg",       "title_middle.jpg",    "title_right.jpg",   "border_left.jpg",
                     "border_right.jpg",     "bottom_left.jpg",     "bottom_middle.jpg", "bottom_right.jpg",
                     "background.jpg",       "close_normal.bmp",    "close_enter.bmp",   "close_down.bmp",
                     "minimize_normal.bmp", "minimize_enter.bmp", "minimize_down.bmp", "header.bmp"};
}

LookNames SkinNames()
{
    const auto u = [](const char* text) { return QString::fromUtf8(text); };
    return LookNames{u("顶边_左.jpg"),    u("顶边_中.jpg"),     u("顶边_右.jpg"),       u("边框_左.jpg"),
                     u("边框_右.jpg"),    u("底边_左.jpg"),     u("底边_中.jpg"),       u("底边_右.jpg"),
                     u("背景.jpg"),       u("关闭over.bmp"),    u("关闭on.bmp"),        u("关闭down.bmp"),
                     u("最小化over.bmp"), u("最小化on.bmp"),    u("最小化down.bmp"),    u("分类栏.bmp")};
}

void AddLook(std::vector<AssetFile>& files, const QString& folder, const LookNames& names, const Theme& theme)
{
    const auto add = [&](const QString& name, QByteArray data) {
        files.push_back(AssetFile{folder + "/" + name, std::move(data)});
    };
    add(names.titleLeft, EncodeJpeg(TitleLeft(theme)));
    add(names.titleMiddle, EncodeJpeg(TitleMiddle(theme)));
    add(names.titleRight, EncodeJpeg(TitleRight(theme)));
    add(names.borderLeft, EncodeJpeg(BorderLeft(theme)));
    add(names.borderRight, EncodeJpeg(BorderRight(theme)));
    add(names.bottomLeft, EncodeJpeg(BottomLeft(theme)));
    add(names.bottomMiddle, EncodeJpeg(BottomMiddle(theme)));
    add(names.bottomRight, EncodeJpeg(BottomRight(theme)));
    add(names.background, EncodeJpeg(Background(theme)));
    add(names.closeNormal, EncodeBmp24(CloseButton(theme, ButtonState::Normal)));
    add(names.closeEnter, EncodeBmp24(CloseButton(theme, ButtonState::Enter)));
    add(names.closeDown, EncodeBmp24(CloseButton(theme, ButtonState::Down)));
    add(names.minimiseNormal, EncodeBmp24(MinimiseButton(theme, ButtonState::Normal)));
    add(names.minimiseEnter, EncodeBmp24(MinimiseButton(theme, ButtonState::Enter)));
    add(names.minimiseDown, EncodeBmp24(MinimiseButton(theme, ButtonState::Down)));
    add(names.header, EncodeBmp24(HeaderBar(theme)));
}

void AddIcons(std::vector<AssetFile>& files)
{
    const Canvas large = ApplicationIcon(48);
    const Canvas medium = ApplicationIcon(32);
    const Canvas small = ApplicationIcon(16);
    files.push_back(AssetFile{"icons/tavrin.ico",
                              EncodeIco({{&large, IconDepth::Palette256}, {&medium, IconDepth::Palette256},
                                         {&small, IconDepth::Palette256}, {&large, IconDepth::Argb32},
                                         {&medium, IconDepth::Argb32}, {&small, IconDepth::Argb32}})});
    files.push_back(AssetFile{"icons/tavrin-48.png", EncodePng(large)});
    files.push_back(AssetFile{"icons/tavrin-32.png", EncodePng(medium)});
    files.push_back(AssetFile{"icons/tavrin-16.png", EncodePng(small)});
    files.push_back(AssetFile{"icons/tray_placeholder.png", EncodePng(TrayPlaceholder())});
}

void AddStockPictures(std::vector<AssetFile>& files)
{
    const std::vector<Canvas> pictures = StockPictures();
    for (std::size_t index = 0; index < pictures.size(); ++index)
        files.push_back(AssetFile{QStringLiteral("stock/stock%1.png").arg(index), EncodePng(pictures[index])});
}

// Skins made on different systems come in different encodings; ours do too.
TextEncoding ConfigEncoding(std::size_t skinIndex)
{
    switch (skinIndex) {
    case 1: return TextEncoding::Utf8WithBom;
    case 2: return TextEncoding::Utf16LeWithBom;
    case 3: return TextEncoding::Gb18030;
    default: return TextEncoding::Utf8;
    }
}

void AddSkins(std::vector<AssetFile>& files)
{
    const std::vector<SkinTheme> skins = SkinThemes();
    for (std::size_t index = 0; index < skins.size(); ++index) {
        const QString folder = "skins/" + skins[index].name;
        const Theme theme = Recoloured(DefaultTheme(), skins[index].recolouring);
        const QString config = SkinConfigText(SkinColourEntries(theme, static_cast<int>(index)));
        files.push_back(AssetFile{folder + "/config.ini", EncodeText(config, ConfigEncoding(index))});
        files.push_back(AssetFile{folder + "/Normal.ani", EncodeAni(SkinCursor(theme))});
        AddLook(files, folder, SkinNames(), theme);
    }
}

// The Qt resource list of everything compiled into the program: the
// default look, the icons and the stock pictures (skins stay on disk).
QByteArray ResourceList(const std::vector<AssetFile>& files)
{
    QByteArray text = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const AssetFile& file : files) {
        if (file.path.startsWith("skins/"))
            continue;
        text += "    <file>" + file.path.toUtf8() + "</file>\n";
    }
    text += "</qresource>\n</RCC>\n";
    return text;
}

} // namespace

std::vector<AssetFile> BuildAssetTree()
{
    std::vector<AssetFile> files;
    AddLook(files, "default", DefaultNames(), DefaultTheme());
    AddIcons(files);
    AddStockPictures(files);
    AddSkins(files);
    files.push_back(AssetFile{"assets.qrc", ResourceList(files)});
    return files;
}

void WriteAssetTree(const std::vector<AssetFile>& files, const QString& directory)
{
    const QDir root(directory);
    for (const AssetFile& file : files) {
        const QString path = root.filePath(file.path);
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            throw std::runtime_error("cannot create the folder of " + path.toStdString());
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(file.data) != file.data.size())
            throw std::runtime_error("cannot write " + path.toStdString());
    }
}

} // namespace tavrin::art
