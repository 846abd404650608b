#include "online/TfrmNews.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

#include "controls/ComboBox.h"
#include "online/News.h"
#include "online/ReminderRow.h"

using namespace quill;

namespace {

QPlainTextEdit* Memo(QWidget* parent, const char* name, const QColor& colour, bool bold,
                     bool underline) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setReadOnly(true);
    // A click opens a story; there is nothing to select or type.
    memo->setTextInteractionFlags(Qt::NoTextInteraction);
    memo->setFocusPolicy(Qt::NoFocus);
    QFont font("Arial");
    font.setPointSizeF(parent->font().pointSizeF() + 1);
    font.setBold(bold);
    font.setUnderline(underline);
    memo->setFont(font);
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Text, colour);
    memo->setPalette(palette);
    memo->viewport()->setCursor(Qt::PointingHandCursor);
    return memo;
}

}  // namespace

TfrmNews::TfrmNews(NewsHeadlines& news, QWidget* parent) : QDialog(parent), news_(news) {
    setObjectName("frmNews");
    setWindowTitle("Orlenk News Headlines");
    auto* layout = new QVBoxLayout(this);

    Label3 = new QLabel("Spotlight:", this);
    Label3->setObjectName("Label3");
    QFont bold = Label3->font();
    bold.setBold(true);
    Label3->setFont(bold);
    Label3->setStyleSheet("color: red;");
    layout->addWidget(Label3);
    memSpotlight = Memo(this, "memSpotlight", Qt::red, true, false);
    memSpotlight->setFixedHeight(memSpotlight->fontMetrics().lineSpacing() * 2 + 14);
    layout->addWidget(memSpotlight);

    Label1 = new QLabel("Latest press releases (Click a headline to view the full story):", this);
    Label1->setObjectName("Label1");
    layout->addWidget(Label1);
    memNews = Memo(this, "memNews", Qt::blue, false, true);
    memNews->setLineWrapMode(QPlainTextEdit::NoWrap);
    memNews->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memNews->setMinimumHeight(memNews->fontMetrics().lineSpacing() * 9 + 30);
    layout->addWidget(memNews, 1);

    const ReminderRow schedule(this, "chkDisplayAgain", "Display news headlines again in", 7);
    chkDisplayAgain = schedule.check;
    cboNumDays = schedule.days;
    lblDays = schedule.label;
    btnClose = new QPushButton("&Close", this);
    btnClose->setObjectName("btnClose");
    btnClose->setDefault(true);
    btnClose->setFocus();
    schedule.layout->addWidget(btnClose);
    layout->addLayout(schedule.layout);

    memSpotlight->viewport()->installEventFilter(this);
    memNews->viewport()->installEventFilter(this);
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });
    connect(chkDisplayAgain, &QCheckBox::clicked, this, [this] { chkDisplayAgainClick(); });
    resize(520, 380);
}

TfrmNews::~TfrmNews() { memNews->viewport()->removeEventFilter(this); }

bool TfrmNews::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            if (watched == memSpotlight->viewport()) memSpotlightClick();
            if (watched == memNews->viewport()) memNewsClick(mouse->position().toPoint());
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmNews::btnCloseClick() { close(); }

void TfrmNews::chkDisplayAgainClick() { cboNumDays->setEnabled(chkDisplayAgain->isChecked()); }

void TfrmNews::memSpotlightClick() {
    if (!headlines.empty()) news_.OpenEntry(headlines, 0);
}

int TfrmNews::NewsLineAt(const QPoint& position) const {
    const QTextCursor cursor = memNews->cursorForPosition(position);
    // A point below the last line lands on it; it holds no headline there.
    if (position.y() > memNews->cursorRect(cursor).bottom()) return -1;
    return cursor.blockNumber();
}

void TfrmNews::memNewsClick(const QPoint& position) {
    const int line = NewsLineAt(position);
    if (line < 0 || line >= static_cast<int>(headlines.size()) - 1) return;
    news_.OpenEntry(headlines, line + 1);
}
