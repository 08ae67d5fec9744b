// kvarnel-admin's address-book, mail and download commands: the same
// services the contact, mail and download windows use.
#include "admin_options.h"
#include "admin_script.h"

#include "contacts/contactformat.h"
#include "contacts/contactio.h"
#include "contacts/postnummer.h"
#include "core/felles.h"
#include "core/login.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "data/datamodule.h"
#include "net/httpdownload.h"
#include "net/smtp.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

QTextStream& out()
{
    static QTextStream s(stdout);
    return s;
}

int fail(const QString& message)
{
    QTextStream(stderr) << message << "\n";
    return 1;
}

QString option(const QStringList&, const QString& name) { return AdminOption(name.mid(2)); }

QStringList words(const QStringList&) { return AdminWords(); }

bool positiveId(const QString& text, qint64& id)
{
    bool ok = false;
    id = text.toLongLong(&ok);
    return ok && id > 0;
}

// Progress of a download on standard error, one line per tenth.
DownloadOptions printedProgress()
{
    DownloadOptions o;
    auto last = std::make_shared<int>(-1);
    o.progress = [last](qint64 got, qint64 total) {
        const int p = DownloadPercent(got, total);
        if (p >= 0 && p / 10 != *last / 10) {
            *last = p;
            QTextStream(stderr) << p << "%\n";
        }
        return true;
    };
    return o;
}

} // namespace

int AdminVcardCommand(const QStringList& args)
{
    const QStringList w = words(args);
    const QString usage = "Bruk: kvarnel-admin vcard export [--contact ID | --company ID | --all] FIL\n"
                          "       kvarnel-admin vcard import FIL [--create-companies]";
    if (w.size() < 3) return fail(usage);
    TDatabaseModule dm;
    if (const QString e = AdminConnectModule(args, dm); !e.isEmpty()) return fail(e);
    const QString file = w[2];
    if (w[1] == "export") {
        qint64 id = 0;
        if (AdminFlag("contact")) {
            if (!positiveId(option(args, "--contact"), id)) return fail("Ugyldig kontakt-id");
            Contact_WHERE = "contact.id=" + QString::number(id);
        } else if (AdminFlag("company")) {
            if (!positiveId(option(args, "--company"), id)) return fail("Ugyldig firma-id");
            Contact_WHERE = "contact.companyid=" + QString::number(id);
        } else if (AdminFlag("all")) {
            Contact_WHERE.clear();
        } else {
            return fail(usage);
        }
        dm.ContactSQLSelect();
        if (!dm.ContactQuery.isOpen()) return fail("Kan ikke lese kontaktene: " + dm.ContactQuery.lastError());
        // A contact or company that is not there is an error, not an empty file.
        if (dm.ContactQuery.isEmpty() && AdminFlag("contact"))
            return fail(QStringLiteral("Finner ingen kontakt med id %1; ingen fil skrevet").arg(id));
        if (dm.ContactQuery.isEmpty() && AdminFlag("company"))
            return fail(QStringLiteral("Finner ingen kontakter i firma %1; ingen fil skrevet").arg(id));
        const VCardExportResult r = ExportVCardFile(dm.ContactQuery, file);
        if (!r.error.isEmpty()) return fail(r.error);
        out() << r.written << " kontakter skrevet til " << file << "\n";
        return 0;
    }
    if (w[1] == "import") {
        const VCardImportResult r = ImportVCardFile(dm, file, AdminFlag("create-companies"));
        if (!r.error.isEmpty()) return fail(r.error);
        out() << r.imported << " kontakter lest fra " << file;
        if (r.companiesCreated) out() << ", " << r.companiesCreated << " nye firmaer";
        if (r.shortened) out() << ", " << r.shortened << " verdier kortet til kolonnens lengde";
        out() << "\n";
        return 0;
    }
    return fail(usage);
}

int AdminFormatCommand(const QStringList& args)
{
    const QStringList w = words(args);
    const QString usage = "Bruk: kvarnel-admin format phones|names companies|contacts [--dry-run]\n"
                          "       [--add47 | --rm47] [--update-city] [--upper-city]";
    if (w.size() < 3 || !QStringList{"phones", "names"}.contains(w[1]) || !QStringList{"companies", "contacts"}.contains(w[2]))
        return fail(usage);
    FormatRules rules;
    if (w[1] == "phones") rules.fmtPhone = true;
    else rules.fmtName = true;
    rules.add47 = AdminFlag("add47");
    rules.rm47 = AdminFlag("rm47") && !rules.add47;
    rules.updateCity = AdminFlag("update-city");
    rules.upperCity = AdminFlag("upper-city");
    const bool dry = AdminFlag("dry-run");
    TDatabaseModule dm;
    if (const QString e = AdminConnectModule(args, dm); !e.isEmpty()) return fail(e);
    // A new install used only from here gets the first postal register as
    // the program's first start would give it.
    if (rules.updateCity) InstallFirstPostRegister();
    const bool companies = w[2] == "companies";
    Dataset& ds = companies ? dm.CompanyTable : dm.ContactQuery;
    if (companies) {
        if (!ds.open()) return fail("Kan ikke lese firmaene: " + ds.lastError());
    } else {
        Contact_WHERE.clear();
        dm.ContactSQLSelect();
        if (!ds.isOpen()) return fail("Kan ikke lese kontaktene: " + ds.lastError());
    }
    const FormatResult r = FormatDataset(ds, companies ? FormatTarget::Companies : FormatTarget::Contacts, rules, dry);
    for (const FormatChange& c : r.changes) {
        QJsonObject o{{"id", c.id}, {"field", c.field}, {"before", c.before}, {"after", c.after}};
        out() << QJsonDocument(o).toJson(QJsonDocument::Compact) << "\n";
    }
    if (r.noRegister) QTextStream(stderr) << "Postregisteret mangler; poststedene er ikke endret\n";
    if (!r.error.isEmpty()) return fail(r.error);
    QTextStream(stderr) << r.rows << " rader gjennomgått, " << r.changedRows << (dry ? " ville blitt endret\n" : " endret\n");
    return 0;
}

int AdminMailCommand(const QStringList& args)
{
    const QStringList w = words(args);
    if (w.size() < 2 || w[1] != "send" || option(args, "--to").isEmpty())
        return fail("Bruk: kvarnel-admin mail send --to ADRESSE --subject TEKST [--body TEKST] [--attach FIL] [--login BRUKER]");
    OpenSettingsStore();
    if (const QString login = option(args, "--login"); !login.isEmpty()) MyLoginUsername = login;
    const MailSetup setup = ReadMailSetup();
    MailMessage m;
    m.from = {setup.senderName, setup.senderAddress};
    QString error;
    if (!ParseAddressList(option(args, "--to"), m.to, &error)) return fail(error);
    m.subject = option(args, "--subject");
    m.body = option(args, "--body");
    if (const QString path = option(args, "--attach"); !path.isEmpty()) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return fail("Kan ikke lese vedlegget " + path);
        m.attachments << MailAttachment{QFileInfo(path).fileName(), f.readAll(), {}};
    }
    const SmtpResult r = SmtpSend(setup.smtp, m);
    if (!r.ok) return fail("Sending mislyktes: " + r.error);
    out() << "Melding sendt til " << option(args, "--to") << "\n";
    return 0;
}

int AdminDownloadCommand(const QStringList& args)
{
    const QStringList w = words(args);
    if (w.size() < 3) return fail("Bruk: kvarnel-admin download URL FIL");
    const DownloadResult r = HttpDownload(w[1], w[2], printedProgress());
    if (!r.ok) return fail(r.error + " (filen " + w[2] + " er ikke endret)");
    out() << r.bytes << " byte lastet ned til " << w[2] << "\n";
    return 0;
}

int AdminPostalCommand(const QStringList& args)
{
    const QStringList w = words(args);
    if (w.size() < 2 || w[1] != "download") return fail("Bruk: kvarnel-admin postal download [URL]");
    OpenSettingsStore();
    const QString url = w.size() > 2 ? w[2] : PostRegisterURL();
    const DownloadResult r = DownloadPostRegister(url, printedProgress());
    if (!r.ok) return fail(r.error + " (postregisteret er ikke endret)");
    out() << "Postregisteret er lastet ned til " << PostRegisterPath() << "\n";
    return 0;
}
