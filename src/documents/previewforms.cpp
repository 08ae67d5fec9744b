#include "documents/previewforms.h"

#include "core/textfil.h"
#include "data/datamodule.h"
#include "documents/documentrules.h"
#include "net/httpdownload.h"
#include "net/webdocument.h"
#include "ui/datadrop.h"
#include "ui/windowplacement.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QMenuBar>
#include <QPainter>
#include <QScrollArea>
#include <QThread>
#include <QVBoxLayout>

// --- Note ----------------------------------------------------------------------

TMemoForm::TMemoForm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("MemoForm"));
    setWindowTitle(QStringLiteral("Notat til dukument"));
    Memo1 = new TDBMemo(&DataModule().DocumentQuery, QStringLiteral("object_text"), this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(Memo1);
    resize(420, 300);
}

void TMemoForm::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) LoadWindow(this, QStringLiteral("MemoForm"));
    QWidget::showEvent(e);
}

void TMemoForm::closeEvent(QCloseEvent* e)
{
    SaveWindow(this, QStringLiteral("MemoForm"));
    Dataset& q = DataModule().DocumentQuery;
    if (!PostPendingEdit(&q)) {
        // The note stays in the window until it can be saved.
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}

// --- Picture view -------------------------------------------------------------------

QRect PictureRect(const QSize& image, const QSize& area, bool stretch, bool proportional, bool center)
{
    if (image.isEmpty() || area.isEmpty()) return {};
    QSize size = image;
    if (stretch) size = proportional ? image.scaled(area, Qt::KeepAspectRatio) : area;
    else if (proportional && (image.width() > area.width() || image.height() > area.height()))
        size = image.scaled(area, Qt::KeepAspectRatio);
    QPoint at(0, 0);
    if (center) at = QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
    return QRect(at, size);
}

PictureView::PictureView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Image1"));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void PictureView::setImage(const QImage& image)
{
    image_ = image;
    message_.clear();
    update();
}

void PictureView::setMessage(const QString& text)
{
    image_ = QImage();
    message_ = text;
    update();
}

void PictureView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (image_.isNull()) {
        if (!message_.isEmpty()) p.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, message_);
        return;
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(PictureRect(image_.size(), size(), stretch, proportional, center), image_);
}

// --- Preview --------------------------------------------------------------------

TImagePreViewForm::TImagePreViewForm(QWidget* parent)
    : QWidget(parent, Qt::Window), cancel_(std::make_shared<std::atomic_bool>(false))
{
    setObjectName(QStringLiteral("ImagePreViewForm"));
    setWindowTitle(QStringLiteral("Forhåndsvisning av bilde i dokumenter"));
    MainMenu1 = new QMenuBar(this);
    QMenu* vis = MainMenu1->addMenu(QStringLiteral("Vis"));
    auto option = [this, vis](const char* name, const QString& caption, bool on) {
        QAction* a = vis->addAction(caption);
        a->setObjectName(QLatin1String(name));
        a->setCheckable(true);
        a->setChecked(on);
        connect(a, &QAction::toggled, this, [this] { ApplyOptions(); });
        return a;
    };
    Strekkbilde1 = option("Strekkbilde1", QStringLiteral("Strekk bilde"), true);
    Proposjonalt1 = option("Proposjonalt1", QStringLiteral("Proposjonalt"), true);
    Autoskaler1 = option("Autoskaler1", QStringLiteral("Autoskaler"), false);
    Sentrer1 = option("Sentrer1", QStringLiteral("Sentrer"), true);

    Scroll = new QScrollArea(this);
    Scroll->setFrameShape(QFrame::NoFrame);
    Image1 = new PictureView;
    Scroll->setWidget(Image1);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    v->setMenuBar(MainMenu1);
    v->addWidget(Scroll);
    resize(480, 400);
    ApplyOptions();

    // The document query's current row and its data.
    Dataset* q = &DataModule().DocumentQuery;
    connect(q, &Dataset::currentChanged, this, [this] { DocumentChanged(); });
    connect(q, &Dataset::rowChanged, this, [this](int row) {
        if (row == DataModule().DocumentQuery.recNo()) DocumentChanged();
    });
    connect(q, &Dataset::rowsReset, this, [this] { DocumentChanged(); });
}

TImagePreViewForm::~TImagePreViewForm()
{
    // Fetches still running give up at once; they write nowhere but their
    // own temporary file.
    *cancel_ = true;
    for (QThread* t : threads_) {
        t->wait();
        delete t;
    }
}

void TImagePreViewForm::ApplyOptions()
{
    Image1->stretch = Strekkbilde1->isChecked();
    Image1->proportional = Proposjonalt1->isChecked();
    Image1->center = Sentrer1->isChecked();
    if (Autoskaler1->isChecked() && !Image1->image().isNull()) {
        // The picture control takes the picture's size; the window scrolls.
        Scroll->setWidgetResizable(false);
        Image1->resize(Image1->image().size());
    } else {
        Scroll->setWidgetResizable(true);
    }
    Image1->update();
}

TImagePreViewForm::Key TImagePreViewForm::currentKey() const
{
    Key k;
    const Dataset& q = DataModule().DocumentQuery;
    const int row = q.recNo();
    if (!q.isOpen() || row < 0) return k;
    // The stored row, not the edit buffer.
    auto stored = [&q, row](const char* field) { return q.rowValue(row, q.fieldIndex(QLatin1String(field))); };
    k.id = stored("id").toLongLong();
    k.path = stored("document_path").toString();
    k.name = stored("document_name").toString();
    k.type = stored("document_type").toInt();
    return k;
}

void TImagePreViewForm::DocumentChanged()
{
    if (!isVisible()) return;
    const Key k = currentKey();
    if (k == looked_) return;
    looked_ = k;
    LoadCurrent();
}

void TImagePreViewForm::LoadCurrent()
{
    const Key k = currentKey();
    looked_ = k;
    if (k.id < 0 || k.type != DocPicture) return;  // the preview keeps what it showed
    const WebFolderSettings s = WebFolderSettings::Read();
    const DocumentLocation loc = LocateDocument(s, DocumentReference(k.path, k.name));
    if (!loc.ok()) {
        LogLine(QStringLiteral("ADVARSEL: ") + loc.error);
        return;
    }
    const Dataset& q = DataModule().DocumentQuery;
    const QString caption = q.rowValue(q.recNo(), q.fieldIndex(QStringLiteral("subject"))).toString();
    if (QFileInfo(loc.local).isFile()) {
        loadFile(loc.local, caption);
        return;
    }
    // "Last bilder fra WEB": a missing picture is fetched without holding
    // up the window, and shown if its row is still the current one.
    if (s.useImages && !loc.url.isEmpty()) fetch(loc.url, loc.local, k);
}

void TImagePreViewForm::loadFile(const QString& file, const QString& caption)
{
    ++loads_;
    QImageReader reader(file);
    reader.setAutoTransform(true);
    const QImage img = reader.read();
    shownFile_ = file;
    if (img.isNull()) {
        LogLine(QStringLiteral("ADVARSEL: kan ikke lese bildet ") + file + QStringLiteral(": ") + reader.errorString());
        Image1->setMessage(QStringLiteral("Kan ikke vise bildet %1:\n%2").arg(QFileInfo(file).fileName(),
                                                                              reader.errorString()));
    } else {
        Image1->setImage(img);
    }
    setWindowTitle(caption.isEmpty() ? QStringLiteral("Forhåndsvisning av bilde i dokumenter") : caption);
    ApplyOptions();
}

void TImagePreViewForm::fetch(const QString& url, const QString& file, const Key& key)
{
    const QString encoded = EncodedAddress(url);
    if (encoded.isEmpty() || fetching_.contains(file)) return;
    fetching_.insert(file);
    auto result = std::make_shared<DownloadResult>();
    auto cancel = cancel_;
    QThread* t = QThread::create([encoded, file, result, cancel] {
        DownloadOptions o;
        o.progress = [cancel](qint64, qint64) { return !*cancel; };
        // The log belongs to the user-interface thread.
        o.log = [](const QString& line) {
            QMetaObject::invokeMethod(qApp, [line] { LogLine(line); }, Qt::QueuedConnection);
        };
        QDir().mkpath(QFileInfo(file).absolutePath());
        *result = HttpDownload(encoded, file, o);
    });
    threads_.push_back(t);
    connect(t, &QThread::finished, this, [this, t, file, result, key] {
        threads_.erase(std::remove(threads_.begin(), threads_.end(), t), threads_.end());
        t->deleteLater();
        fetching_.remove(file);
        if (!result->ok) {
            if (currentKey() == key)
                Image1->setMessage(QStringLiteral("Kan ikke hente bildet:\n") + result->error);
            return;
        }
        if (isVisible() && currentKey() == key) {
            const Dataset& q = DataModule().DocumentQuery;
            loadFile(file, q.rowValue(q.recNo(), q.fieldIndex(QStringLiteral("subject"))).toString());
        }
    });
    Image1->setMessage(QStringLiteral("Henter bildet ..."));
    t->start();
}

void TImagePreViewForm::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) {
        LoadWindow(this, QStringLiteral("ImagePreViewForm"));
        looked_ = Key();
        LoadCurrent();
    }
    QWidget::showEvent(e);
}

void TImagePreViewForm::closeEvent(QCloseEvent* e)
{
    SaveWindow(this, QStringLiteral("ImagePreViewForm"));
    QWidget::closeEvent(e);
}
