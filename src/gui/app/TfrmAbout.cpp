#include "app/TfrmAbout.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/Picture.h"
#include "platform/Services.h"
#include "platform/TextConversion.h"

namespace {
const QString kSequence = "JOLT";
}

QString TfrmAbout::TermsText() {
    return QString(
               "Terms\n\n"
               "This price list covers the product lines of the Orlenk catalogue. Prices and "
               "technical data are subject to change without notice.\n\n"
               "Prices for domestic orders are quoted FOB the shipping plant; prices for "
               "international orders are quoted FCA the port of export.\n\n"
               "Prices do not include export packing, insurance, taxes, tariffs or duties.\n\n"
               "Refundable deposits apply to some skids and to large cable reels.\n\n"
               "Every order is subject to a minimum charge.\n\n"
               "Your local Orlenk representative or sales office will give quotations on price, "
               "delivery, payment and other terms.\n\n"
               "All orders are subject to acceptance by Orlenk and to the Orlenk terms and "
               "conditions of sale.\n\n"
               "Please send your questions or comments to ") +
           kMakerSupportEmail + ".";
}

TfrmAbout::TfrmAbout(const std::filesystem::path& programFolder, QWidget* parent)
    : QDialog(parent), programFolder_(programFolder) {
    setObjectName("frmAbout");
    setWindowTitle("About");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    setFixedSize(265, 405);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    Image1 = new quill::Picture(this);
    Image1->setObjectName("Image1");
    Image1->setFixedSize(172, 161);
    Image1->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    Image1->Load(Picture("logo.gif"));
    layout->addWidget(Image1, 0, Qt::AlignHCenter);
    Label1 = new QLabel("Orlenk Quillroute (TM)", this);
    Label1->setObjectName("Label1");
    Label1->setStyleSheet("font-weight: bold; color: blue;");
    Label1->setAlignment(Qt::AlignCenter);
    layout->addWidget(Label1);
    lblVersion = new QLabel("Version " QUILLROUTE_VERSION, this);
    lblVersion->setObjectName("lblVersion");
    lblVersion->setAlignment(Qt::AlignCenter);
    layout->addWidget(lblVersion);
    Memo1 = new QPlainTextEdit(TermsText(), this);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setStyleSheet("QPlainTextEdit { color: blue; background: palette(window); }");
    layout->addWidget(Memo1, 1);
    imgGroup = new quill::Picture(this);
    imgGroup->setObjectName("imgGroup");
    imgGroup->setFixedSize(201, 201);
    imgGroup->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    imgGroup->Load(Picture("group.gif"));
    imgGroup->hide();
    layout->addWidget(imgGroup, 0, Qt::AlignHCenter);
    btnOk = new QPushButton("&Ok", this);
    btnOk->setObjectName("btnOk");
    layout->addWidget(btnOk, 0, Qt::AlignHCenter);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);

    for (QObject* watched :
         std::initializer_list<QObject*>{this, Image1, Label1, Memo1, Memo1->viewport(), btnOk})
        watched->installEventFilter(this);
    btnOk->setFocus();
}

QString TfrmAbout::Picture(const char* name) const {
    return quill::FromPath(programFolder_ / "images" / name);
}

bool TfrmAbout::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonRelease:
            // Any click on the box closes it.
            if (watched != btnOk) {
                accept();
                return true;
            }
            break;
        case QEvent::KeyPress:
            if (watched == btnOk || watched == Memo1)
                btnOkKeyPress(static_cast<QKeyEvent*>(event)->text());
            break;
        case QEvent::KeyRelease: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (!key->isAutoRepeat()) FormKeyUp(key->key(), key->modifiers());
            return watched != this;  // the window sees each release once
        }
        default:
            break;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmAbout::btnOkKeyPress(const QString& text) {
    if (text != kSequence.left(1)) return;
    Memo1->hide();
    Label1->hide();
    lblVersion->hide();
    Image1->Load(Picture("sw.gif"));
}

void TfrmAbout::FormKeyUp(int key, Qt::KeyboardModifiers modifiers) {
    if (!(modifiers & Qt::AltModifier)) return;
    if (key < Qt::Key_A || key > Qt::Key_Z) return;
    const QChar letter('A' + (key - Qt::Key_A));
    const QString candidate = typed_ + letter;
    typed_ = kSequence.contains(candidate) ? candidate : QString(letter);
    if (typed_ != kSequence) return;
    typed_.clear();
    Memo1->hide();
    Label1->hide();
    lblVersion->hide();
    Image1->hide();
    imgGroup->show();
}
