#pragma once
// The company list (TCompanyListForm, "Firmaer"): every company of the
// shared company dataset, coloured by role, filtered by role or by free
// text, with jumps from the current company to its contacts, documents,
// time registrations, stock transactions, offers, orders, purchases and
// invoices.
#include "ui/listform.h"

class TCompanyListForm : public TListForm {
    Q_OBJECT
public:
    explicit TCompanyListForm(QWidget* parent = nullptr);

    // The font colour of a row: partner green, equipment supplier blue,
    // blacklisted red, each later one winning; invalid for none.
    static QColor CompanyRowColor(const Dataset& ds, int row);

    QAction *Kunder1, *Leverandorer1, *Utstyrleverandorer1, *Partner1, *Svartelistet1;
    QAction *Kontakter1, *Dokumenter1, *Timeregistreringer1, *Varetransaksjoner1, *Tilbud1, *Ordrer1, *Innkjop1,
        *Fakturaer1;
    QMenu* Avansert1;
    QAction* FormaterFirmaer1;

    void Kontakter1Click();
    void Dokumenter1Click();
    void Timeregistreringer1Click();
    void Varetransaksjoner1Click();

protected:
    void changeEvent(QEvent* e) override;

private:
    qint64 currentCompany() const;
};
