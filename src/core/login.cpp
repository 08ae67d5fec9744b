#include "core/login.h"

int MyLoginID = 0;
int MyLoginGroup = 0;
QString MyLoginInitials;
QString MyLoginUsername;
QString MyLoginRealName;
QString MyLoginDepartment;
int MyLoginCompany = 0;
QString MyLoginServer;
QString MyLoginPassword;
int MyLoginStatus = 0;

void ResetLoginIdentity()
{
    MyLoginID = 0;
    MyLoginGroup = 0;
    MyLoginInitials.clear();
    MyLoginUsername.clear();
    MyLoginRealName.clear();
    MyLoginDepartment.clear();
    MyLoginCompany = 0;
    MyLoginServer.clear();
    MyLoginPassword.clear();
    MyLoginStatus = 0;
}
