#pragma once
// Small platform services: who and where this workstation is, the clean-up
// of the program's temporary files, a desktop shortcut, the program updater
// and the login line of the log.
//
// On Linux the look-ups come from the host and its network interfaces; the
// Windows-only facilities (system temporary folders, print spool, Lotus
// Notes) return an empty text or do nothing and say so in the log.

#include <QString>

// Host name of this machine.
QString GetComputername();
// DNS domain of this machine; empty when it has none.
QString GetDomain();
// ForceIPAddress ("-ip") when set; otherwise the first IPv4 address of an
// active network interface other than loopback, or "0.0.0.0" when none.
QString GetIPAddress();
// The print spool folder; Linux has no per-user one, so empty.
QString GetSpoolDirectory();
// $TMPDIR, else $TEMP, else $TMP, else "/tmp".
QString WindowsTempDir();
// The system configuration folder ("/etc").
QString WindowsEtcDir();
// The user's desktop folder, with a trailing "/".
QString SkriveBord();
// Lotus Notes' data folder; none here, so empty.
QString NotesDataDir();
// Operating system name and version, in the form
// "<name> Version: <version> Build: <kernel>".
QString WindowsVersjon();

// Empties the program's temporary folder (TrelvoPath("tmp")) when its path
// contains "TMP" (compared in capitals). The system folders are never
// touched here; asking for them logs that and does nothing more.
void DeleteTemporaryFiles(bool includeSystem);
// Empties folder: every file and subfolder below it is removed, the folder
// itself stays. Symbolic links are removed as links and never followed.
// Only folders whose path is longer than 6 characters are handled. Files
// and folders that cannot be removed are logged and left.
void DeleteScan(const QString& folder);

// Writes a desktop entry "<program name>.desktop" that starts the program,
// in folder (SkriveBord() when empty). Returns the file's path, or an
// empty text when it could not be written (logged).
QString LagSkrivebordIkon(const QString& folder = QString());

// Starts the program updater ("oppdater" in the folder "bin", or failing
// that in the program file's folder, which then becomes "bin") with the
// program file's full path as its only parameter, and asks the program to
// end. A missing or unstartable updater is reported to the user (caption
// "FEIL") and logged; the program keeps running. Returns whether the
// updater was started.
bool OppdaterProgramFraFTP();

// Logs "LOGIN: <user>  node: <computer>.<domain> IP:<address>".
void LogLogin();
