// kvarnel-admin: standard jobs to the calendar, through the same code as
// "Lag kalenderoppføring" in the job list.
#include "admin_projects.h"

#include "admin_options.h"
#include "admin_script.h"
#include "core/dialogs.h"
#include "data/datamodule.h"
#include "projects/projectrules.h"

#include <QTextStream>

namespace {
// Messages of the rules go to standard error; questions are answered no.
class JobDialogs : public Dialogs {
public:
    JobDialogs() { previous_ = SetDialogs(this); }
    ~JobDialogs() override { SetDialogs(previous_); }
    void ShowMessage(const QString& text, const QString&) override { QTextStream(stderr) << text << "\n"; }
    bool AskYesNo(const QString&) override { return false; }
    bool InputText(const QString&, const QString&, QString&) override { return false; }
    bool ChooseFolder(const QString&, const QString&, QString&) override { return false; }

private:
    Dialogs* previous_ = nullptr;
};

int usage()
{
    QTextStream(stderr) << "Bruk: kvarnel-admin job to-calendar JOBB-ID [--date dd.MM.yyyy]\n";
    return 2;
}
}  // namespace

int AdminJobCommand(const QStringList& args)
{
    QTextStream out(stdout), err(stderr);
    const QStringList w = AdminWords();  // job to-calendar ID
    if (w.size() != 3 || w[1] != QLatin1String("to-calendar")) return usage();
    bool ok = false;
    const qint64 job = w[2].toLongLong(&ok);
    if (!ok || job <= 0) {
        err << "FEIL: Ugyldig jobb-id: " << w[2] << "\n";
        return 2;
    }
    QDate date;
    if (const QString d = AdminOption(QStringLiteral("date")); !d.isEmpty()) {
        date = QDate::fromString(d, QStringLiteral("dd.MM.yyyy"));
        if (!date.isValid()) {
            err << "FEIL: Ugyldig dato (dd.MM.yyyy): " << d << "\n";
            return 2;
        }
    }
    JobDialogs dialogs;
    TDatabaseModule dm;
    if (const QString e = AdminConnectModule(args, dm); !e.isEmpty()) {
        err << "FEIL: " << e << "\n";
        return 1;
    }
    // The new entry needs the calendar's columns, not its rows.
    dm.CalendarTable.setFilter(QStringLiteral("id=0"));
    QString error;
    const qint64 entry = Projects::MakeCalendarEntryFromJob(dm, job, date, &error);
    if (entry <= 0) {
        err << "FEIL: " << error << "\n";
        return 1;
    }
    Dataset& cal = dm.CalendarTable;
    out << "Kalenderoppføring " << entry << " laget fra standardjobb " << job << ": "
        << cal.asDateTime(QStringLiteral("time_from")).toString(QStringLiteral("dd.MM.yyyy HH:mm")) << ", "
        << cal.asString(QStringLiteral("subject")) << ", " << cal.displayText(QStringLiteral("hours")) << " timer\n";
    return 0;
}
