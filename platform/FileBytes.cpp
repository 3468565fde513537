#include "platform/FileBytes.h"

#include <QFile>
#include <QFileInfo>

namespace tavrin {

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const QString &path, std::int64_t maxBytes)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const std::int64_t size = file.size();
    if (size < 0 || size > maxBytes)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    std::int64_t done = 0;
    while (done < size) {
        const std::int64_t got = file.read(reinterpret_cast<char *>(bytes.data()) + done, size - done);
        if (got <= 0)
            return std::nullopt;
        done += got;
    }
    return bytes;
}

} // namespace tavrin
