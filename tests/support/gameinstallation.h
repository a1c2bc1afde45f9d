#pragma once

// A game installation under a Wine prefix in a temporary folder, removed with
// the object. The game folder on disk is always <prefix>/drive_c/Games/Brim;
// system.reg names it (or any other Windows path) under the game's App Paths
// key, so findGamePath(prefix()) finds it.
//
// GamePath() keeps its first answer for the whole run: a test program that
// needs it must set WINEPREFIX to prefix() before anything calls it.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class TempGameInstallation {
public:
    // `registryPath` is the Windows path written as the key's "Path" value;
    // with `writeKey` false system.reg holds no key for the game at all.
    explicit TempGameInstallation(const QString &registryPath = QStringLiteral("C:\\Games\\Brim"),
                                  bool writeKey = true);

    // Both paths are canonical, so they compare equal to what the lookup
    // returns.
    QString prefix() const { return m_prefix; }
    QString gameFolder() const { return m_prefix + QStringLiteral("/drive_c/Games/Brim"); }

    // Writes a file below the game folder ("/" or "\" separated), creating
    // the folders on the way.
    void addFile(const QString &relativePath, const QByteArray &bytes);

    // Replaces system.reg by the header line followed by `body`.
    void writeRegistry(const QByteArray &body);

    // `text` escaped the way Wine writes registry strings.
    static QByteArray wineEscaped(const QString &text);

private:
    QTemporaryDir m_dir;
    QString m_prefix;
};
