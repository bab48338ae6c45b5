#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>
#include <memory>

class QMimeData;

// Copies a picture file to the clipboard in the forms mail programs paste: the picture as
// image/png, the file's own bytes under its own type (image/gif keeps its animation) and an HTML
// fragment whose single img element embeds those bytes as a data: address. No file:// reference:
// a mail program blocks pasted local files or reads them again when sending. A picture that shows
// a text (an emoji) offers that text as well, for programs that take only text; programs that take
// pictures prefer the picture forms.
//
// Loading runs on a worker thread, so that a slow or hung file system cannot freeze the caller,
// who polls `state()` while processing events.
class PictureClipboard {
public:
    enum class State { Empty, Loading, Ready, Failed };

    PictureClipboard();
    ~PictureClipboard();
    PictureClipboard(const PictureClipboard&) = delete;
    PictureClipboard& operator=(const PictureClipboard&) = delete;

    // Starts reading and decoding the picture at `url`: a plain path or a file:// address.
    // A load still running is abandoned.
    void Navigate(const QString& url);

    State state() const;
    QString errorString() const; // why the load failed, for the user
    QString path() const;        // the file that was read

    // Valid once Ready.
    QImage image() const;
    QByteArray originalBytes() const;
    QString originalMimeType() const;

    // The clipboard content for the loaded picture, with `text` as text/plain (UTF-8) unless it is
    // empty; null unless Ready. The caller owns it.
    QMimeData* CreateMimeData(const QString& text = {}) const;

    // Puts the picture on the system clipboard (which this process then serves). False unless
    // Ready and a GUI application with a clipboard exists.
    bool SelectAllAndCopy() const;

private:
    struct Load;
    static void LoadPicture(const std::shared_ptr<Load>& load);
    std::shared_ptr<Load> load_;
};

// The local file that a picture address names: file:// addresses are decoded, anything else is
// taken as a path.
QString PicturePathFromUrl(const QString& url);
