#pragma once
// The project calculation (TProjectCalcForm, "Kalkulasjon prosjekt …"): the
// calculated and registered hours and costs of the current project, typed
// in by hand, over a grid of the same figures for each of its parts; and
// "Hent registrert hittil", which puts the hours and costs actually
// registered on the project and its parts into the registered figures.
#include "projects/projectrules.h"

#include <QPointer>
#include <QWidget>

class DataGrid;
class QAction;
class QLabel;
class QMenu;
class TDBEdit;

class TProjectCalcForm : public QWidget {
    Q_OBJECT
public:
    explicit TProjectCalcForm(QWidget* parent = nullptr);

    TDBEdit *CalcHoursEdit, *AccHoursEdit, *CalcCostEdit, *AccCostEdit;
    // What the time registrations and item lines give, beside the figures.
    QLabel *RegHoursLabel, *RegCostLabel;
    DataGrid* PartGrid;
    QMenu* PopupMenu1;
    QAction *Lagre1, *Avbryt1, *HentRegistrert1;

    // The sums from the records, as last read.
    const Projects::Registered& registered() const { return registered_; }
    // Reads the sums for the current project and shows them.
    void ReadRegistered();
    // Writes the sums into acc_hours and acc_cost of the project and its
    // parts and re-reads both.
    void HentRegistrert1Click();
    void Lagre1Click();
    void Avbryt1Click();
    void PopupMenu1Popup();
    void FormShow();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    Projects::Registered registered_;
    qint64 registeredFor_ = 0;
};
