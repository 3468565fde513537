#pragma once

// Applying a skin directory to the window: the cursor, fourteen colours read
// from config.ini, the nine frame pieces, the six button pictures and the
// header bitmap, in a fixed order. The first step that fails ends the
// loading silently; what was set before it stays set.

#include "skins/SkinTargets.h"

#include <QString>

#include <optional>
#include <vector>

namespace tavrin {

// Path of one file of a skin: "skins/" + name + "/" + file, relative to the
// current directory. The name is used as it is.
QString SkinFilePath(const QString &skinName, const QString &fileName);

struct SkinColorStep {
    const char16_t *key;
    ColorTarget target;
};

struct SkinPictureStep {
    const char16_t *fileName;
    PictureTarget target;
};

// Section of config.ini that holds the colours.
inline constexpr char16_t SkinSection[] = u"Tavrin";
inline constexpr char16_t SkinConfigFile[] = u"config.ini";
inline constexpr char16_t SkinCursorFile[] = u"Normal.ani";

// The colour steps and the picture steps, in loading order.
const std::vector<SkinColorStep> &SkinColorSteps();
const std::vector<SkinPictureStep> &SkinPictureSteps();

// Decodes a picture file by its extension: ".jpg" and ".jpeg" as JPEG,
// ".bmp" as BMP (letters in any case); nothing for other names and for
// files that are missing or do not decode.
std::optional<Raster> LoadPictureFile(const QString &path);

// Loads skin `skinName` into `targets`; repaints the bar at the end when
// `repaintBar` is set. Nothing escapes.
void LoadSkin(SkinTargets &targets, const QString &skinName, bool repaintBar);

} // namespace tavrin
