#include "assets/assetrules.h"

#include "data/connection.h"

namespace Assets {

const QStringList& TypeNames()
{
    static const QStringList l = {
        QStringLiteral("- ikke spesifisert -"),    QStringLiteral("Duppeditt"),
        QStringLiteral("Bærbart / Håndverktøy"),   QStringLiteral("Flyttbar maskin"),
        QStringLiteral("Kjøretøy / anleggsmaskin"), QStringLiteral("Stasjonært utstyr"),
        QStringLiteral("Fastmontert utstyr"),      QStringLiteral("Installerte systemer"),
        QStringLiteral("Lokale / Rigg"),           QStringLiteral("Bygning"),
        QStringLiteral("Eiendom")};
    return l;
}

const QStringList& TypeFilterNames()
{
    static const QStringList l = {
        QStringLiteral("Ikke spesifisert"),        QStringLiteral("Duppeditt"),
        QStringLiteral("Bærbart / Håndverktøy"),   QStringLiteral("Flyttbar maskin"),
        QStringLiteral("Kjøretøy / Anleggsmaskin"), QStringLiteral("Stasjonært utstyr"),
        QStringLiteral("Fastmontert utstyr"),      QStringLiteral("Installerte systemer"),
        QStringLiteral("Lokale / Rigg"),           QStringLiteral("Bygning"),
        QStringLiteral("Eiendom")};
    return l;
}

const QStringList& StatusNames()
{
    static const QStringList l = {
        QStringLiteral("Ny, ikke brukt"), QStringLiteral("Reservert"),        QStringLiteral("Klar til bruk"),
        QStringLiteral("Reserve"),        QStringLiteral("I drift"),          QStringLiteral("Utlånt"),
        QStringLiteral("Ute av drift"),   QStringLiteral("Inne på service"),  QStringLiteral("Under reperasjon"),
        QStringLiteral("Defekt"),         QStringLiteral("Skrotet")};
    return l;
}

const QStringList& StatusFilterNames()
{
    static const QStringList l = {
        QStringLiteral("Ny, ikke brukt"), QStringLiteral("Reservert"),        QStringLiteral("Klar til bruk"),
        QStringLiteral("Reserve"),        QStringLiteral("I drift"),          QStringLiteral("På utlån"),
        QStringLiteral("Ute av drift"),   QStringLiteral("Inne på service"),  QStringLiteral("Under reperasjon"),
        QStringLiteral("Defekt"),         QStringLiteral("Skrotet")};
    return l;
}

const QStringList& PriorityNames()
{
    static const QStringList l = {QStringLiteral("Ingen prioritet"), QStringLiteral("Laveste"),
                                  QStringLiteral("Lav"),             QStringLiteral("Middels"),
                                  QStringLiteral("Høy"),             QStringLiteral("Høyeste")};
    return l;
}

const QStringList& PriorityFilterNames()
{
    static const QStringList l = {QStringLiteral("Ingen"),   QStringLiteral("Laveste"), QStringLiteral("Lav"),
                                  QStringLiteral("Middels"), QStringLiteral("Høy"),     QStringLiteral("Høyeste")};
    return l;
}

const QStringList& SearchFields()
{
    static const QStringList l = {QStringLiteral("assetname"), QStringLiteral("model"),
                                  QStringLiteral("assetnumber"), QStringLiteral("serial"),
                                  QStringLiteral("uniqueid"), QStringLiteral("object_text"),
                                  QStringLiteral("sparepart"), QStringLiteral("location")};
    return l;
}

const std::vector<FilterItem>& FilterItems()
{
    static const std::vector<FilterItem> items = [] {
        std::vector<FilterItem> v;
        v.push_back({QString(), QStringLiteral("Utstyr med Serviceavtale"), QStringLiteral("service=1")});
        const QString types = QStringLiteral("Utstyrstype");
        for (int i = 0; i < TypeFilterNames().size(); ++i)
            v.push_back({types, TypeFilterNames().at(i), QStringLiteral("assettype=%1").arg(i)});
        const QString status = QStringLiteral("Status");
        v.push_back({status, QStringLiteral("Tilgjengelig utstyr"),
                     QStringLiteral("status<%1").arg(FirstUnavailableStatus)});
        for (int i = 0; i < StatusFilterNames().size(); ++i)
            v.push_back({status, StatusFilterNames().at(i), QStringLiteral("status=%1").arg(i)});
        const QString prio = QStringLiteral("Prioritering");
        for (int i = 0; i < PriorityFilterNames().size(); ++i)
            v.push_back({prio, PriorityFilterNames().at(i), QStringLiteral("priority=%1").arg(i)});
        return v;
    }();
    return items;
}

QString DropFieldAt(DropKind kind, int x)
{
    switch (kind) {
    case DropKind::Order:
        if (x >= 0 && x <= 100) return QStringLiteral("assetnumber");
        if (x >= 101 && x <= 400) return QStringLiteral("assetname");
        if (x >= 401 && x <= 650) return QStringLiteral("model");
        if (x >= 651 && x <= 850) return QStringLiteral("location");
        return QString();
    case DropKind::Where:
        if (x >= 401 && x <= 650) return QStringLiteral("model");
        if (x >= 651 && x <= 851) return QStringLiteral("location");
        return QString();
    case DropKind::All:
        return QString();
    }
    return QString();
}

DropEffect DropEffectForField(DropKind kind, const QString& field, const DropRow& row)
{
    switch (kind) {
    case DropKind::All:
        return {DropEffect::Filter, QString()};
    case DropKind::Order:
        if (field == QLatin1String("assetnumber") || field == QLatin1String("assetname") ||
            field == QLatin1String("model") || field == QLatin1String("location"))
            return {DropEffect::Sort, field};
        return {};
    case DropKind::Where: {
        if (!row.present) return {};
        if (field == QLatin1String("model")) return {DropEffect::Filter, QStringLiteral("model=") + SqlQuote(row.model)};
        if (field == QLatin1String("location"))
            return {DropEffect::Filter, QStringLiteral("location=") + SqlQuote(row.location)};
        return {};
    }
    }
    return {};
}

DropEffect DropEffectAt(DropKind kind, int x, const DropRow& row)
{
    if (kind == DropKind::All) return DropEffectForField(kind, QString(), row);
    return DropEffectForField(kind, DropFieldAt(kind, x), row);
}

}  // namespace Assets
