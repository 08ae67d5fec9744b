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

// For paths configured on this workstation only (settings, folders the
// user chose here): an executable file is started with the given
// parameters (split like a shell command line) in folder; anything else
// (document, folder) is handed to xdg-open. Detached; false, with a log
// line, when nothing could be started (no such program, or no xdg-open on
// this desktop). Never for text from the database.
bool StartProg(const QString& file, const QString& params = QString(), const QString& folder = QString());

// What to install when the desktop has no xdg-open: a sentence for the
// messages of the windows that open folders, documents and addresses.
QString DesktopOpenerAdvice();

// Opens a value read from the database (a web or mail address, a document
// path) through the desktop, never as a program: http, https and mailto
// addresses ("www.firma.no" is taken as http), and files only inside the
// program's own folders. False, with a log line, when the value is none of
// these or cannot be opened.
bool OpenDatabaseValue(const QString& value);
// Is the value something OpenDatabaseValue opens? The address to hand on
// is put in *target.
bool DatabaseValueTarget(const QString& value, QString* target);
