#include "bar/FileIcon.h"

#include "bar/DesktopEntry.h"
#include "platform/ImageList.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QIcon>
#include <QMimeDatabase>
#include <QPixmap>
#include <QStandardPaths>

namespace tavrin {

namespace {

const QString FallbackTheme = QStringLiteral("Adwaita");

// A bare X server leaves Qt with no theme or only "hicolor", which holds
// application pictures but no folder or document pictures; a platform
// without a desktop theme (offscreen) does not even search the usual
// icon folders.
void EnsureIconTheme()
{
    static bool checked = false;
    if (checked)
        return;
    checked = true;
    QStringList searchPaths = QIcon::themeSearchPaths();
    QStringList folders = {QDir::homePath() + QStringLiteral("/.icons")};
    folders += QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                         QStandardPaths::LocateDirectory);
    for (const QString &folder : folders)
        if (!searchPaths.contains(folder) && QFileInfo(folder).isDir())
            searchPaths.append(folder);
    QIcon::setThemeSearchPaths(searchPaths);
    const QString current = QIcon::themeName();
    if (current.isEmpty() || current == QLatin1String("hicolor"))
        QIcon::setThemeName(FallbackTheme);
    const QString fallback = QIcon::fallbackThemeName();
    if (fallback.isEmpty() || fallback == QLatin1String("hicolor"))
        QIcon::setFallbackThemeName(FallbackTheme);
}

std::optional<QImage> Render(const QIcon &icon)
{
    if (icon.isNull())
        return std::nullopt;
    const QSize size(FileIconSize, FileIconSize);
    QImage picture = FitPicture(icon.pixmap(size, 1.0).toImage(), size);
    if (picture.isNull())
        return std::nullopt;
    return picture;
}

// Rendered pictures by theme name ("name") or by picture file ("/path").
using PictureCache = QHash<QString, std::optional<QImage>>;

PictureCache &Cache()
{
    static PictureCache cache;
    return cache;
}

// The theme's picture for the first of the names it knows.
std::optional<QImage> ThemePicture(const QString &name, const QString &genericName = QString())
{
    const QString key = name + QLatin1Char('\n') + genericName;
    PictureCache &cache = Cache();
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    QIcon icon = name.isEmpty() ? QIcon() : QIcon::fromTheme(name);
    if (icon.isNull() && !genericName.isEmpty())
        icon = QIcon::fromTheme(genericName);
    std::optional<QImage> picture = Render(icon);
    cache.insert(key, picture);
    return picture;
}

std::optional<QImage> PictureFile(const QString &path)
{
    PictureCache &cache = Cache();
    const auto found = cache.constFind(path);
    if (found != cache.constEnd())
        return *found;
    std::optional<QImage> picture = QFileInfo::exists(path) ? Render(QIcon(path)) : std::nullopt;
    cache.insert(path, picture);
    return picture;
}

std::optional<QImage> DesktopEntryPicture(const QString &path)
{
    const std::optional<DesktopEntry> entry = ReadDesktopEntry(path);
    if (!entry || entry->icon.isEmpty())
        return std::nullopt;
    if (QDir::isAbsolutePath(entry->icon))
        return PictureFile(entry->icon);
    return ThemePicture(entry->icon);
}

std::optional<QImage> TypePicture(const QMimeType &type)
{
    static QHash<QString, std::optional<QImage>> byMimeType;
    const auto found = byMimeType.constFind(type.name());
    if (found != byMimeType.constEnd())
        return *found;
    std::optional<QImage> picture = ThemePicture(type.iconName(), type.genericIconName());
    byMimeType.insert(type.name(), picture);
    return picture;
}

// Files are typed by the extension of their name, as file managers and
// the shell do, and the answer is kept per extension: typing a file costs
// far more than drawing its picture. An extension the MIME database does
// not know is typed by the content of the first file that has it, and
// that answer holds for the extension from then on. Names without an
// extension are typed by their content each time.
std::optional<QImage> MimePicture(const QFileInfo &info)
{
    static const QMimeDatabase database;
    static QHash<QString, std::optional<QImage>> byExtension;
    const QString extension = info.completeSuffix();
    if (extension.isEmpty())
        return TypePicture(database.mimeTypeForFile(info));
    const auto found = byExtension.constFind(extension);
    if (found != byExtension.constEnd())
        return *found;
    QMimeType type = database.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    if (type.isDefault())
        type = database.mimeTypeForFile(info);
    std::optional<QImage> picture = TypePicture(type);
    byExtension.insert(extension, picture);
    return picture;
}

// A program's own picture is the one its package installs in the theme
// under the program's name (xterm, gvim); the theme's executable picture
// stands in for programs without one.
std::optional<QImage> ProgramPicture(const QFileInfo &info)
{
    QStringList names = {info.fileName()};
    if (info.isSymLink()) {
        const QString target = QFileInfo(info.canonicalFilePath()).fileName();
        if (!target.isEmpty() && target != names.front())
            names.append(target);
    }
    for (const QString &name : names)
        if (std::optional<QImage> picture = ThemePicture(name))
            return picture;
    return ThemePicture(QStringLiteral("application-x-executable"));
}

} // namespace

std::optional<QImage> FileIcon(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    EnsureIconTheme();
    if (info.isDir())
        return ThemePicture(QStringLiteral("folder"), QStringLiteral("inode-directory"));
    if (info.suffix() == QLatin1String("desktop")) {
        if (std::optional<QImage> picture = DesktopEntryPicture(info.absoluteFilePath()))
            return picture;
    }
    if (info.isExecutable())
        return ProgramPicture(info);
    return MimePicture(info);
}

} // namespace tavrin
