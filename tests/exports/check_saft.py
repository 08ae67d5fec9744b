#!/usr/bin/python3
"""Reads a Norwegian SAF-T Financial file (version 1.30) with lxml, in a
stream (a large file is never held whole), and checks it: the mandatory
elements of the header, master files and transactions, their order, the
references between them (accounts, customers, suppliers, tax codes), and
every sum to the øre: each transaction balanced, the totals, and every
account's, customer's and supplier's closing balance equal to its opening
balance plus its lines.

Usage: check_saft.py FILE
Prints a JSON summary on success (exit 0); prints the faults found (the
first 50) and exits 1 otherwise.
"""
import json
import re
import sys
from decimal import Decimal

from lxml import etree

NS = "urn:StandardAuditFile-Taxation-Financial:NO"
Q = "{%s}" % NS

HEADER_ORDER = ["AuditFileVersion", "AuditFileCountry", "AuditFileRegion", "AuditFileDateCreated",
                "SoftwareCompanyName", "SoftwareID", "SoftwareVersion", "Company", "DefaultCurrencyCode",
                "SelectionCriteria", "HeaderComment", "TaxAccountingBasis", "TaxEntity", "UserID", "AuditFileSender"]
COMPANY_ORDER = ["RegistrationNumber", "Name", "Address", "Contact", "TaxRegistration", "BankAccount"]
ADDRESS_ORDER = ["StreetName", "Number", "AdditionalAddressDetail", "Building", "City", "PostalCode", "Region",
                 "Country", "AddressType"]
CONTACT_ORDER = ["ContactPerson", "Telephone", "Fax", "Email", "Website", "MobilePhone"]
PERSON_ORDER = ["Title", "FirstName", "Initials", "LastNamePrefix", "LastName", "BirthName", "Salutation",
                "OtherTitles"]
SELECTION_ORDER = ["TaxReportingJurisdiction", "CompanyEntity", "SelectionStartDate", "SelectionEndDate",
                   "PeriodStart", "PeriodStartYear", "PeriodEnd", "PeriodEndYear", "DocumentType", "OtherCriteria"]
ACCOUNT_ORDER = ["AccountID", "AccountDescription", "StandardAccountID", "GroupingCategory", "GroupingCode",
                 "AccountType", "AccountCreationDate", "OpeningDebitBalance", "OpeningCreditBalance",
                 "ClosingDebitBalance", "ClosingCreditBalance"]
PARTY_ORDER = COMPANY_ORDER + ["CustomerID", "SupplierID", "SelfBillingIndicator", "AccountID",
                               "OpeningDebitBalance", "OpeningCreditBalance", "ClosingDebitBalance",
                               "ClosingCreditBalance", "PartyInfo"]
TAXCODE_ORDER = ["TaxCode", "EffectiveDate", "ExpirationDate", "Description", "TaxPercentage", "FlatTaxRate",
                 "Country", "Region", "StandardTaxCode", "Compensation", "BaseRate"]
TRANSACTION_ORDER = ["TransactionID", "Period", "PeriodYear", "TransactionDate", "SourceID", "TransactionType",
                     "Description", "BatchID", "SystemEntryDate", "GLPostingDate", "CustomerID", "SupplierID",
                     "SystemID", "Line"]
LINE_ORDER = ["RecordID", "AccountID", "Analysis", "ValueDate", "SourceDocumentID", "CustomerID", "SupplierID",
              "Description", "DebitAmount", "CreditAmount", "TaxInformation", "ReferenceNumber", "CID", "DueDate",
              "Quantity", "CrossReference", "SystemEntryTime", "OwnerID"]
TAXINFO_ORDER = ["TaxType", "TaxCode", "TaxPercentage", "Country", "TaxBase", "TaxBaseDescription", "TaxAmount",
                 "TaxExemptionReason", "TaxDeclarationPeriod"]
# The Norwegian standard VAT codes.
STANDARD_TAX_CODES = {0, 1, 3, 5, 6, 7, 11, 12, 13, 14, 15, 20, 21, 22, 31, 32, 33, 51, 52, 81, 82, 83, 84, 85,
                      86, 87, 88, 89, 91, 92}

faults = []


def fault(msg):
    if len(faults) < 50:
        faults.append(msg)


def local(el):
    return etree.QName(el).localname


def check_order(parent, order, what):
    pos = -1
    for child in parent:
        if not isinstance(child.tag, str):
            continue
        name = local(child)
        if name not in order:
            fault(f"{what}: element {name} is not allowed here")
            continue
        i = order.index(name)
        if i < pos:
            fault(f"{what}: element {name} is out of order")
        pos = max(pos, i)


def text(el, path, required=True, what=""):
    found = el.find(path.replace("/", "/" + Q).join([Q, ""]) if "/" in path else Q + path)
    if found is None or found.text is None or not found.text.strip():
        if required:
            fault(f"{what or local(el)}: missing {path}")
        return None
    return found.text.strip()


def money(t, what):
    if t is None or not re.fullmatch(r"-?\d+\.\d{2}", t):
        fault(f"{what}: '{t}' is not an amount with two decimals")
        return Decimal(0)
    return Decimal(t)


def org_valid(number):
    if not re.fullmatch(r"\d{9}", number or ""):
        return False
    s = sum(int(d) * w for d, w in zip(number[:8], [3, 2, 7, 6, 5, 4, 3, 2]))
    c = 11 - s % 11
    c = 0 if c == 11 else c
    return c != 10 and c == int(number[8])


def balance(el, kind, what):
    """Signed balance (debit positive) of Opening or Closing; exactly one of
    debit and credit must be there."""
    d = el.find(Q + kind + "DebitBalance")
    c = el.find(Q + kind + "CreditBalance")
    if (d is None) == (c is None):
        fault(f"{what}: needs exactly one of {kind}DebitBalance and {kind}CreditBalance")
        return Decimal(0)
    if d is not None:
        return money(d.text, what)
    v = money(c.text, what)
    return -v


def check_address(parent, what):
    for addr in parent.findall(Q + "Address"):
        check_order(addr, ADDRESS_ORDER, what + " address")
        text(addr, "City", what=what)
        text(addr, "PostalCode", what=what)


def check_contact(parent, what):
    for contact in parent.findall(Q + "Contact"):
        check_order(contact, CONTACT_ORDER, what + " contact")
        person = contact.find(Q + "ContactPerson")
        if person is None:
            fault(f"{what}: Contact needs ContactPerson")
            continue
        check_order(person, PERSON_ORDER, what + " contact person")
        text(person, "FirstName", what=what)
        text(person, "LastName", what=what)


def main():
    header = None
    accounts = {}
    customers = {}
    suppliers = {}
    tax_codes = {}
    account_moves = {}
    customer_moves = {}
    supplier_moves = {}
    count = 0
    total_debit = Decimal(0)
    total_credit = Decimal(0)
    declared = {}
    start = end = None
    used_codes = set()
    transaction_ids = set()

    for event, el in etree.iterparse(sys.argv[1], events=("end",), huge_tree=True):
        name = local(el)
        if el.getparent() is None:
            if name != "AuditFile" or etree.QName(el).namespace != NS:
                fault(f"root {el.tag} is not a SAF-T Financial AuditFile")
            check_order(el, ["Header", "MasterFiles", "GeneralLedgerEntries", "SourceDocuments"], "audit file")
            continue
        if name == "Header" and local(el.getparent()) == "AuditFile":
            header = el
            check_order(el, HEADER_ORDER, "header")
            if text(el, "AuditFileVersion") != "1.30":
                fault("AuditFileVersion is not 1.30")
            if text(el, "AuditFileCountry") != "NO":
                fault("AuditFileCountry is not NO")
            for t in ("AuditFileDateCreated", "SoftwareCompanyName", "SoftwareID", "SoftwareVersion",
                      "DefaultCurrencyCode", "TaxAccountingBasis"):
                text(el, t)
            company = el.find(Q + "Company")
            if company is None:
                fault("header: Company is mandatory")
            else:
                check_order(company, COMPANY_ORDER, "company")
                if not org_valid(text(company, "RegistrationNumber")):
                    fault("company: RegistrationNumber is not a valid organisation number")
                text(company, "Name")
                if company.find(Q + "Address") is None:
                    fault("company: Address is mandatory")
                if company.find(Q + "Contact") is None:
                    fault("company: Contact is mandatory")
                check_address(company, "company")
                check_contact(company, "company")
                for tr in company.findall(Q + "TaxRegistration"):
                    if not re.fullmatch(r"\d{9}MVA", text(tr, "TaxRegistrationNumber") or ""):
                        fault("company: TaxRegistrationNumber is not nine digits and MVA")
            sel = el.find(Q + "SelectionCriteria")
            if sel is None:
                fault("header: SelectionCriteria")
            else:
                check_order(sel, SELECTION_ORDER, "selection")
                start = text(sel, "SelectionStartDate")
                end = text(sel, "SelectionEndDate")
            continue
        if name == "Account" and local(el.getparent()) == "GeneralLedgerAccounts":
            check_order(el, ACCOUNT_ORDER, "account")
            aid = text(el, "AccountID")
            if aid in accounts:
                fault(f"account {aid} listed twice")
            text(el, "AccountDescription", what=f"account {aid}")
            if text(el, "AccountType", what=f"account {aid}") != "GL":
                fault(f"account {aid}: AccountType")
            std = text(el, "StandardAccountID", required=False)
            if std is not None and not re.fullmatch(r"\d{2}|\d{4}", std):
                fault(f"account {aid}: StandardAccountID {std}")
            accounts[aid] = (balance(el, "Opening", f"account {aid}"), balance(el, "Closing", f"account {aid}"))
            el.clear()
            continue
        if name in ("Customer", "Supplier") and local(el.getparent()) in ("Customers", "Suppliers"):
            check_order(el, PARTY_ORDER, name)
            pid = text(el, name + "ID")
            reg = text(el, "RegistrationNumber", required=False)
            if reg is not None and not org_valid(reg):
                fault(f"{name} {pid}: RegistrationNumber {reg}")
            text(el, "Name", what=f"{name} {pid}")
            if el.find(Q + "Address") is None:
                fault(f"{name} {pid}: Address")
            check_address(el, f"{name} {pid}")
            check_contact(el, f"{name} {pid}")
            table = customers if name == "Customer" else suppliers
            if pid in table:
                fault(f"{name} {pid} listed twice")
            table[pid] = (balance(el, "Opening", f"{name} {pid}"), balance(el, "Closing", f"{name} {pid}"),
                          text(el, "AccountID", required=False))
            el.clear()
            continue
        if name == "TaxCodeDetails":
            check_order(el, TAXCODE_ORDER, "tax code")
            code = text(el, "TaxCode")
            std = text(el, "StandardTaxCode")
            text(el, "Description", what=f"tax code {code}")
            text(el, "BaseRate", what=f"tax code {code}")
            if std is None or int(std) not in STANDARD_TAX_CODES:
                fault(f"tax code {code}: StandardTaxCode {std} is not a Norwegian standard code")
            tax_codes[code] = (std, text(el, "TaxPercentage"))
            continue
        if name in ("NumberOfEntries", "TotalDebit", "TotalCredit") and local(el.getparent()) == "GeneralLedgerEntries":
            declared[name] = el.text.strip()
            continue
        if name == "Transaction":
            check_order(el, TRANSACTION_ORDER, "transaction")
            tid = text(el, "TransactionID")
            if tid in transaction_ids:
                fault(f"transaction {tid} twice")
            transaction_ids.add(tid)
            date = text(el, "TransactionDate", what=f"transaction {tid}")
            for t in ("Description", "SystemEntryDate", "GLPostingDate"):
                text(el, t, what=f"transaction {tid}")
            period = text(el, "Period", what=f"transaction {tid}")
            year = text(el, "PeriodYear", what=f"transaction {tid}")
            if date and (int(date[5:7]) != int(period or 0) or date[:4] != year):
                fault(f"transaction {tid}: period {period}/{year} is not that of {date}")
            if date and start and end and not (start <= date <= end):
                fault(f"transaction {tid}: dated {date}, outside {start}..{end}")
            lines = el.findall(Q + "Line")
            if len(lines) < 2:
                fault(f"transaction {tid}: fewer than two lines")
            tdebit = Decimal(0)
            tcredit = Decimal(0)
            for ln in lines:
                check_order(ln, LINE_ORDER, f"transaction {tid} line")
                aid = text(ln, "AccountID", what=f"transaction {tid}")
                text(ln, "Description", what=f"transaction {tid}")
                d = ln.find(Q + "DebitAmount")
                c = ln.find(Q + "CreditAmount")
                if (d is None) == (c is None):
                    fault(f"transaction {tid}: a line needs exactly one of DebitAmount and CreditAmount")
                    continue
                amt = money(text(d if d is not None else c, "Amount"), f"transaction {tid}")
                if amt < 0:
                    fault(f"transaction {tid}: negative amount")
                signed = amt if d is not None else -amt
                if d is not None:
                    tdebit += amt
                else:
                    tcredit += amt
                account_moves[aid] = account_moves.get(aid, Decimal(0)) + signed
                cid = text(ln, "CustomerID", required=False)
                sid = text(ln, "SupplierID", required=False)
                if cid is not None:
                    customer_moves[cid] = customer_moves.get(cid, Decimal(0)) + signed
                if sid is not None:
                    supplier_moves[sid] = supplier_moves.get(sid, Decimal(0)) + signed
                for ti in ln.findall(Q + "TaxInformation"):
                    check_order(ti, TAXINFO_ORDER, f"transaction {tid} tax")
                    if text(ti, "TaxType") != "MVA":
                        fault(f"transaction {tid}: TaxType")
                    code = text(ti, "TaxCode")
                    used_codes.add(code)
                    base = money(text(ti, "TaxBase"), f"transaction {tid} tax base")
                    money(text(ti, "TaxAmount/Amount"), f"transaction {tid} tax amount")
                    if base != amt:
                        fault(f"transaction {tid}: tax base {base} is not the line's amount {amt}")
            if tdebit != tcredit:
                fault(f"transaction {tid}: debit {tdebit} and credit {tcredit} differ")
            total_debit += tdebit
            total_credit += tcredit
            count += 1
            el.clear()
            while el.getprevious() is not None:
                del el.getparent()[0]
            continue

    if header is None:
        fault("no Header")
    if str(count) != declared.get("NumberOfEntries"):
        fault(f"NumberOfEntries {declared.get('NumberOfEntries')}, transactions {count}")
    if money(declared.get("TotalDebit"), "TotalDebit") != total_debit:
        fault(f"TotalDebit {declared.get('TotalDebit')} is not the lines' {total_debit}")
    if money(declared.get("TotalCredit"), "TotalCredit") != total_credit:
        fault(f"TotalCredit {declared.get('TotalCredit')} is not the lines' {total_credit}")
    for aid, move in account_moves.items():
        if aid not in accounts:
            fault(f"account {aid} used in a transaction but not in the chart")
    for aid, (opening, closing) in accounts.items():
        if closing - opening != account_moves.get(aid, Decimal(0)):
            fault(f"account {aid}: closing {closing} is not opening {opening} plus the lines "
                  f"{account_moves.get(aid, Decimal(0))}")
    if sum(o for o, _ in accounts.values()) != 0 or sum(c for _, c in accounts.values()) != 0:
        fault("the opening or closing balances of the chart do not add up to zero")
    for kind, table, moves in (("customer", customers, customer_moves), ("supplier", suppliers, supplier_moves)):
        for pid in moves:
            if pid not in table:
                fault(f"{kind} {pid} used in a transaction but not listed")
        for pid, (opening, closing, _) in table.items():
            if closing - opening != moves.get(pid, Decimal(0)):
                fault(f"{kind} {pid}: closing {closing} is not opening {opening} plus the lines")
    for code in used_codes:
        if code not in tax_codes:
            fault(f"tax code {code} used but not in the tax table")

    if faults:
        for f in faults:
            print(f)
        sys.exit(1)
    print(json.dumps({
        "transactions": count, "totalDebit": str(total_debit), "totalCredit": str(total_credit),
        "start": start, "end": end,
        "accounts": {a: [str(o), str(c)] for a, (o, c) in accounts.items()},
        "customers": {p: [str(o), str(c), acc] for p, (o, c, acc) in customers.items()},
        "suppliers": {p: [str(o), str(c), acc] for p, (o, c, acc) in suppliers.items()},
        "taxCodes": {c: list(v) for c, v in tax_codes.items()},
    }, ensure_ascii=False))


if __name__ == "__main__":
    main()
