#pragma once

// The seven skins offered in the skin submenu, and what happens at start-up
// and when one of them is chosen.

#include <QString>

#include <array>
#include <cstddef>
#include <optional>

namespace tavrin {

class TSQLite3Database;

struct SkinEntry {
    const char *itemName; // the menu item: N10, N11, N21 ... N25
    QString name;         // caption, directory under "skins" and stored value
};

// The skins in menu order.
const std::array<SkinEntry, 7> &SkinCatalogue();

// Position of the skin whose name is exactly `name` (no trimming, case
// counts), or nothing.
std::optional<std::size_t> FindSkin(const QString &name);

// True when "skins" in the current directory is an existing directory.
bool SkinsDirectoryExists();

// The window's side of the skin submenu.
class SkinMenuWindow {
public:
    virtual ~SkinMenuWindow() = default;
    // Makes the skin submenu (N7) usable.
    virtual void EnableSkinSubmenu() = 0;
    // Checks the item of the catalogue entry `index`, unchecking the others.
    virtual void CheckSkinItem(std::size_t index) = 0;
    // Runs LoadSkin on the window for `name`.
    virtual void ApplySkin(const QString &name, bool repaintBar) = 0;

protected:
    SkinMenuWindow() = default;
    SkinMenuWindow(const SkinMenuWindow &) = default;
    SkinMenuWindow &operator=(const SkinMenuWindow &) = default;
};

// Start-up: when "skins" exists, enables the submenu, checks the item of
// `currentSkinName` if it is in the catalogue, and loads that name whether
// it is or not. Nothing escapes.
void InitSkins(SkinMenuWindow &window, const QString &currentSkinName);

// A skin item was clicked: `currentSkinName` becomes its caption, the item
// is checked, the name is stored in the settings table, and the skin is
// loaded with a repaint of the bar. A failure of the store propagates (the
// skin is then not loaded).
void N10Click(SkinMenuWindow &window, TSQLite3Database &store, QString &currentSkinName, const QString &caption);

} // namespace tavrin
