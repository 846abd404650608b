#pragma once

#include <QDialog>
#include <filesystem>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace quill {
class Picture;
}

// The About box: the product title and the terms that apply to the prices.
// Two pictures hide behind key sequences.
class TfrmAbout : public QDialog {
    Q_OBJECT
  public:
    TfrmAbout(const std::filesystem::path& programFolder, QWidget* parent = nullptr);

    static QString TermsText();

    quill::Picture* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblVersion = nullptr;  // the build's version, under the title
    QPlainTextEdit* Memo1 = nullptr;
    quill::Picture* imgGroup = nullptr;
    QPushButton* btnOk = nullptr;

    // The letters typed so far, with Alt held, towards "JOLT".
    const QString& TypedLetters() const { return typed_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void btnOkKeyPress(const QString& text);
    void FormKeyUp(int key, Qt::KeyboardModifiers modifiers);
    QString Picture(const char* name) const;

    std::filesystem::path programFolder_;
    QString typed_;
};
