#pragma once
// The invoice's KID as the user types it: the text is handed to the
// invoice only when it is a valid KID under the KID settings (or empty);
// a KID whose check digit fails is refused with a message and the stored
// KID comes back, so a wrong KID never reaches the invoice.
#include "ui/dbcontrols.h"

#include <QLineEdit>

class TKidEdit : public QLineEdit, public DataControl {
    Q_OBJECT
public:
    explicit TKidEdit(Dataset* ds, QWidget* parent = nullptr);
    // Checks and writes what was typed; false (after the message) when refused.
    bool commit() override;
    FieldLink& link() override { return link_; }
    bool hasPending() const { return pending_; }

protected:
    void focusOutEvent(QFocusEvent* e) override;

private:
    void refresh();
    FieldLink link_;
    bool pending_ = false;
};
