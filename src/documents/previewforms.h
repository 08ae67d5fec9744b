#pragma once
// The document archive's two companion windows on the current row of the
// document query: the note (TMemoForm, "Notat til dukument") and the
// picture preview (TImagePreViewForm, "Forhåndsvisning av bilde i
// dokumenter").
#include "ui/dbcontrols.h"

#include <QImage>
#include <QPointer>
#include <QRect>
#include <QSet>
#include <QWidget>

#include <atomic>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QMenuBar;
class QScrollArea;
class QThread;

class TMemoForm : public QWidget {
    Q_OBJECT
public:
    explicit TMemoForm(QWidget* parent = nullptr);
    TDBMemo* Memo1;

protected:
    void showEvent(QShowEvent* e) override;
    // Closing saves the note typed in the window.
    void closeEvent(QCloseEvent* e) override;
};

// Where a picture of size image is drawn in area: stretched to the area
// (keeping its proportions when proportional), else at its own size (a
// proportional picture larger than the area shrinks to fit), centred or
// in the top-left corner.
QRect PictureRect(const QSize& image, const QSize& area, bool stretch, bool proportional, bool center);

// Draws one picture as the preview's options say, or a line of text when
// there is none to show.
class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);
    void setImage(const QImage& image);
    void setMessage(const QString& text);
    const QImage& image() const { return image_; }
    QString message() const { return message_; }
    bool stretch = true, proportional = true, center = true;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QImage image_;
    QString message_;
};

class TImagePreViewForm : public QWidget {
    Q_OBJECT
public:
    explicit TImagePreViewForm(QWidget* parent = nullptr);
    ~TImagePreViewForm() override;

    QMenuBar* MainMenu1;
    QAction *Strekkbilde1, *Proposjonalt1, *Autoskaler1, *Sentrer1;
    QScrollArea* Scroll;
    PictureView* Image1;

    // The current row changed (or its data): loads the picture when the
    // row, its folder, its file name or its type differ from what was
    // looked at last. The edit buffer is not looked at, so typing in the
    // record window loads nothing; a save does.
    void DocumentChanged();
    // Loads the current row's picture now (the local copy; a missing copy
    // is fetched in the background when "Last bilder fra WEB" is on).
    void LoadCurrent();
    void ApplyOptions();

    // For tests and the status: pictures read, the file shown, fetches running.
    int loads() const { return loads_; }
    QString shownFile() const { return shownFile_; }
    int fetchesRunning() const { return int(threads_.size()); }

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    struct Key {
        qint64 id = -1;
        QString path, name;
        int type = -1;
        bool operator==(const Key& o) const
        {
            return id == o.id && path == o.path && name == o.name && type == o.type;
        }
    };
    Key currentKey() const;
    void loadFile(const QString& file, const QString& caption);
    void fetch(const QString& url, const QString& file, const Key& key);
    Key looked_;
    int loads_ = 0;
    QString shownFile_;
    std::shared_ptr<std::atomic_bool> cancel_;
    std::vector<QThread*> threads_;
    QSet<QString> fetching_;
};
