#include "ui/dataform.h"

#include "core/dialogs.h"

#include "core/platform.h"

#include "data/datamodule.h"
#include "ui/windowplacement.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
namespace {

// The record window's panels, scrolled when they are taller than the
// window may be; as large as the panels want otherwise.
class PanelArea : public QScrollArea {
public:
    explicit PanelArea(QWidget* parent) : QScrollArea(parent)
    {
        setObjectName(QStringLiteral("PanelArea"));
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setBackgroundRole(QPalette::Window);
    }
    QSize sizeHint() const override
    {
        // Without the scroll bar: the window adds its width when it scrolls.
        return widget() ? widget()->sizeHint() : QSize();
    }
    QSize minimumSizeHint() const override
    {
        return QSize(widget() ? widget()->minimumSizeHint().width() : 0, 0);
    }
};

} // namespace

TDataForm::TDataForm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    auto* outer = new QHBoxLayout;
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    root->addLayout(outer);

    TrackBar1 = new QSlider(Qt::Vertical, this);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setRange(0, 0);
    TrackBar1->setPageStep(1);
    TrackBar1->setTickPosition(QSlider::TicksRight);
    TrackBar1->setInvertedAppearance(true);  // position 0 at the top
    TrackBar1->setFixedHeight(48);
    TrackBar1->setToolTip(QStringLiteral("Vis flere felt"));
    auto* left = new QVBoxLayout;
    left->setContentsMargins(2, 4, 0, 0);
    left->addWidget(TrackBar1);
    left->addStretch();
    outer->addLayout(left);

    // The panels scroll when all of them are taller than the screen.
    panelArea_ = new PanelArea(this);
    auto* panelBox = new QWidget;
    panelLayout_ = new QVBoxLayout(panelBox);
    panelLayout_->setContentsMargins(0, 0, 0, 0);
    panelLayout_->setSpacing(0);
    panelArea_->setWidget(panelBox);
    outer->addWidget(panelArea_, 1);

    IdEdit = new TDBEdit(this);
    IdEdit->setObjectName(QStringLiteral("IdEdit"));
    IdEdit->setReadOnly(true);
    IdEdit->hide();
    connect(IdEdit, &QLineEdit::textChanged, this, [this] { IdEditChange(); });

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Lagre1 = makeAction(QStringLiteral("Lagre1"), QStringLiteral("Lagre"), QKeySequence(Qt::CTRL | Qt::Key_S));
    Avbryt1 = makeAction(QStringLiteral("Avbryt1"), QStringLiteral("Avbryt"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    Nypost1 = makeAction(QStringLiteral("Nypost1"), QStringLiteral("Ny post"), QKeySequence(Qt::CTRL | Qt::Key_N));
    Forrigepost1 = makeAction(QStringLiteral("Forrigepost1"), QStringLiteral("Forrige post"), QKeySequence(Qt::Key_PageUp));
    Nestepost1 = makeAction(QStringLiteral("Nestepost1"), QStringLiteral("Neste post"), QKeySequence(Qt::Key_PageDown));
    connect(Lagre1, &QAction::triggered, this, [this] { Lagre1Click(); });
    connect(Avbryt1, &QAction::triggered, this, [this] { Avbryt1Click(); });
    connect(Nypost1, &QAction::triggered, this, [this] { Nypost1Click(); });
    connect(Forrigepost1, &QAction::triggered, this, [this] { Forrigepost1Click(); });
    connect(Nestepost1, &QAction::triggered, this, [this] { Nestepost1Click(); });
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TDataForm::PopupMenu1Popup);

    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupMenu1->popup(mapToGlobal(p)); });
    connect(TrackBar1, &QSlider::valueChanged, this, [this] { TrackBar1Change(); });
    PopupMenu1Popup();
}

QAction* TDataForm::makeAction(const QString& name, const QString& caption, const QKeySequence& key)
{
    auto* a = new QAction(caption, this);
    a->setObjectName(name);
    if (!key.isEmpty()) a->setShortcut(key);
    a->setShortcutContext(Qt::WindowShortcut);
    PopupMenu1->addAction(a);
    addAction(a);
    return a;
}

void TDataForm::setDataset(Dataset* ds)
{
    QObject::disconnect(stateConn_);
    ds_ = ds;
    IdEdit->setField(ds, QStringLiteral("id"));
    // The menu follows the row's state at once, so a shortcut typed while
    // the menu is closed acts on the state the row is in now.
    if (ds)
        stateConn_ = connect(ds, &Dataset::stateChanged, this, [this](int state) {
            PopupMenu1Popup();
            if (state == Dataset::Insert) typedSinceInsert_ = false;
            // A new row starts in the first field, wherever the focus was.
            if (state == Dataset::Insert && isVisible()) focusFirstField();
        });
    PopupMenu1Popup();
}

QWidget* TDataForm::addPanel(QWidget* panel)
{
    panel->setParent(this);
    panel->setContextMenuPolicy(Qt::NoContextMenu);
    panels_.push_back(panel);
    panelLayout_->addWidget(panel);
    TrackBar1->setRange(0, qMax(0, panelCount() - 1));
    TrackBar1->setVisible(panelCount() > 1);
    TrackBar1Change();
    return panel;
}

QWidget* TDataForm::addFormPanel(QFormLayout** form)
{
    auto* p = new QWidget;
    auto* f = new QFormLayout(p);
    f->setContentsMargins(8, 6, 8, 6);
    f->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    f->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    *form = f;
    return addPanel(p);
}

QWidget* TDataForm::addFieldPanel(std::initializer_list<FieldRow> rows)
{
    QFormLayout* f;
    QWidget* p = addFormPanel(&f);
    for (const FieldRow& r : rows) {
        if (r.label.isEmpty())
            f->addRow(r.control);
        else
            f->addRow(r.label, r.control);
    }
    TrackBar1Change();
    return p;
}

QToolButton* TDataForm::smallButton(const QString& text, const QString& tip, std::function<void()> onClick)
{
    auto* b = new QToolButton(this);
    b->setText(text);
    b->setToolTip(tip);
    b->setFocusPolicy(Qt::NoFocus);
    if (onClick) connect(b, &QToolButton::clicked, this, [onClick = std::move(onClick)] { onClick(); });
    return b;
}

QWidget* TDataForm::withButton(QWidget* field, QToolButton* button)
{
    return inRow({field, button}, 0);
}

QWidget* TDataForm::inRow(std::initializer_list<QWidget*> controls, int stretchIndex)
{
    auto* w = new QWidget;
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(2);
    int i = 0;
    for (QWidget* c : controls) h->addWidget(c, i++ == stretchIndex ? 1 : 0);
    return w;
}

void TDataForm::focusFirstField()
{
    if (panels_.empty()) return;
    QWidget* first = panels_.front();
    for (QWidget* w = first->nextInFocusChain(); w && w != first; w = w->nextInFocusChain()) {
        if (!first->isAncestorOf(w)) continue;
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() || w->isHidden()) continue;
        w->setFocus(Qt::OtherFocusReason);
        return;
    }
}

void TDataForm::setClientWidth(int w)
{
    clientWidth_ = w;
    TrackBar1Change();
}

void TDataForm::setFooter(QWidget* footer, int height)
{
    footer_ = footer;
    footerHeight_ = height;
    footer->setParent(this);
    footer->setFixedHeight(height);
    static_cast<QVBoxLayout*>(layout())->addWidget(footer);
    TrackBar1Change();
}

QAction* TDataForm::addMenuItem(const QString& caption, std::function<void()> action, const QKeySequence& key)
{
    auto* a = new QAction(caption, this);
    if (!key.isEmpty()) a->setShortcut(key);
    PopupMenu1->addAction(a);
    addAction(a);
    connect(a, &QAction::triggered, this, [action = std::move(action)] { action(); });
    return a;
}

QAction* TDataForm::enableRefresh()
{
    if (!Oppdater1) {
        Oppdater1 = makeAction(QStringLiteral("Oppdater1"), QStringLiteral("Oppdater"), QKeySequence(Qt::Key_F5));
        connect(Oppdater1, &QAction::triggered, this, [this] { Oppdater1Click(); });
    }
    return Oppdater1;
}

void TDataForm::PopupMenu1Popup()
{
    const bool editing = ds_ && (ds_->state() == Dataset::Edit || ds_->state() == Dataset::Insert);
    Lagre1->setEnabled(editing);
    Avbryt1->setEnabled(editing);
    Nypost1->setEnabled(!editing);
}

void TDataForm::Lagre1Click()
{
    if (!ds_) return;
    if (!CommitDataControls(this)) return;
    // A refused post shows its message and leaves the row in edit state.
    if (ds_->state() == Dataset::Edit || ds_->state() == Dataset::Insert) ds_->post();
}

void TDataForm::Avbryt1Click()
{
    if (ds_) ds_->cancel();
}

void TDataForm::Nypost1Click()
{
    if (ds_ && ds_->isOpen() && CommitDataControls(this)) ds_->insert();
}

void TDataForm::Forrigepost1Click()
{
    if (!ds_ || !ds_->isOpen() || !CommitDataControls(this)) return;
    const int before = ds_->recNo();
    ds_->prior();
    if (ds_->recNo() != before) AfterStep();
}

void TDataForm::Nestepost1Click()
{
    if (!ds_ || !ds_->isOpen() || !CommitDataControls(this)) return;
    const int before = ds_->recNo();
    ds_->next();
    if (ds_->recNo() != before) AfterStep();
}

void TDataForm::Oppdater1Click()
{
    if (ds_ && CommitDataControls(this)) DataModule().TableOpen(*ds_, true, false);
}

int TDataForm::panelsHeight() const
{
    int h = 0;
    for (int i = 0; i < panelCount(); ++i)
        if (i <= TrackBar1->value()) h += panels_[size_t(i)]->sizeHint().height();
    return h;
}

void TDataForm::TrackBar1Change()
{
    const int pos = TrackBar1->value();
    for (int i = 0; i < panelCount(); ++i) panels_[size_t(i)]->setVisible(i <= pos);
    const int need = qMax(panelsHeight(), TrackBar1->isVisible() ? 56 : 0) + footerHeight_;
    // Never taller than the screen: the panels scroll instead, beside a
    // scroll bar of their own.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int base = clientWidth_ > 0 ? clientWidth_ : qMax(width() - (scrolling_ ? bar : 0), sizeHint().width());
    const QSize room = AvailableClientSize(this);
    scrolling_ = room.height() > 0 && need > room.height();
    panelArea_->setVerticalScrollBarPolicy(scrolling_ ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setFixedSize(base + (scrolling_ ? bar : 0), scrolling_ ? qMax(room.height(), footerHeight_ + 56) : need);
    KeepOnScreen(this);
}

void TDataForm::IdEditChange()
{
    if (!captionPrefix.isEmpty()) setWindowTitle(captionPrefix + IdEdit->text() + QStringLiteral("]"));
}

void TDataForm::FormShow()
{
    const QString extra = LoadWindow(this, placementKey, onlyPosition ? QStringLiteral("OnlyPos") : QString());
    if (keepSlider) {
        bool ok = false;
        const int pos = extra.trimmed().toInt(&ok);
        TrackBar1->setValue(ok ? pos : 0);
    }
    TrackBar1Change();
    guardShortcuts();
    PopupMenu1Popup();
    if (ds_ && ds_->state() == Dataset::Insert) focusFirstField();
}

void TDataForm::FormClose()
{
    CommitDataControls(this);
    SaveWindow(this, placementKey, keepSlider ? QString::number(TrackBar1->value()) : QString());
}

void TDataForm::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) FormShow();
    QWidget::showEvent(e);
}

bool TDataForm::SaveOnClose()
{
    if (!CommitDataControls(this)) return false;
    if (!ds_ || !ds_->isOpen()) return true;
    // An edited row is saved; a new row only when something was typed
    // into it (a "Ny" closed untouched makes no empty row).
    if (ds_->state() == Dataset::Edit || (ds_->state() == Dataset::Insert && typedSinceInsert_)) return ds_->post();
    return true;
}

void TDataForm::closeEvent(QCloseEvent* e)
{
    // What was typed is stored before the window goes; a value or row that
    // is refused keeps the window open, with the refusal shown.
    if (!SaveOnClose()) {
        e->ignore();
        return;
    }
    FormClose();
    QWidget::closeEvent(e);
}

void TDataForm::guardShortcuts()
{
    for (QWidget* w : findChildren<QWidget*>()) {
        w->installEventFilter(this);
        if (dynamic_cast<DataControl*>(w)) w->setContextMenuPolicy(Qt::NoContextMenu);
    }
}

bool TDataForm::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::KeyPress || e->type() == QEvent::MouseButtonPress) typedSinceInsert_ = true;
    // Text fields claim keys such as Ctrl+Z and Page Down for themselves;
    // the window's menu keys go to the menu instead.
    if (e->type() == QEvent::ShortcutOverride) {
        auto* k = static_cast<QKeyEvent*>(e);
        const QKeySequence seq(k->keyCombination());
        for (QAction* a : actions())
            for (const QKeySequence& s : a->shortcuts())
                if (s == seq) {
                    e->ignore();
                    return true;
                }
    }
    return QWidget::eventFilter(o, e);
}

void TDataForm::OpenAddress(const QString& value)
{
    if (!OpenDatabaseValue(value))
        CurrentDialogs()->ShowMessage(
            QStringLiteral("Kan ikke åpne «%1»: bare web- og e-postadresser kan åpnes herfra.").arg(value.left(100)),
            QStringLiteral("Feil"));
}
