#pragma once

#include <QLabel>
#include <QPixmap>
#include <QString>
#include <filesystem>
#include <string>

namespace quill {

// A picture loaded from a file (GIF, or any format Qt reads), drawn as large
// as the control allows without changing its proportions, centred.
class Picture : public QLabel {
    Q_OBJECT

  public:
    explicit Picture(QWidget* parent = nullptr);

    // Shows the picture of the file. A name whose letters differ only in case
    // from the file's finds it too. A missing or unreadable file answers false
    // and leaves the control as it was: the caller decides whether to report
    // it, to Clear() or to keep the previous picture.
    bool Load(const QString& path);
    void Clear();

    bool HasPicture() const { return !original_.isNull(); }
    // The file of the picture shown; empty when none is.
    QString FileName() const { return fileName_; }
    const QPixmap& Original() const { return original_; }

    // Whether a picture smaller than the control is enlarged (by default only
    // larger pictures are reduced).
    void SetEnlarge(bool enlarge);

    void SetHint(const QString& hint);
    // Asks for no more room than its minimum size: the layout gives it what
    // is left, and a page on a small screen need not scroll for a picture.
    void SetModest(bool modest) {
        modest_ = modest;
        updateGeometry();
    }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Render();

    QPixmap original_;
    QString fileName_;
    bool enlarge_ = false;
    bool modest_ = false;
};

// Shows a picture of the program's "images" folder. A missing picture is not
// worth an error box: the control shows none.
void ShowImage(Picture* picture, const std::filesystem::path& programFolder,
               const std::string& fileName);

}  // namespace quill
