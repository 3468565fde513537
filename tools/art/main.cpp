// tavrin-art <output-dir>: draws every picture of the program and writes
// the asset tree. The output is the same, byte for byte, on every run.

#include "tools/art/AssetTree.h"

#include <QString>

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: tavrin-art <output-dir>\n");
        return 2;
    }
    try {
        const auto files = tavrin::art::BuildAssetTree();
        tavrin::art::WriteAssetTree(files, QString::fromLocal8Bit(argv[1]));
        std::printf("wrote %zu files\n", files.size());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tavrin-art: %s\n", error.what());
        return 1;
    }
    return 0;
}
