#include "admin_options.h"

#include <QCommandLineParser>

namespace {
QCommandLineParser& parser()
{
    static QCommandLineParser p;
    return p;
}
} // namespace

bool ParseAdminCommandLine(const QStringList& arguments, QString* error)
{
    QCommandLineParser& p = parser();
    // "--name value" as the usage text shows it; single-dash words are
    // not options, so "-5" stays a word.
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    p.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const char* withValue[] = {"host", "port", "socket", "user", "password", "database", "login",
                               "size", "pdf", "heading", "contact", "company", "to", "subject", "attach", "body",
                               "filter", "group", "mode", "fields", "warehouse", "section",
                               "raise-cost", "discount", "direct-cost", "freight", "add-percent", "add-sum",
                               "vat-code", "supplier", "option", "layout", "document", "from", "date"};
    const char* flags[] = {"remove", "replace", "demo", "yes", "no-prices", "cost", "no-zero",
                           "all", "create-companies", "dry-run", "add47", "rm47", "update-city", "upper-city",
                           "barcode", "ean", "double", "separator", "test", "force"};
    for (const char* name : withValue)
        p.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("verdi")));
    for (const char* name : flags) p.addOption(QCommandLineOption(QString::fromLatin1(name)));
    if (p.parse(arguments)) return true;
    if (error) {
        const QStringList unknown = p.unknownOptionNames();
        *error = !unknown.isEmpty() ? QStringLiteral("Ukjent valg: --") + unknown.join(QStringLiteral(", --"))
                                    : QStringLiteral("Et valg mangler verdien sin (") + p.errorText() +
                                          QLatin1Char(')');
    }
    return false;
}

QString AdminOption(const QString& name, const QString& def)
{
    return parser().isSet(name) ? parser().value(name) : def;
}

bool AdminFlag(const QString& name) { return parser().isSet(name); }

QStringList AdminWords() { return parser().positionalArguments(); }
