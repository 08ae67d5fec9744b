#pragma once
// The login identity: who is logged in, read by everything that stamps or
// filters rows by user. Written by the database login.

#include <QString>

extern int MyLoginID;            // users.id of the logged-in user, 0 when none
extern int MyLoginGroup;         // users.defaultgroup
extern QString MyLoginInitials;  // users.initials
// users.username; before the login the name used for the per-user settings
// file (see GetBrukerNavn).
extern QString MyLoginUsername;
extern QString MyLoginRealName;    // users.realname
extern QString MyLoginDepartment;  // users.department
extern int MyLoginCompany;         // users.companyid when not 0; otherwise kept
extern QString MyLoginServer;      // server name typed at login
extern QString MyLoginPassword;    // typed password, memory only
extern int MyLoginStatus;          // 0 not connected, 1 connected, -1 failed

// Puts every value back to its start value (0 / empty).
void ResetLoginIdentity();
