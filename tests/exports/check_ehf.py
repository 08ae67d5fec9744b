#!/usr/bin/python3
"""Reads an EHF invoice or credit note (Peppol BIS Billing 3.0, UBL 2.1)
with lxml and checks it the way a receiving access point would: the
mandatory elements of the specification, the order of the elements where
UBL fixes it, the code lists used, and every sum to the øre.

Usage: check_ehf.py FILE [--pdf OUT]
Prints a JSON summary on success (exit 0); prints the faults found and
exits 1 otherwise. --pdf writes the embedded PDF attachment to OUT.
"""
import base64
import json
import re
import sys
from decimal import Decimal, ROUND_HALF_UP

from lxml import etree

NS = {
    "inv": "urn:oasis:names:specification:ubl:schema:xsd:Invoice-2",
    "cn": "urn:oasis:names:specification:ubl:schema:xsd:CreditNote-2",
    "cac": "urn:oasis:names:specification:ubl:schema:xsd:CommonAggregateComponents-2",
    "cbc": "urn:oasis:names:specification:ubl:schema:xsd:CommonBasicComponents-2",
}
CUSTOMIZATION = "urn:cen.eu:en16931:2017#compliant#urn:fdc:peppol.eu:2017:poacc:billing:3.0"
PROFILE = "urn:fdc:peppol.eu:2017:poacc:billing:01:1.0"

# The UBL 2.1 sequences of the document and of a line, as far as an EHF
# invoice uses them (elements not listed may not appear at all).
INVOICE_ORDER = [
    "UBLVersionID", "CustomizationID", "ProfileID", "ID", "IssueDate", "DueDate", "InvoiceTypeCode", "Note",
    "TaxPointDate", "DocumentCurrencyCode", "TaxCurrencyCode", "AccountingCost", "BuyerReference", "InvoicePeriod",
    "OrderReference", "BillingReference", "DespatchDocumentReference", "ReceiptDocumentReference",
    "OriginatorDocumentReference", "ContractDocumentReference", "AdditionalDocumentReference", "ProjectReference",
    "AccountingSupplierParty", "AccountingCustomerParty", "PayeeParty", "TaxRepresentativeParty", "Delivery",
    "PaymentMeans", "PaymentTerms", "AllowanceCharge", "TaxTotal", "LegalMonetaryTotal", "InvoiceLine",
]
CREDIT_ORDER = [
    "UBLVersionID", "CustomizationID", "ProfileID", "ID", "IssueDate", "TaxPointDate", "CreditNoteTypeCode", "Note",
    "DocumentCurrencyCode", "TaxCurrencyCode", "AccountingCost", "BuyerReference", "InvoicePeriod",
    "OrderReference", "BillingReference", "DespatchDocumentReference", "ReceiptDocumentReference",
    "ContractDocumentReference", "AdditionalDocumentReference", "OriginatorDocumentReference", "ProjectReference",
    "AccountingSupplierParty", "AccountingCustomerParty", "PayeeParty", "TaxRepresentativeParty", "Delivery",
    "PaymentMeans", "PaymentTerms", "AllowanceCharge", "TaxTotal", "LegalMonetaryTotal", "CreditNoteLine",
]
LINE_ORDER = ["ID", "Note", "InvoicedQuantity", "CreditedQuantity", "LineExtensionAmount", "AccountingCost",
              "InvoicePeriod", "OrderLineReference", "DocumentReference", "AllowanceCharge", "Item", "Price"]
PARTY_ORDER = ["EndpointID", "PartyIdentification", "PartyName", "PostalAddress", "PartyTaxScheme",
               "PartyLegalEntity", "Contact"]
ADDRESS_ORDER = ["StreetName", "AdditionalStreetName", "CityName", "PostalZone", "CountrySubentity", "AddressLine",
                 "Country"]
ITEM_ORDER = ["Description", "Name", "BuyersItemIdentification", "SellersItemIdentification",
              "StandardItemIdentification", "OriginCountry", "CommodityClassification", "ClassifiedTaxCategory",
              "AdditionalItemProperty"]
MONETARY_ORDER = ["LineExtensionAmount", "TaxExclusiveAmount", "TaxInclusiveAmount", "AllowanceTotalAmount",
                  "ChargeTotalAmount", "PrepaidAmount", "PayableRoundingAmount", "PayableAmount"]
PAYMENT_ORDER = ["PaymentMeansCode", "PaymentDueDate", "InstructionID", "PaymentID", "CardAccount",
                 "PayeeFinancialAccount", "PaymentMandate"]
CATEGORY_ORDER = ["ID", "Percent", "TaxExemptionReasonCode", "TaxExemptionReason", "TaxScheme"]

faults = []


def fault(msg):
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


def one(el, path):
    found = el.findall(path, NS)
    if len(found) != 1:
        fault(f"expected exactly one {path} under {local(el)}, found {len(found)}")
        return None
    return found[0]


def text(el, path, required=True):
    found = el.find(path, NS)
    if found is None or found.text is None or not found.text.strip():
        if required:
            fault(f"missing {path} under {local(el)}")
        return None
    return found.text.strip()


def amount(el, path, currency, required=True):
    found = el.find(path, NS)
    if found is None:
        if required:
            fault(f"missing amount {path}")
        return None
    if found.get("currencyID") != currency:
        fault(f"{path}: currencyID {found.get('currencyID')} is not the document currency {currency}")
    t = (found.text or "").strip()
    if not re.fullmatch(r"-?\d+(\.\d{1,2})?", t):
        fault(f"{path}: amount '{t}' is not a number with at most two decimals")
        return Decimal(0)
    return Decimal(t)


def org_valid(number):
    if not re.fullmatch(r"\d{9}", number or ""):
        return False
    s = sum(int(d) * w for d, w in zip(number[:8], [3, 2, 7, 6, 5, 4, 3, 2]))
    c = 11 - s % 11
    c = 0 if c == 11 else c
    return c != 10 and c == int(number[8])


def cents(x):
    return x.quantize(Decimal("0.01"), rounding=ROUND_HALF_UP)


def check_party(party, role, currency):
    check_order(party, PARTY_ORDER, role)
    ep = party.find("cbc:EndpointID", NS)
    if ep is None or not ep.get("schemeID"):
        fault(f"{role}: EndpointID with schemeID is mandatory")
    elif ep.get("schemeID") == "0192" and not org_valid(ep.text):
        fault(f"{role}: EndpointID {ep.text} is not a valid Norwegian organisation number")
    text(party, "cac:PartyLegalEntity/cbc:RegistrationName")
    addr = one(party, "cac:PostalAddress")
    if addr is not None:
        check_order(addr, ADDRESS_ORDER, role + " address")
        country = text(addr, "cac:Country/cbc:IdentificationCode")
        if country and not re.fullmatch(r"[A-Z]{2}", country):
            fault(f"{role}: country code {country}")
    legal_id = party.find("cac:PartyLegalEntity/cbc:CompanyID", NS)
    if legal_id is not None and legal_id.get("schemeID") == "0192" and not org_valid(legal_id.text):
        fault(f"{role}: legal CompanyID {legal_id.text} is not valid")
    return ep.text if ep is not None else None


def main():
    args = sys.argv[1:]
    pdf_out = None
    if "--pdf" in args:
        i = args.index("--pdf")
        pdf_out = args[i + 1]
        del args[i:i + 2]
    tree = etree.parse(args[0])
    root = tree.getroot()
    ns = etree.QName(root).namespace
    credit = local(root) == "CreditNote"
    if (credit and ns != NS["cn"]) or (not credit and (local(root) != "Invoice" or ns != NS["inv"])):
        fault(f"root element {root.tag} is neither a UBL Invoice nor CreditNote")
    check_order(root, CREDIT_ORDER if credit else INVOICE_ORDER, "document")

    if text(root, "cbc:CustomizationID") != CUSTOMIZATION:
        fault("CustomizationID is not Peppol BIS Billing 3.0")
    if text(root, "cbc:ProfileID") != PROFILE:
        fault("ProfileID is not the billing profile")
    number = text(root, "cbc:ID")
    issue = text(root, "cbc:IssueDate")
    type_code = text(root, "cbc:CreditNoteTypeCode" if credit else "cbc:InvoiceTypeCode")
    if type_code != ("381" if credit else "380"):
        fault(f"type code {type_code}")
    currency = text(root, "cbc:DocumentCurrencyCode")
    due = text(root, "cac:PaymentMeans/cbc:PaymentDueDate" if credit else "cbc:DueDate", required=False)
    for d in (issue, due):
        if d and not re.fullmatch(r"\d{4}-\d{2}-\d{2}", d):
            fault(f"date {d} is not YYYY-MM-DD")
    if due and issue and due < issue:
        fault("due date before issue date")
    if root.find("cbc:BuyerReference", NS) is None and root.find("cac:OrderReference/cbc:ID", NS) is None:
        fault("PEPPOL-EN16931-R003: a buyer reference or an order reference is mandatory")

    seller = one(root, "cac:AccountingSupplierParty/cac:Party")
    buyer = one(root, "cac:AccountingCustomerParty/cac:Party")
    seller_ep = check_party(seller, "seller", currency) if seller is not None else None
    buyer_ep = check_party(buyer, "buyer", currency) if buyer is not None else None
    seller_vat = None
    enterprise_register = False
    if seller is not None:
        for pts in seller.findall("cac:PartyTaxScheme", NS):
            scheme = text(pts, "cac:TaxScheme/cbc:ID")
            cid = text(pts, "cbc:CompanyID")
            if scheme == "VAT":
                seller_vat = cid
                if not re.fullmatch(r"NO\d{9}MVA", cid or ""):
                    fault(f"NO-R-001: seller VAT identifier {cid} is not NO + nine digits + MVA")
            elif scheme == "TAX":
                enterprise_register = cid == "Foretaksregisteret"
        if seller_vat is None and seller.find("cac:PartyLegalEntity/cbc:CompanyID", NS) is None:
            fault("BR-CO-26: the seller needs a VAT identifier or a legal registration identifier")

    # Payment means
    kid = None
    account = None
    pm = root.find("cac:PaymentMeans", NS)
    if pm is not None:
        check_order(pm, PAYMENT_ORDER, "payment means")
        code = text(pm, "cbc:PaymentMeansCode")
        if code not in ("30", "31", "42", "58"):
            fault(f"payment means code {code} is not a credit transfer")
        account = text(pm, "cac:PayeeFinancialAccount/cbc:ID")
        kid = text(pm, "cbc:PaymentID", required=False)

    # Attachment
    pdf_bytes = None
    for obj in root.findall("cac:AdditionalDocumentReference/cac:Attachment/cbc:EmbeddedDocumentBinaryObject", NS):
        if obj.get("mimeCode") != "application/pdf" or not obj.get("filename"):
            fault("attachment needs mimeCode application/pdf and a filename")
        data = base64.b64decode("".join((obj.text or "").split()), validate=True)
        if not data.startswith(b"%PDF"):
            fault("the attachment is not a PDF")
        pdf_bytes = data
    if pdf_out and pdf_bytes is not None:
        with open(pdf_out, "wb") as f:
            f.write(pdf_bytes)

    # Lines
    line_tag = "cac:CreditNoteLine" if credit else "cac:InvoiceLine"
    qty_tag = "cbc:CreditedQuantity" if credit else "cbc:InvoicedQuantity"
    lines = root.findall(line_tag, NS)
    if not lines:
        fault("BR-16: at least one line is mandatory")
    per_category = {}
    line_sum = Decimal(0)
    ids = set()
    line_summary = []
    for ln in lines:
        check_order(ln, LINE_ORDER, "line")
        lid = text(ln, "cbc:ID")
        if lid in ids:
            fault(f"line id {lid} is not unique")
        ids.add(lid)
        q = ln.find(qty_tag, NS)
        if q is None or not q.get("unitCode"):
            fault(f"line {lid}: quantity with unitCode is mandatory")
            continue
        qty = Decimal(q.text.strip())
        amt = amount(ln, "cbc:LineExtensionAmount", currency)
        item = one(ln, "cac:Item")
        name = None
        if item is not None:
            check_order(item, ITEM_ORDER, "item")
            name = text(item, "cbc:Name")
            gtin = item.find("cac:StandardItemIdentification/cbc:ID", NS)
            if gtin is not None and gtin.get("schemeID") != "0160":
                fault(f"line {lid}: standard item identification must name its scheme")
        cat = item.find("cac:ClassifiedTaxCategory", NS) if item is not None else None
        if cat is None:
            fault(f"line {lid}: ClassifiedTaxCategory is mandatory")
            continue
        check_order(cat, CATEGORY_ORDER, "line tax category")
        cat_id = text(cat, "cbc:ID")
        pct = cat.find("cbc:Percent", NS)
        if text(cat, "cac:TaxScheme/cbc:ID") != "VAT":
            fault(f"line {lid}: tax scheme must be VAT")
        if cat_id in ("S", "Z") and pct is None:
            fault(f"line {lid}: category {cat_id} needs a percent")
        if cat_id == "O" and pct is not None:
            fault(f"line {lid}: category O has no percent")
        if cat_id == "Z" and Decimal(pct.text) != 0:
            fault(f"line {lid}: category Z has 0 percent")
        price = Decimal(text(ln, "cac:Price/cbc:PriceAmount"))
        if ln.find("cac:Price/cbc:PriceAmount", NS).get("currencyID") != currency:
            fault(f"line {lid}: price currency")
        if price < 0:
            fault(f"BR-27: line {lid} has a negative net price")
        if abs(qty * price - amt) > Decimal("0.02"):
            fault(f"PEPPOL-EN16931-R120: line {lid}: {qty} x {price} is not {amt}")
        key = (cat_id, Decimal(pct.text) if pct is not None else None)
        per_category[key] = per_category.get(key, Decimal(0)) + amt
        line_sum += amt
        line_summary.append({"name": name, "quantity": str(qty), "price": str(price), "amount": str(amt),
                             "unit": q.get("unitCode"), "category": cat_id,
                             "percent": str(pct.text) if pct is not None else None})

    # VAT breakdown
    tax_totals = root.findall("cac:TaxTotal", NS)
    if len(tax_totals) != 1:
        fault(f"expected one TaxTotal (no tax currency), found {len(tax_totals)}")
    tax_total = amount(tax_totals[0], "cbc:TaxAmount", currency) if tax_totals else Decimal(0)
    subtotal_tax = Decimal(0)
    seen = set()
    categories = []
    for st in (tax_totals[0].findall("cac:TaxSubtotal", NS) if tax_totals else []):
        taxable = amount(st, "cbc:TaxableAmount", currency)
        tax = amount(st, "cbc:TaxAmount", currency)
        cat = st.find("cac:TaxCategory", NS)
        check_order(cat, CATEGORY_ORDER, "breakdown tax category")
        cat_id = text(cat, "cbc:ID")
        pct = cat.find("cbc:Percent", NS)
        key = (cat_id, Decimal(pct.text) if pct is not None else None)
        if key in seen:
            fault(f"breakdown of {key} given twice")
        seen.add(key)
        if per_category.get(key) != taxable:
            fault(f"BR-S-08/BR-Z-08: taxable amount of {key} is {taxable}, the lines make {per_category.get(key)}")
        rate = key[1] if key[1] is not None else Decimal(0)
        if cents(taxable * rate / 100) != tax:
            fault(f"BR-S-09: tax of {key} is {tax}, {taxable} x {rate} % makes {cents(taxable * rate / 100)}")
        if cat_id == "O" and cat.find("cbc:TaxExemptionReason", NS) is None:
            fault("BR-O-10: category O needs an exemption reason")
        if cat_id == "O" and seller_vat is not None:
            fault("BR-O-02: category O with a seller VAT identifier")
        subtotal_tax += tax
        categories.append({"category": cat_id, "percent": str(rate), "taxable": str(taxable), "tax": str(tax)})
    if set(per_category) != seen:
        fault(f"BR-CO-18: categories of the lines {sorted(map(str, per_category))} and of the breakdown differ")
    if subtotal_tax != tax_total:
        fault(f"BR-CO-14: TaxAmount {tax_total} is not the sum of the breakdown {subtotal_tax}")

    # Totals
    lmt = one(root, "cac:LegalMonetaryTotal")
    totals = {}
    if lmt is not None:
        check_order(lmt, MONETARY_ORDER, "monetary totals")
        for name in ("LineExtensionAmount", "TaxExclusiveAmount", "TaxInclusiveAmount", "PayableAmount"):
            totals[name] = amount(lmt, "cbc:" + name, currency)
        prepaid = amount(lmt, "cbc:PrepaidAmount", currency, required=False) or Decimal(0)
        rounding = amount(lmt, "cbc:PayableRoundingAmount", currency, required=False) or Decimal(0)
        allowances = amount(lmt, "cbc:AllowanceTotalAmount", currency, required=False) or Decimal(0)
        charges = amount(lmt, "cbc:ChargeTotalAmount", currency, required=False) or Decimal(0)
        if totals["LineExtensionAmount"] != line_sum:
            fault(f"BR-CO-10: LineExtensionAmount {totals['LineExtensionAmount']} is not the lines' {line_sum}")
        if totals["TaxExclusiveAmount"] != totals["LineExtensionAmount"] - allowances + charges:
            fault("BR-CO-13: TaxExclusiveAmount")
        if totals["TaxInclusiveAmount"] != totals["TaxExclusiveAmount"] + tax_total:
            fault("BR-CO-15: TaxInclusiveAmount is not TaxExclusiveAmount + TaxAmount")
        if totals["PayableAmount"] != totals["TaxInclusiveAmount"] - prepaid + rounding:
            fault("BR-CO-16: PayableAmount")
        if totals["PayableAmount"] > 0 and not due and root.find("cac:PaymentTerms/cbc:Note", NS) is None:
            fault("BR-CO-25: a positive amount due needs a due date or payment terms")

    if faults:
        for f in faults:
            print(f)
        sys.exit(1)
    print(json.dumps({
        "type": "CreditNote" if credit else "Invoice",
        "number": number, "issueDate": issue, "dueDate": due, "currency": currency,
        "seller": seller_ep, "buyer": buyer_ep, "sellerVat": seller_vat,
        "enterpriseRegister": enterprise_register,
        "buyerReference": text(root, "cbc:BuyerReference", required=False),
        "kid": kid, "account": account,
        "lineTotal": str(totals.get("LineExtensionAmount")), "taxTotal": str(tax_total),
        "payable": str(totals.get("PayableAmount")),
        "categories": categories, "lines": line_summary,
        "pdfBytes": len(pdf_bytes) if pdf_bytes else 0,
    }, ensure_ascii=False))


if __name__ == "__main__":
    main()
