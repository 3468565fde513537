#pragma once

// Every file the program ships as artwork, by path relative to the asset
// folder, and the writer that puts them on disk.

#include <QByteArray>
#include <QString>

#include <vector>

namespace tavrin::art {

struct AssetFile {
    QString path; // relative, '/'-separated
    QByteArray data;
};

// The whole tree: default look, icons, stock pictures, the seven skins and
// the resource list of what is compiled into the program.
std::vector<AssetFile> BuildAssetTree();

// Writes the tree under directory, creating folders as needed. Throws
// std::runtime_error when a file cannot be written.
void WriteAssetTree(const std::vector<AssetFile>& files, const QString& directory);

} // namespace tavrin::art
