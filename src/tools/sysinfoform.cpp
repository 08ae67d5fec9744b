#include "tools/sysinfoform.h"

#include "core/dialogs.h"
#include "core/felles.h"
#include "core/platform.h"
#include "core/platformlookup.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "core/xmldata.h"
#include "print/utskrift.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileSystemWatcher>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include <mysql.h>

namespace {
const char* const kInitVersion = "5.36";
const char* const kBuildNr = "519";
const char* const kBuildDate = "30.10.2011";
const char* const kProductVersion = "Kvarnel SQL 6.00";
const char* const kProductPage = "https://www.trelvo.no/";
const char* const kReportVersion = "Kvarnel utskrift 6.00";
const char* const kReportDate = "11.10.2011";

QFileSystemWatcher* watcher()
{
    static QFileSystemWatcher* w = [] {
        auto* fw = new QFileSystemWatcher(qApp);
        QObject::connect(fw, &QFileSystemWatcher::fileChanged, fw, [fw](const QString& path) {
            ReloadSettingsFile(path);
            // Editors that save by replacing the file end the watch; renew it.
            if (QFile::exists(path) && !fw->files().contains(path))
                fw->addPath(path);
        });
        return fw;
    }();
    return w;
}
} // namespace

bool ReloadSettingsFile(const QString& path)
{
    bool done = false;
    if (path == InifilNavn) {
        MainIniSection s(QStringLiteral("STANDARD"));
        done = CurrentIni().load();
    } else if (path == UserIniFileName()) {
        UserIniScope u;
        done = CurrentIni().load();
    } else {
        return false;
    }
    LogLine((done ? QStringLiteral("HINT: innstillingsfilen er endret utenfor programmet og lest inn på nytt: ")
                  : QStringLiteral("ADVARSEL: kan ikke lese innstillingsfilen på nytt: ")) +
            path);
    return done;
}

void WatchSettingsFile(const QString& path)
{
    if (!watcher()->files().contains(path))
        watcher()->addPath(path);
}

bool ReadMemoryInfo(const QString& text, qint64& totalKb, int& loadPercent)
{
    qint64 total = -1, available = -1;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QStringList parts = line.simplified().split(QLatin1Char(' '));
        if (parts.size() < 2)
            continue;
        bool ok = false;
        const qint64 v = parts[1].toLongLong(&ok);
        if (!ok)
            continue;
        if (parts[0] == QLatin1String("MemTotal:"))
            total = v;
        else if (parts[0] == QLatin1String("MemAvailable:"))
            available = v;
    }
    if (total <= 0 || available < 0 || available > total)
        return false;
    totalKb = total;
    loadPercent = int((total - available) * 100 / total);
    return true;
}

TSysInfoForm::TSysInfoForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SysInfoForm"));
    setWindowTitle(QStringLiteral("Trelvo systeminformasjon"));
    open = [](const QString& file) { return StartProg(file); };
    auto* v = new QVBoxLayout(this);
    Pages = new QTabWidget;
    v->addWidget(Pages, 1);
    auto* bottom = new QHBoxLayout;
    Picture = new QLabel;
    Picture->setPixmap(QApplication::style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(32, 32));
    Picture->setToolTip(QStringLiteral("Dobbelklikk for å lage et ikon på skrivebordet"));
    Picture->installEventFilter(this);
    ProgramLabel = new QLabel;
    QFont f = ProgramLabel->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    ProgramLabel->setFont(f);
    ProgramLabel->installEventFilter(this);
    auto* close = new QPushButton(QStringLiteral("Lukk"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    bottom->addWidget(Picture);
    bottom->addWidget(ProgramLabel, 1);
    bottom->addWidget(close);
    v->addLayout(bottom);
    // Not modal: the print preview it opens must take clicks while it is up.
    resize(600, 420);
}

QLabel* TSysInfoForm::row(const QString& name, const QString& text, std::function<void()> click)
{
    auto* l = new QLabel;
    l->setObjectName(name);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse);
    l->setWordWrap(true);
    if (click) {
        l->setText(QStringLiteral("<a href=\"x\">") + text.toHtmlEscaped() + QStringLiteral("</a>"));
        l->setToolTip(QStringLiteral("Klikk for å åpne"));
        connect(l, &QLabel::linkActivated, this, [click] { click(); });
    } else {
        l->setText(text.toHtmlEscaped());
    }
    l->setProperty("plain", text);
    rows_[name] = {l, click};
    return l;
}

QWidget* TSysInfoForm::page(const QString& caption, const std::vector<std::pair<QString, QLabel*>>& rows)
{
    auto* w = new QWidget;
    auto* g = new QGridLayout(w);
    int r = 0;
    for (const auto& [label, value] : rows) {
        g->addWidget(new QLabel(label), r, 0, Qt::AlignTop);
        g->addWidget(value, r++, 1);
    }
    g->setColumnStretch(1, 1);
    g->setRowStretch(r, 1);
    Pages->addTab(w, caption);
    return w;
}

QLabel* TSysInfoForm::value(const QString& name) const
{
    const auto it = rows_.find(name);
    return it == rows_.end() ? nullptr : it->second.first;
}

void TSysInfoForm::Click(const QString& name)
{
    const auto it = rows_.find(name);
    if (it != rows_.end() && it->second.second)
        it->second.second();
}

void TSysInfoForm::openSettingsFile(const QString& path)
{
    // What the program holds goes to the file first, and what the editor
    // saves comes back into the program, so neither overwrites the other.
    if (!FlushSettings()) {
        CurrentDialogs()->ShowMessage(QStringLiteral("Kan ikke skrive innstillingene til ") + path +
                                          QStringLiteral(".\nEndringer i filen kan bli overskrevet når programmet avsluttes."),
                                      QStringLiteral("Feil"));
        return;
    }
    WatchSettingsFile(path);
    open(path);
}

void TSysInfoForm::Build()
{
    while (Pages->count()) {
        QWidget* w = Pages->widget(0);
        Pages->removeTab(0);
        delete w;
    }
    rows_.clear();

    // Program.
    {
        const QStringList params = QCoreApplication::arguments().mid(1);
        auto* p = page(QStringLiteral("Program"),
                       {{QStringLiteral("Programnavn"), row(QStringLiteral("Programnavn"), ProgramFilePath())},
                        {QStringLiteral("Init versjon"), row(QStringLiteral("Initversjon"), QLatin1String(kInitVersion))},
                        {QStringLiteral("Build nr."), row(QStringLiteral("Buildnr"), QLatin1String(kBuildNr))},
                        {QStringLiteral("Build dato"), row(QStringLiteral("Builddato"), QLatin1String(kBuildDate))},
                        {QStringLiteral("XML versjon"),
                         row(QStringLiteral("XMLversjon"), XMLVersionName + QLatin1Char(' ') + XMLVersion)}});
        auto* g = static_cast<QGridLayout*>(p->layout());
        const int r = g->rowCount();
        g->setRowStretch(r - 1, 0);
        if (params.isEmpty()) {
            g->addWidget(row(QStringLiteral("Parametere"), QStringLiteral("Ingen parametere til programmet")), r, 0, 1, 2);
        } else {
            g->addWidget(new QLabel(QStringLiteral("Parameter:")), r, 0, Qt::AlignTop);
            auto* memo = new QPlainTextEdit(params.join(QLatin1Char('\n')));
            memo->setObjectName(QStringLiteral("ParameterMemo"));
            memo->setReadOnly(true);
            g->addWidget(memo, r, 1);
        }
        g->setRowStretch(r + 1, 1);
    }
    // Files and folders.
    {
        const QString mainIni = InifilNavn;
        const QString userIni = UserIniFileName();
        const QString data = TrelvoPath(QStringLiteral("data"));
        const QString base = TrelvoPath();
        page(QStringLiteral("Filer og mapper"),
             {{QStringLiteral("Inifil"), row(QStringLiteral("Inifil"), mainIni, [this, mainIni] { openSettingsFile(mainIni); })},
              {QStringLiteral("Inifil"), row(QStringLiteral("BrukerInifil"), userIni, [this, userIni] { openSettingsFile(userIni); })},
              {QStringLiteral("Loggfil:"), row(QStringLiteral("Loggfil"), LogFileName, [this] {
                   SaveLogFile();
                   open(LogFileName);
               })},
              {QStringLiteral("Datamappe:"), row(QStringLiteral("Datamappe"), data, [this, data] { open(data); })},
              {QStringLiteral("Programmappe:"), row(QStringLiteral("Programmappe"), base, [this, base] { open(base); })}});
    }
    // This machine.
    {
        qint64 total = 0;
        int load = 0;
        QFile f(QStringLiteral("/proc/meminfo"));
        const bool mem = f.open(QIODevice::ReadOnly) && ReadMemoryInfo(QString::fromLatin1(f.readAll()), total, load);
        const QString etc = WindowsEtcDir();
        const QString hosts = etc + QStringLiteral("/hosts");
        const QString resolv = etc + QStringLiteral("/resolv.conf");
        const QString app = AppDataFolder();
        const QString tmp = WindowsTempDir();
        page(QStringLiteral("System"),
             {{QStringLiteral("Minne tilgjengelig for systemet"),
               row(QStringLiteral("Minne"), mem ? NorNum(double(total), 0) + QStringLiteral(" KB") : QStringLiteral("ukjent"))},
              {QStringLiteral("Minne i bruk"),
               row(QStringLiteral("MinneIBruk"), mem ? QString::number(load) + QStringLiteral(" %") : QStringLiteral("ukjent"))},
              {QStringLiteral("Operativsystem"), row(QStringLiteral("Operativsystem"), WindowsVersjon())},
              {QStringLiteral("Maskin"), row(QStringLiteral("Maskin"), GetComputername() + QStringLiteral("  ") + GetIPAddress())},
              {QStringLiteral("Systemområde"), row(QStringLiteral("Systemomrade"), etc, [this, etc] { open(etc); })},
              {QStringLiteral("Hosts:"), row(QStringLiteral("Hosts"), hosts, [this, hosts] { open(hosts); })},
              {QStringLiteral("Navneoppslag:"), row(QStringLiteral("Resolv"), resolv, [this, resolv] { open(resolv); })},
              {QStringLiteral("Programdata"), row(QStringLiteral("Programdata"), app, [this, app] { open(app); })},
              {QStringLiteral("Midlertidige filer:"), row(QStringLiteral("Temp"), tmp, [this, tmp] { open(tmp); })}});
    }
    // The product.
    {
        const QString db = QStringLiteral("MySQL 5 / MariaDB, MariaDB Connector/C ") +
                           QString::fromLatin1(mysql_get_client_info());
        page(QStringLiteral("Kvarnel"),
             {{QStringLiteral("Versjon"), row(QStringLiteral("Versjon"), QLatin1String(kProductVersion),
                                              [] { OpenDatabaseValue(QLatin1String(kProductPage)); })},
              {QStringLiteral("Databaseversjon "), row(QStringLiteral("Databaseversjon"), db)}});
    }
    // The print engine.
    {
        auto preview = [] {
            PrintPreView = nopaint;
            PrinterTitle = QStringLiteral("Utskriftstest");
            ScreenPrint();
        };
        auto print = [] {
            PrintPreView = nopaint;
            PrinterTitle = QStringLiteral("Utskriftstest");
            LPTPrint();
        };
        page(QStringLiteral("Rapport"),
             {{QStringLiteral("Rapportgenerator"),
               row(QStringLiteral("Rapportgenerator"),
                   QLatin1String(kReportVersion) + QStringLiteral("  ") + QLatin1String(kReportDate), preview)},
              {QString(), row(QStringLiteral("Utskrift"), QStringLiteral("Utskrift"), print)},
              {QString(), row(QStringLiteral("Forhandsvisning"), QStringLiteral("forhåndsvisning"), preview)}});
    }
    // Desktop lock-down: nothing on Linux corresponds to hiding the task bar
    // or the start button, so the boxes only say so in the log.
    {
        SpecialPage = new QWidget;
        auto* v = new QVBoxLayout(SpecialPage);
        for (const char* caption : {"Ikke tillat systemtaster", "Skjul oppgavelinje", "Sperr oppgavelinje",
                                    "Sperr startknappen", "Skjul skrivebord", "Skjul systemstatusfelt"}) {
            auto* c = new QCheckBox(QString::fromUtf8(caption));
            connect(c, &QCheckBox::toggled, this, [caption](bool on) {
                LogLine(QStringLiteral("HINT: \"") + QString::fromUtf8(caption) + QStringLiteral("\" ") +
                        (on ? QStringLiteral("valgt") : QStringLiteral("valgt bort")) +
                        QStringLiteral(": Linux har ikke noe tilsvarende, ingenting er endret."));
            });
            v->addWidget(c);
        }
        v->addStretch(1);
        SpecialPage->setEnabled(false);
        Pages->addTab(SpecialPage, QStringLiteral("Spesial"));
    }
    ProgramLabel->setText(ProgramLabelName);
}

void TSysInfoForm::EnableSpecial()
{
    if (SpecialPage)
        SpecialPage->setEnabled(true);
}

void TSysInfoForm::showEvent(QShowEvent* e)
{
    Build();
    QDialog::showEvent(e);
}

bool TSysInfoForm::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonDblClick) {
        if (o == ProgramLabel) {
            EnableSpecial();
            return true;
        }
        if (o == Picture) {
            const QString file = LagSkrivebordIkon();
            if (!file.isEmpty())
                CurrentDialogs()->ShowMessage(QStringLiteral("Ikon laget på skrivebordet:\n") + file,
                                              QStringLiteral("Kvarnel"));
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}
