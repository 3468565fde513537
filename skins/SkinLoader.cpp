#include "skins/SkinLoader.h"

#include "platform/BmpReader.h"
#include "platform/CursorFile.h"
#include "platform/IniFile.h"
#include "platform/JpegDecoder.h"
#include "skins/ColorFromText.h"

namespace tavrin {

QString SkinFilePath(const QString &skinName, const QString &fileName)
{
    return QStringLiteral("skins/") + skinName + QLatin1Char('/') + fileName;
}

const std::vector<SkinColorStep> &SkinColorSteps()
{
    static const std::vector<SkinColorStep> steps = {
        {u"标题栏字体色", ColorTarget::Label1Font},
        {u"分类栏字体色", ColorTarget::BarFont},
        {u"按钮字体色", ColorTarget::BarButtonFont},
        {u"按钮背景色", ColorTarget::BarXPBackground},
        {u"按钮边框色", ColorTarget::BarXPBorder},
        {u"按下时背景", ColorTarget::BarXPPressed},
        {u"焦点按钮字体色", ColorTarget::BarButtonHighlightFont},
        {u"按钮背景色", ColorTarget::MenuBarColor},
        {u"按钮背景色", ColorTarget::MenuBarToColor},
        {u"按钮字体色", ColorTarget::MenuFontColor},
        {u"按钮边框色", ColorTarget::MenuSelectedBorderColor},
        {u"按钮背景色", ColorTarget::MenuSelectedColor},
        {u"焦点按钮字体色", ColorTarget::MenuSelectedFontColor},
        {u"按钮背景色", ColorTarget::MenuSeparatorColor},
    };
    return steps;
}

const std::vector<SkinPictureStep> &SkinPictureSteps()
{
    static const std::vector<SkinPictureStep> steps = {
        {u"顶边_左.jpg", PictureTarget::Image1},
        {u"顶边_中.jpg", PictureTarget::Image2},
        {u"顶边_右.jpg", PictureTarget::Image3},
        {u"边框_左.jpg", PictureTarget::Image4},
        {u"边框_右.jpg", PictureTarget::Image5},
        {u"底边_左.jpg", PictureTarget::Image6},
        {u"底边_中.jpg", PictureTarget::Image7},
        {u"底边_右.jpg", PictureTarget::Image8},
        {u"背景.jpg", PictureTarget::Image9},
        {u"关闭over.bmp", PictureTarget::CloseNormal},
        {u"关闭on.bmp", PictureTarget::CloseEnter},
        {u"关闭down.bmp", PictureTarget::CloseDown},
        {u"最小化over.bmp", PictureTarget::MinimizeNormal},
        {u"最小化on.bmp", PictureTarget::MinimizeEnter},
        {u"最小化down.bmp", PictureTarget::MinimizeDown},
        {u"分类栏.bmp", PictureTarget::HeaderBitmap},
    };
    return steps;
}

std::optional<Raster> LoadPictureFile(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || path.indexOf(QLatin1Char('/'), dot) >= 0)
        return std::nullopt;
    const QString extension = path.mid(dot + 1).toLower();
    if (extension == QLatin1String("jpg") || extension == QLatin1String("jpeg"))
        return DecodeJpegFile(path);
    if (extension == QLatin1String("bmp"))
        return ReadBmpFile(path);
    return std::nullopt;
}

namespace {

// The steps in order; returns at the first one that fails.
void RunLoadingSteps(SkinTargets &targets, const QString &skinName, bool repaintBar)
{
    const IniFile config(SkinFilePath(skinName, QString::fromUtf16(SkinConfigFile)));

    targets.SetSkinCursor(LoadCursorFile(SkinFilePath(skinName, QString::fromUtf16(SkinCursorFile))));
    targets.SetCursorNumbersToSkinCursor();

    const QString section = QString::fromUtf16(SkinSection);
    for (const SkinColorStep &step : SkinColorSteps()) {
        const QString text = config.ReadString(section, QString::fromUtf16(step.key), QString());
        const std::optional<TColor> color = ColorFromText(text);
        if (!color)
            return;
        targets.SetColor(step.target, *color);
    }

    for (const SkinPictureStep &step : SkinPictureSteps()) {
        const std::optional<Raster> picture = LoadPictureFile(SkinFilePath(skinName, QString::fromUtf16(step.fileName)));
        if (!picture)
            return;
        targets.SetPicture(step.target, *picture);
    }

    if (repaintBar)
        targets.RepaintBar();
}

} // namespace

void LoadSkin(SkinTargets &targets, const QString &skinName, bool repaintBar)
{
    try {
        RunLoadingSteps(targets, skinName, repaintBar);
    } catch (...) {
        // A failing step ends the loading quietly; what was set stays set.
    }
}

} // namespace tavrin
