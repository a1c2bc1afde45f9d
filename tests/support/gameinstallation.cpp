#include "support/gameinstallation.h"

#include "support/tempfiles.h"

#include <QDir>

namespace {

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

} // namespace

TempGameInstallation::TempGameInstallation(const QString &registryPath, bool writeKey)
    : m_prefix(QDir(m_dir.path()).canonicalPath() + QStringLiteral("/prefix"))
{
    QDir().mkpath(gameFolder());
    QByteArray body = "[Software\\\\Classes\\\\.txt] 1700000000\n#time=1d9c3a1b2c3d4e5\n"
                      "@=\"txtfile\"\n\n";
    if (writeKey) {
        body += "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\Brim.EXE] "
                "1700000000\n#time=1d9c3a1b2c3d4e5\n@=\"" +
                wineEscaped(registryPath + QStringLiteral("\\Brim.exe")) + "\"\n\"Path\"=\"" +
                wineEscaped(registryPath) + "\"\n\n";
    }
    writeRegistry(body);
}

void TempGameInstallation::addFile(const QString &relativePath, const QByteArray &bytes)
{
    testfiles::write(gameFolder() + u'/' + QString(relativePath).replace(u'\\', u'/'), bytes);
}

void TempGameInstallation::writeRegistry(const QByteArray &body)
{
    testfiles::write(m_prefix + QStringLiteral("/system.reg"),
                     "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n"
                     "#arch=win64\n\n" +
                         body);
}

QByteArray TempGameInstallation::wineEscaped(const QString &text)
{
    // Like Wine: four hex digits only when a hex digit follows, else as few
    // as needed.
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\' || c == u'"') {
            out += '\\';
            out += char(c.unicode());
        } else if (c.unicode() > 127) {
            const bool hexFollows = i + 1 < text.size() && isHexDigit(text[i + 1]);
            out +=
                "\\x" + QByteArray::number(c.unicode(), 16).rightJustified(hexFollows ? 4 : 0, '0');
        } else {
            out += char(c.unicode());
        }
    }
    return out;
}
