#include "platform/picture_clipboard.h"

#include "platform/file_system.h"

#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QMimeData>
#include <QMimeDatabase>
#include <QUrl>
#include <atomic>
#include <thread>

struct PictureClipboard::Load {
    std::atomic<State> state{State::Loading};
    // Written by the worker before it publishes Ready or Failed, read only afterwards.
    QString path;
    QByteArray bytes;
    QImage image;
    QString mimeType;
    QString error;
};

namespace {

// The reader that decoded the picture names its type: a file whose first bytes only look like
// another type must not reach the clipboard under that type's name.
QImage DecodeBytes(const QByteArray& bytes, const QString& path, QByteArray* format,
                   QString* error) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    // The reader names no format it found by content itself; ask for it first.
    const QByteArray found = QImageReader::imageFormat(&buffer);
    QImageReader byContent(&buffer);
    byContent.setDecideFormatFromContent(true);
    byContent.setAutoTransform(true);
    QImage image = byContent.read();
    if (!image.isNull()) {
        *format = found;
        return image;
    }
    *error = byContent.errorString();
    // Some formats (TGA, for one) have no signature: let the extension name the reader.
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    if (suffix.isEmpty())
        return {};
    buffer.seek(0);
    QImageReader byName(&buffer, suffix);
    byName.setAutoTransform(true);
    image = byName.read();
    *format = byName.format().isEmpty() ? suffix : byName.format();
    return image;
}

QString MimeTypeOfFormat(const QByteArray& format) {
    if (format.isEmpty())
        return {};
    const QMimeType type = QMimeDatabase().mimeTypeForFile(
        QStringLiteral("picture.") + QString::fromLatin1(format), QMimeDatabase::MatchExtension);
    return type.name().startsWith(QLatin1String("image/")) ? type.name() : QString();
}

} // namespace

QString PicturePathFromUrl(const QString& url) {
    if (url.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QString local = QUrl(url).toLocalFile();
        if (!local.isEmpty() && FileExists(local))
            return local;
        // A name with a literal '%' may not survive decoding: try the address as written.
        QString raw = url.mid(5);
        while (raw.startsWith(QLatin1String("//")))
            raw.remove(0, 1);
        if (FileExists(raw) || local.isEmpty())
            return raw;
        return local;
    }
    return url;
}

void PictureClipboard::LoadPicture(const std::shared_ptr<Load>& load) {
    const QString path = ResolvePath(load->path);
    load->path = path;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        load->error = QStringLiteral("The picture \"%1\" could not be opened.").arg(path);
        load->state.store(PictureClipboard::State::Failed, std::memory_order_release);
        return;
    }
    load->bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        load->error = QStringLiteral("The picture \"%1\" could not be read: %2.")
                          .arg(path, file.errorString());
        load->state.store(PictureClipboard::State::Failed, std::memory_order_release);
        return;
    }
    QString reason;
    QByteArray format;
    load->image = DecodeBytes(load->bytes, path, &format, &reason);
    if (load->image.isNull()) {
        load->error =
            QStringLiteral("The picture \"%1\" could not be decoded: %2.").arg(path, reason);
        load->state.store(PictureClipboard::State::Failed, std::memory_order_release);
        return;
    }
    load->mimeType = MimeTypeOfFormat(format);
    load->state.store(PictureClipboard::State::Ready, std::memory_order_release);
}

PictureClipboard::PictureClipboard() = default;
PictureClipboard::~PictureClipboard() = default;

void PictureClipboard::Navigate(const QString& url) {
    auto load = std::make_shared<Load>();
    load->path = PicturePathFromUrl(url);
    load_ = load;
    // The worker holds its own reference: abandoning a load never frees what it writes to.
    std::thread([load] { LoadPicture(load); }).detach();
}

PictureClipboard::State PictureClipboard::state() const {
    return load_ ? load_->state.load(std::memory_order_acquire) : State::Empty;
}

QString PictureClipboard::errorString() const {
    return state() == State::Failed ? load_->error : QString();
}

QString PictureClipboard::path() const {
    const State current = state();
    return current == State::Ready || current == State::Failed ? load_->path : QString();
}

QImage PictureClipboard::image() const {
    return state() == State::Ready ? load_->image : QImage();
}

QByteArray PictureClipboard::originalBytes() const {
    return state() == State::Ready ? load_->bytes : QByteArray();
}

QString PictureClipboard::originalMimeType() const {
    return state() == State::Ready ? load_->mimeType : QString();
}

QMimeData* PictureClipboard::CreateMimeData(const QString& text) const {
    if (state() != State::Ready)
        return nullptr;
    auto* data = new QMimeData;
    const bool isPng = load_->mimeType == QLatin1String("image/png");
    QByteArray png;
    if (isPng) {
        png = load_->bytes;
    } else {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        load_->image.save(&buffer, "PNG");
    }
    data->setData(QStringLiteral("image/png"), png);
    // The original keeps what PNG would lose: a GIF's animation, a JPEG's compactness.
    QString embeddedType = QStringLiteral("image/png");
    QByteArray embedded = png;
    if (!isPng && !load_->mimeType.isEmpty()) {
        data->setData(load_->mimeType, load_->bytes);
        embeddedType = load_->mimeType;
        embedded = load_->bytes;
    }
    const QString html =
        QStringLiteral("<img src=\"data:%1;base64,%2\" width=\"%3\" height=\"%4\">")
            .arg(embeddedType, QString::fromLatin1(embedded.toBase64()))
            .arg(load_->image.width())
            .arg(load_->image.height());
    data->setHtml(html);
    if (!text.isEmpty()) {
        data->setText(text);
        data->setData(QStringLiteral("text/plain;charset=utf-8"), text.toUtf8());
    }
    return data;
}

bool PictureClipboard::SelectAllAndCopy() const {
    // A clipboard needs a GUI application; a plain core application has none.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return false;
    QClipboard* clipboard = QGuiApplication::clipboard();
    QMimeData* data = CreateMimeData();
    if (!clipboard || !data) {
        delete data;
        return false;
    }
    clipboard->setMimeData(data, QClipboard::Clipboard);
    return true;
}
