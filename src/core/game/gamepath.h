#pragma once

// Where the game is installed. On Windows the folder comes from the registry;
// on Linux and macOS the game runs under Wine, so the same key is read from
// the Wine prefix's registry file and the Windows path is mapped into the
// prefix. Windows paths ignore letter case, so every path below the game
// folder is matched case-insensitively on disk.

#include <QString>
#include <QtGlobal>

// A Wine prefix's registry ("system.reg") is some megabytes even with many
// programs installed; anything larger is no registry of Wine's and is not
// held in memory.
constexpr qint64 MaxRegistryFileSize = 64 * 1024 * 1024;

// The Wine prefix GamePath() reads: $WINEPREFIX, or ~/.wine when that is
// unset; empty on Windows, where the registry is the system's.
QString winePrefix();
// The game installation folder, empty when none is found. The folder the
// user chose (SetChosenGameFolder) comes first while it exists; otherwise the
// installation is looked up on the first call and kept for the rest of the
// run.
QString GamePath();
// The folder the user chose as the game's, for installations the lookup
// cannot find (another Wine prefix, Proton, Lutris, Bottles). The editor
// passes it in from its settings at start and whenever the user chooses
// anew; empty forgets it.
void setChosenGameFolder(const QString &folder);
QString chosenGameFolder();
// Why GamePath() found nothing, when FindGamePath had more to say than that
// the game is not installed; empty otherwise.
QString gamePathMessage();

// The lookup itself, uncached. On Linux and macOS `winePrefix` is the prefix
// folder to read (GamePath() passes $WINEPREFIX or ~/.wine); on Windows it is
// ignored and the registry is read. When nothing is found, `message` (when
// given) tells why if there is more to say than that the game is not
// installed: a registry file that is refused (no regular file, too large,
// unreadable; "not found" when the prefix has none) or a registry path that
// leaves its drive. It is cleared when a folder is found.
QString findGamePath(const QString &winePrefix, QString *message = nullptr);

// Resolves `relative` (components separated by "\" or "/") below `base`, each
// component matched without regard to letter case. Components that exist are
// returned with their spelling on disk; the first missing one and everything
// after it are appended as given, so the result always names the file that
// was looked for. With an empty `base` the result is "\" + relative, the
// Windows form of a path without a game folder.
QString resolveGameFile(const QString &base, const QString &relative);
