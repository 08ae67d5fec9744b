#pragma once
// Look-ups of the running system that the rest of the program builds on.

#include <QString>

// The per-user application-data folder, without a trailing "/":
// $APPDATA when it is set and not empty, otherwise the XDG data home
// (~/.local/share).
QString AppDataFolder();

// The name of the user logged on to this workstation: $USER, else
// $USERNAME, else the system account's name, else empty.
QString GetNetworkUser();

// Full path of the running program file. Before a QCoreApplication exists
// (or when overridden with SetProgramFilePath) the value set there, else
// the target of /proc/self/exe.
QString ProgramFilePath();
// Overrides ProgramFilePath(); an empty path removes the override.
void SetProgramFilePath(const QString& path);

// Opens file through the desktop: an executable file is started with the
// given parameters (split like a shell command line) in folder; anything
// else (document, folder, web or mail address) is handed to xdg-open.
// Detached; false, with a log line, when nothing could be started (no
// such program, or no xdg-open on this desktop).
bool StartProg(const QString& file, const QString& params = QString(), const QString& folder = QString());
