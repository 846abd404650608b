#include "controls/Picture.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include "catalogue/DataFiles.h"
#include "platform/TextConversion.h"

namespace quill {

namespace {

// The file by that name, or the one whose name differs only in letter case
// (names in the data files do not always match the files' own spelling),
// named as it is spelled on disk.
QString ExistingFile(const QString& path) {
    const QFileInfo info(path);
    const auto found =
        FindFileIgnoringCase(ToPath(info.absolutePath()), info.fileName().toStdString());
    if (!found) return {};
    const QString onDisk = FromPath(found->filename());
    const QString file = onDisk == info.fileName() ? path : info.dir().filePath(onDisk);
    return QFileInfo(file).isFile() ? file : QString();
}

}  // namespace

Picture::Picture(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    // The control's size is the layout's to decide; the picture follows it.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
}

bool Picture::Load(const QString& path) {
    const QString file = ExistingFile(path);
    if (file.isEmpty()) return false;
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) return false;
    original_ = QPixmap::fromImage(image);
    fileName_ = file;
    Render();
    return true;
}

void Picture::Clear() {
    original_ = QPixmap();
    fileName_.clear();
    QLabel::clear();
}

void Picture::SetEnlarge(bool enlarge) {
    enlarge_ = enlarge;
    Render();
}

void Picture::SetHint(const QString& hint) {
    setToolTip(hint);
    setStatusTip(hint);
}

QSize Picture::sizeHint() const {
    if (modest_ && !minimumSize().isEmpty()) return minimumSize();
    return original_.isNull() ? QSize(32, 32) : original_.deviceIndependentSize().toSize();
}

QSize Picture::minimumSizeHint() const { return QSize(1, 1); }

void Picture::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    Render();
}

void Picture::Render() {
    if (original_.isNull()) return;
    const QSize area = contentsRect().size();
    const QSize picture = original_.size();
    if (area.isEmpty() ||
        (!enlarge_ && picture.width() <= area.width() && picture.height() <= area.height())) {
        setPixmap(original_);
        return;
    }
    setPixmap(original_.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void ShowImage(Picture* picture, const std::filesystem::path& programFolder,
               const std::string& fileName) {
    const QString path = FromPath(DataFilePath(programFolder / "images", fileName));
    if (fileName.empty() || !picture->Load(path)) picture->Clear();
}

}  // namespace quill
