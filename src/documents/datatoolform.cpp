#include "documents/datatoolform.h"

#include "data/datamodule.h"
#include "documents/documentarchive.h"
#include "ui/dbcontrols.h"
#include "ui/windowplacement.h"
#include "ui/windowregistry.h"

#include <QApplication>
#include <QDrag>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

const std::vector<DataToolTable> DataToolTables = {
    {101, QStringLiteral("Firmaer"), QStringLiteral("TCompanyDataForm")},
    {103, QStringLiteral("Dokumenter"), QStringLiteral("TDocumentDataForm")},
    {104, QStringLiteral("Nyheter"), QStringLiteral("TNewsDataForm")},
    {110, QStringLiteral("Varer"), QStringLiteral("TProductDataForm")},
    {111, QStringLiteral("Utstyr"), QStringLiteral("TAssetDataForm")},
    {112, QStringLiteral("Reklame"), QStringLiteral("TBannerDataForm")},
    {113, QStringLiteral("Standardjobber"), QStringLiteral("TJobDataForm")},
};

namespace {

const QString kDesignCaption = QStringLiteral("Dra og Slipp Verktøy");

const DataToolTable* tableOf(int number)
{
    for (const DataToolTable& t : DataToolTables)
        if (t.number == number) return &t;
    return nullptr;
}

// The icons, drawn: a funnel (filter), A-Z with an arrow (sort), a padlock
// (lock), a crossed-out funnel (remove the filter), a magnifier (search).
QPixmap iconPixmap(DropKind kind)
{
    const qreal dpr = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pm(QSize(32, 32) * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0x30, 0x30, 0x80);
    QPen pen(ink, 2);
    p.setPen(pen);
    auto funnel = [&p, &ink] {
        QPainterPath f;
        f.moveTo(4, 5);
        f.lineTo(28, 5);
        f.lineTo(18, 16);
        f.lineTo(18, 27);
        f.lineTo(14, 24);
        f.lineTo(14, 16);
        f.closeSubpath();
        p.setBrush(QColor(0xC8, 0xD8, 0xF8));
        p.drawPath(f);
        p.setBrush(Qt::NoBrush);
        Q_UNUSED(ink);
    };
    switch (kind) {
    case DropKind::Where: funnel(); break;
    case DropKind::All:
        funnel();
        p.setPen(QPen(QColor(0xC0, 0x20, 0x20), 3));
        p.drawLine(6, 8, 26, 28);
        p.drawLine(26, 8, 6, 28);
        break;
    case DropKind::Order: {
        QFont f = p.font();
        f.setPixelSize(11);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRect(2, 1, 16, 14), Qt::AlignCenter, QStringLiteral("A"));
        p.drawText(QRect(2, 17, 16, 14), Qt::AlignCenter, QStringLiteral("Z"));
        p.drawLine(24, 4, 24, 27);
        p.drawLine(24, 28, 19, 22);
        p.drawLine(24, 28, 29, 22);
        break;
    }
    case DropKind::Lock:
        p.setBrush(QColor(0xE8, 0xC0, 0x40));
        p.drawRoundedRect(QRectF(6, 14, 20, 15), 2, 2);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(10, 4, 12, 18), 0, 180 * 16);
        p.drawLine(10, 13, 10, 14);
        p.drawLine(22, 13, 22, 14);
        break;
    case DropKind::Search:
        p.drawEllipse(QRectF(4, 4, 16, 16));
        p.setPen(QPen(ink, 4));
        p.drawLine(18, 18, 28, 28);
        break;
    }
    return pm;
}

} // namespace

// --- Icons -------------------------------------------------------------------------

DataToolIcon::DataToolIcon(DropKind kind, const QString& hint, QWidget* parent) : QLabel(parent), kind_(kind)
{
    setPixmap(iconPixmap(kind));
    setToolTip(hint);
    setFixedSize(36, 36);
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::StyledPanel);
    setCursor(Qt::OpenHandCursor);
}

void DataToolIcon::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) pressed_ = e->position().toPoint();
    QLabel::mousePressEvent(e);
}

void DataToolIcon::mouseMoveEvent(QMouseEvent* e)
{
    if (!(e->buttons() & Qt::LeftButton) ||
        (e->position().toPoint() - pressed_).manhattanLength() < QApplication::startDragDistance()) {
        QLabel::mouseMoveEvent(e);
        return;
    }
    auto* drag = new QDrag(this);
    drag->setMimeData(DataToolMimeData(kind_, text ? text() : QString()));
    drag->setPixmap(pixmap());
    drag->setHotSpot(QPoint(8, 8));
    drag->exec(Qt::CopyAction);
}

// --- The tool ------------------------------------------------------------------------

TDataToolForm::TDataToolForm(QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("DataToolForm"));
    setWindowTitle(kDesignCaption);

    WhereImage = new DataToolIcon(DropKind::Where, QStringLiteral("Dra til et felt for å filtrere"));
    WhereImage->setObjectName(QStringLiteral("WhereImage"));
    OrderImage = new DataToolIcon(DropKind::Order, QStringLiteral("Dra til et felt for å sortere på dette feltet"));
    OrderImage->setObjectName(QStringLiteral("OrderImage"));
    LockImage = new DataToolIcon(DropKind::Lock, QStringLiteral("Dra til et felt for å låse"));
    LockImage->setObjectName(QStringLiteral("LockImage"));
    AllImage = new DataToolIcon(DropKind::All, QStringLiteral("Dra til et felt for å slette sortering"));
    AllImage->setObjectName(QStringLiteral("AllImage"));
    SortEdit = new QLineEdit;
    SortEdit->setObjectName(QStringLiteral("SortEdit"));
    SortEdit->setPlaceholderText(QStringLiteral("Søketekst"));
    SortEdit->setToolTip(QStringLiteral("Skriv en tekst og dra forstørrelsesglasset til en liste for å søke etter den"));
    SortImage = new DataToolIcon(DropKind::Search, QStringLiteral("Dra til en liste for å søke etter teksten"));
    SortImage->setObjectName(QStringLiteral("SortImage"));
    SortImage->text = [this] { return SortEdit->text(); };
    ClearButton = new QToolButton;
    ClearButton->setText(QStringLiteral("X"));
    ClearButton->setToolTip(QStringLiteral("Tøm søketeksten"));
    connect(ClearButton, &QToolButton::clicked, SortEdit, &QLineEdit::clear);

    auto* icons = new QHBoxLayout;
    icons->setSpacing(4);
    for (QWidget* w : {static_cast<QWidget*>(WhereImage), static_cast<QWidget*>(OrderImage),
                       static_cast<QWidget*>(LockImage), static_cast<QWidget*>(AllImage)})
        icons->addWidget(w);
    icons->addStretch();
    auto* search = new QHBoxLayout;
    search->setSpacing(2);
    search->addWidget(SortImage);
    search->addWidget(SortEdit, 1);
    search->addWidget(ClearButton);

    DBNavigator = new QWidget;
    DBNavigator->setObjectName(QStringLiteral("DBNavigator"));
    auto* nav = new QHBoxLayout(DBNavigator);
    nav->setContentsMargins(0, 0, 0, 0);
    nav->setSpacing(1);
    auto button = [this, nav](QStyle::StandardPixmap pm, const QString& text, const QString& tip) {
        auto* b = new QToolButton(DBNavigator);
        if (pm != QStyle::SP_CustomBase) b->setIcon(style()->standardIcon(pm));
        else b->setText(text);
        b->setToolTip(tip);
        nav->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, b] { NavigatorClick(b); });
        return b;
    };
    NavFirst = button(QStyle::SP_MediaSkipBackward, {}, QStringLiteral("Første post"));
    NavPrior = button(QStyle::SP_MediaSeekBackward, {}, QStringLiteral("Forrige post"));
    NavNext = button(QStyle::SP_MediaSeekForward, {}, QStringLiteral("Neste post"));
    NavLast = button(QStyle::SP_MediaSkipForward, {}, QStringLiteral("Siste post"));
    NavInsert = button(QStyle::SP_CustomBase, QStringLiteral("+"), QStringLiteral("Ny post"));
    NavDelete = button(QStyle::SP_CustomBase, QStringLiteral("−"), QStringLiteral("Slett posten"));
    NavEdit = button(QStyle::SP_CustomBase, QStringLiteral("▲"), QStringLiteral("Rediger posten"));
    NavPost = button(QStyle::SP_DialogApplyButton, {}, QStringLiteral("Lagre"));
    NavCancel = button(QStyle::SP_DialogCancelButton, {}, QStringLiteral("Avbryt"));
    NavRefresh = button(QStyle::SP_BrowserReload, {}, QStringLiteral("Oppdater"));
    nav->addStretch();

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(6, 6, 6, 6);
    v->setSpacing(4);
    v->addLayout(icons);
    v->addLayout(search);
    v->addWidget(DBNavigator);
    setFixedWidth(qMax(300, sizeHint().width()));
    updateNavigator();
}

void TDataToolForm::SetTable(int number)
{
    const DataToolTable* t = tableOf(number);
    if (!t || !HasDataModule()) return;
    Dataset* ds = DataModule().datasetByNumber(number);
    if (!ds) return;
    SelectedID = number;
    setWindowTitle(t->caption);
    for (auto& c : conns_) disconnect(c);
    conns_.clear();
    ds_ = ds;
    conns_.push_back(connect(ds, &Dataset::currentChanged, this, [this] { updateNavigator(); }));
    conns_.push_back(connect(ds, &Dataset::stateChanged, this, [this] { updateNavigator(); }));
    conns_.push_back(connect(ds, &Dataset::rowsReset, this, [this] { updateNavigator(); }));
    updateNavigator();
}

void TDataToolForm::updateNavigator()
{
    const bool open = ds_ && ds_->isOpen();
    const bool editing = open && (ds_->state() == Dataset::Edit || ds_->state() == Dataset::Insert);
    const int row = open ? ds_->recNo() : -1;
    // The last row is known without reading a long list to its end.
    const bool atEnd = !open || row < 0 || (ds_->isComplete() && row >= ds_->loadedCount() - 1);
    NavFirst->setEnabled(open && row > 0);
    NavPrior->setEnabled(open && row > 0);
    NavNext->setEnabled(open && !atEnd);
    NavLast->setEnabled(open && !atEnd);
    NavInsert->setEnabled(ds_ != nullptr && !editing);
    NavDelete->setEnabled(open && row >= 0 && !editing);
    NavEdit->setEnabled(open && row >= 0 && !editing);
    NavPost->setEnabled(editing);
    NavCancel->setEnabled(editing);
    NavRefresh->setEnabled(ds_ != nullptr);
}

void TDataToolForm::showRecordWindow()
{
    if (const DataToolTable* t = tableOf(SelectedID)) Windows().show(t->recordWindow);
}

void TDataToolForm::NavigatorClick(QToolButton* b)
{
    Dataset* ds = ds_;
    if (!ds) return;
    TDatabaseModule& dm = DataModule();
    if (b == NavRefresh) {
        if (ds == &dm.DocumentQuery) RunDocumentSelect();
        else if (!PostPendingEdit(ds)) return;
        else if (ds == &dm.JobQuery) dm.JobSQLSelect();
        else if (ds == &dm.ContactQuery) dm.ContactSQLSelect();
        else dm.TableOpen(*ds, true, false);
        updateNavigator();
        return;
    }
    if (!ds->isOpen()) {
        // The query of a list that was never shown: read it first.
        if (ds == &dm.DocumentQuery) RunDocumentSelect();
        else if (ds == &dm.JobQuery) dm.JobSQLSelect();
        else dm.TableOpen(*ds);
        if (!ds->isOpen()) return;
    }
    if (b == NavFirst) ds->first();
    else if (b == NavPrior) ds->prior();
    else if (b == NavNext) ds->next();
    else if (b == NavLast) ds->last();
    else if (b == NavInsert) {
        if (ds->insert()) showRecordWindow();
    } else if (b == NavEdit) {
        if (ds->edit()) showRecordWindow();
    } else if (b == NavDelete) ds->remove();
    else if (b == NavPost) {
        // What is still typed in the record window goes with the save.
        if (const DataToolTable* t = tableOf(SelectedID))
            if (QWidget* w = Windows().find(t->recordWindow)) CommitDataControls(w);
        ds->post();
    } else if (b == NavCancel) ds->cancel();
    updateNavigator();
}
