#include "pages/TResultPage.h"

#include <QLabel>
#include <QPushButton>

#include "controls/Hint.h"
#include "platform/TextConversion.h"

using namespace quill;

namespace {

const char* const kForeignNotice =
    "Currencies other than the United States Dollars ($US)  are provided for information purposes "
    "only and are based on exchange rates as of: ";

}  // namespace

QLabel* BlueLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setStyleSheet("color: blue;");
    return label;
}

TResultPage::TResultPage(const char* name) {
    setObjectName(name);
    SetHint(this, "Orlenk Corporation");
}

void TResultPage::MakeShared(int number) {
    const QByteArray n = QByteArray::number(number);
    priceNotice_ = new QLabel(this);
    priceNotice_->setObjectName("lblPriceNotice" + n);
    priceNotice_->setWordWrap(true);
    priceNotice_->setStyleSheet("color: #b00000; font-weight: bold;");
    priceNotice_->hide();
    pricingDate_ = BlueLabel(this, "lblUpdate" + n, "Your pricing database was last updated on:");
    foreign_ = BlueLabel(this, "lblforeign" + n, kForeignNotice);
    foreign_->hide();
    update_ = new QPushButton("Click here to &update your software", this);
    update_->setObjectName("btnUpdate" + n);
    update_->setStyleSheet("color: blue;");
    update_->setAutoDefault(false);
    bandPlot_ = new QPushButton("Show &Band Plot...", this);
    bandPlot_->setObjectName("btnBandPlot" + n);
    bandPlot_->setAutoDefault(false);
    datasheet_ = new QPushButton("Data&sheet...", this);
    datasheet_->setObjectName("btnDatasheet" + n);
    datasheet_->setToolTip("A one-page datasheet of this assembly: as PDF, printed or previewed");
    datasheet_->setAutoDefault(false);
}

void TResultPage::ShowPriceNotice(const std::string& text) {
    priceNotice_->setText(ToQt(text));
    priceNotice_->setVisible(!text.empty());
}

void TResultPage::ShowPricingDate(const std::string& text, bool stale) {
    pricingDate_->setText(ToQt(text));
    if (stale) pricingDate_->setStyleSheet("color: red;");
}

void TResultPage::AppendExchangeRateDate(const std::string& date) {
    foreign_->setText(foreign_->text() + ToQt(date) + ".");
}

void TResultPage::ShowForeignNote(bool shown) { foreign_->setVisible(shown); }
