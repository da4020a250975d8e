// A cookies.txt the user picks, and yt-dlp's messages about it.
#include "FuzzInput.h"

#include "cookies/CookieFile.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir folder;
    const QString path = folder.path() + QStringLiteral("/cookies.txt");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(fuzzBytes(data, size));
        file.close();
        (void)CookieFile::problem(path);
    }
    (void)CookieFile::withoutCookieValues(fuzzText(data, size));
    return 0;
}
