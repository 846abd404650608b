#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/Messages.h"

namespace quill {

// Message boxes captioned with the application title, over the given window.
class QtMessages : public Messages {
  public:
    explicit QtMessages(QWidget* parent = nullptr,
                        QString caption = QStringLiteral("Orlenk Quillroute"));

    void SetParent(QWidget* parent) { parent_ = parent; }

    void Warning(const std::string& text) override;
    void Error(const std::string& text) override;
    void Information(const std::string& text) override;
    Answer AskToSave(const std::string& text) override;
    bool Confirm(const std::string& text) override;
    bool ConfirmWarning(const std::string& text) override;
    Reply AskWithCheckBox(const std::string& caption, const std::string& text,
                          const std::string& checkBox, Gap gap) override;
    void Beep() override;
    void Asterisk() override;

    // The text as a box shows it: line breaks written "\r" or "\r\n" become
    // the box's own.
    static QString BoxText(const std::string& text);

    // Moves a check box below the box's buttons, left-aligned with its text,
    // with the gap above and below the buttons.
    static void PlaceCheckBoxBelowButtons(QMessageBox& box, QWidget* checkBox, Gap gap);

  private:
    QMessageBox::StandardButton Show(QMessageBox::Icon icon, const std::string& text,
                                     QMessageBox::StandardButtons buttons,
                                     QMessageBox::StandardButton defaultButton);

    QPointer<QWidget> parent_;
    QString caption_;
};

}  // namespace quill
