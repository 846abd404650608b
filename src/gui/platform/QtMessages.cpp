#include "platform/QtMessages.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "platform/TextConversion.h"

namespace quill {

QtMessages::QtMessages(QWidget* parent, QString caption)
    : parent_(parent), caption_(std::move(caption)) {}

QString QtMessages::BoxText(const std::string& text) {
    QString result = MessageToQt(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

QMessageBox::StandardButton QtMessages::Show(QMessageBox::Icon icon, const std::string& text,
                                             QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, caption_, BoxText(text), buttons, parent_.data());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void QtMessages::Warning(const std::string& text) {
    Show(QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessages::Error(const std::string& text) {
    Show(QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessages::Information(const std::string& text) {
    Show(QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

Messages::Answer QtMessages::AskToSave(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, caption_, BoxText(text),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_.data());
    box.setTextFormat(Qt::PlainText);
    // Qt calls the second button "Discard" on most platforms; a document
    // program says what it does.
    box.button(QMessageBox::Save)->setText(QObject::tr("&Save"));
    box.button(QMessageBox::Discard)->setText(QObject::tr("Do&n't Save"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    const int button = box.exec();
    return button == QMessageBox::Save      ? Answer::Yes
           : button == QMessageBox::Discard ? Answer::No
                                            : Answer::Cancel;
}

bool QtMessages::Confirm(const std::string& text) {
    return Show(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No,
                QMessageBox::Yes) == QMessageBox::Yes;
}

bool QtMessages::ConfirmWarning(const std::string& text) {
    return Show(QMessageBox::Warning, text,
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                QMessageBox::Yes) == QMessageBox::Yes;
}

Messages::Reply QtMessages::AskWithCheckBox(const std::string& caption, const std::string& text,
                                            const std::string& checkBox, Gap gap) {
    QMessageBox box(QMessageBox::Question, ToQt(caption), BoxText(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_.data());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    auto* check = new QCheckBox(ToQt(checkBox), &box);
    check->setObjectName("DontAskAgain");
    PlaceCheckBoxBelowButtons(box, check, gap);
    const int button = box.exec();
    Reply reply;
    reply.answer = button == QMessageBox::Yes  ? Answer::Yes
                   : button == QMessageBox::No ? Answer::No
                                               : Answer::Cancel;
    reply.checked = check->isChecked();
    return reply;
}

void QtMessages::PlaceCheckBoxBelowButtons(QMessageBox& box, QWidget* checkBox, Gap gap) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    auto* label = box.findChild<QLabel*>("qt_msgbox_label");
    auto* buttons = box.findChild<QDialogButtonBox*>("qt_msgbox_buttonbox");
    if (!grid || !label || !buttons) {
        // A message box built differently: the check box still shows, in
        // Qt's own place for it.
        box.setCheckBox(qobject_cast<QCheckBox*>(checkBox));
        return;
    }
    int labelRow = 0, labelColumn = 0, rowSpan = 1, columnSpan = 1;
    grid->getItemPosition(grid->indexOf(label), &labelRow, &labelColumn, &rowSpan, &columnSpan);
    const int textHeight = label->sizeHint().height();
    const int space = gap == Gap::FifthOfText ? textHeight / 5 : textHeight;
    grid->removeWidget(buttons);
    grid->setVerticalSpacing(0);
    const int below = grid->rowCount();
    grid->setRowMinimumHeight(below, space);
    grid->addWidget(buttons, below + 1, 0, 1, grid->columnCount());
    grid->setRowMinimumHeight(below + 2, space);
    grid->addWidget(checkBox, below + 3, labelColumn, 1, columnSpan);
    checkBox->setMinimumWidth(label->sizeHint().width());
}

void QtMessages::Beep() { QApplication::beep(); }

// Qt plays no named system sounds; the asterisk is the plain beep here.
void QtMessages::Asterisk() { QApplication::beep(); }

}  // namespace quill
