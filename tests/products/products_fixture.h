#pragma once
// A fresh demo database without its products, the data module connected,
// and helpers to add products and read the product list back.
#include "ui/uitest.h"
#include "qstring_print.h"

#include "data/connection.h"

class ProductsTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        sql("DELETE FROM product");
    }

    Dataset& products() { return dm->ProductTable; }
    void sql(const QString& s)
    {
        ASSERT_TRUE(db->admin().exec(s)) << s.toStdString() << ": " << db->admin().lastError().toStdString();
    }
    // A product; group and further "col=value" assignments are optional.
    void addProduct(const QString& code, const QString& text, const QString& group = {}, const QString& set = {})
    {
        sql("INSERT INTO product SET productcode=" + SqlQuote(code) + ", producttext=" + SqlQuote(text) +
            ", productgroup=" + SqlQuote(group) + (set.isEmpty() ? QString() : ", " + set));
    }
    void openAll() { ASSERT_TRUE(dm->TableOpen(products())); }
    QStringList codes() { return column(products(), "productcode"); }
};
