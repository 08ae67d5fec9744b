// Kvarnel: the desktop program.
#include "app/startup.h"
#include "app/translations.h"
#include "core/localzone.h"
#include "core/version.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    ReadLocalTimeZoneOnce();
    // Answered before any window system is needed, so that scripts and
    // package checks can ask without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("kvarnel %s\n", KV_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::printf("Bruk: kvarnel [--debug] [-install] [-ip ADRESSE] [--user BRUKERNAVN]\n"
                        "  --debug           logg til fil med detaljer for denne kjøringen\n"
                        "  -install          som --debug, og programmappene opprettes med en gang\n"
                        "  -ip ADRESSE       IP-adressen programmet oppgir for denne arbeidsstasjonen\n"
                        "  --user NAVN       brukernavnet før pålogging (innstillingsfil og logg)\n"
                        "  --version         skriv versjonen og avslutt\n"
                        "  --help            skriv denne teksten og avslutt\n");
            return 0;
        }
    }
    UseNorwegianDatesInQtDialogs();
    QApplication app(argc, argv);
    return RunKvarnel(app);
}
