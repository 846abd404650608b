#include <QPushButton>

#include "app/MainMenu.h"
#include "app/TfrmMain.h"
#include "controls/PageControl.h"
#include "orders/TOrderPage.h"
#include "pages/PageOne.h"
#include "pages/PageTwo.h"
#include "pages/TBandPlotDlg.h"
#include "pages/TResultPages.h"
#include "pricing/PricingDate.h"

using namespace quill;

// The pages' arrival, Next and what it leads to: the session decides, the
// pages show.

void TfrmMain::Page1Show() {
    SetNavigationVisible(true);
    btnRestart->setEnabled(false);
    btnBack->setEnabled(false);
    btnNext->setText("Next ->");
    SetFrameMenus(false);
}

void TfrmMain::Page2Show() {
    SetNavigationVisible(true);
    btnRestart->setEnabled(true);
    btnBack->setEnabled(true);
    btnNext->setText("Next ->");
    SetFrameMenus(false);
    pageTwo_->Page2Show();
}

void TfrmMain::tsNoPNShow() {
    partsList_->tsNoPNShow();
    btnNext->setText("Add To Order");
    btnBack->setEnabled(true);
    SetFrameMenus(true);
    ShowPricingDate(partsList_);
}

void TfrmMain::tsNoLengthShow() {
    SetNavigationVisible(true);
    btnBack->setEnabled(true);
    lengths_->tsNoLengthShow();
    SetFrameMenus(false);
}

void TfrmMain::tsFinalShow() {
    final_->tsFinalShow();
    btnNext->setText("Add to Order");
    btnBack->setEnabled(true);
    SetNavigationVisible(true);
    SetFrameMenus(true);
    ShowPricingDate(final_);
}

void TfrmMain::tsOrderShow() {
    SetFrameMenus(true);
    SetNavigationVisible(false);
    menu_->ShowOrderPage();
}

void TfrmMain::ShowRefusal(const Refusal& refusal) {
    services.messages.Beep();
    if (refusal.error)
        services.messages.Error(refusal.message);
    else
        services.messages.Warning(refusal.message);
    if (refusal.staysOn == WizardStep::Page1) pageOne_->FocusField(refusal.field);
}

bool TfrmMain::ApplyPageOneSelection() {
    const auto refusal = session_.CheckPageOne(pageOne_->Choices());
    if (refusal) ShowRefusal(*refusal);
    return !refusal;
}

void TfrmMain::ResolvePageTwo() {
    const NextOutcome outcome = session_.ResolvePageTwo();
    if (outcome.refusal) return ShowRefusal(*outcome.refusal);
    for (const std::string& warning : outcome.warnings) services.messages.Warning(warning);
    if (outcome.resolved) ShowResult();
}

void TfrmMain::ShowResult() {
    const QuoteResult& result = *session_.Result();
    switch (result.page) {
        case ResultKind::PartsList:
            PageControl1->SetActivePage(partsList_);
            return partsList_->Show(result);
        case ResultKind::StandardLengths:
            PageControl1->SetActivePage(lengths_);
            return lengths_->Show(result);
        case ResultKind::Final:
            PageControl1->SetActivePage(final_);
            return final_->Show(result);
    }
}

void TfrmMain::NextOnResultPage() {
    QWidget* page = PageControl1->ActivePage();
    if (page == lengths_) {
        session_.AcceptStandardLength(lengths_->ChosenItem());
        ShowResult();
    } else if (page == partsList_ || page == final_) {
        AddResultToOrder();
    }
}

void TfrmMain::AddResultToOrder() {
    const bool choosable = session_.ChoosableCurrency(book_.Lines().Currency()) != 0;
    if (!orderPage_->AddResult(session_.Result()->itemLines, session_.Currency().Code(), choosable))
        return;
    PageControl1->SetActivePage(orderPage_);
    orderPage_->RefillOrderGrid();
}

// The result shown follows the currency chosen; the order's lines keep the
// prices they were added with.
void TfrmMain::ChooseCurrency(int tag) {
    SetCurrency(tag);
    QWidget* page = PageControl1->ActivePage();
    if (page == final_)
        final_->Show(*session_.Result());
    else if (page == partsList_)
        partsList_->Show(*session_.Result());
    else
        orderPage_->RefillOrderGrid();
}

// An order read from a file brings its currency with it, as if chosen from the menu.
void TfrmMain::OrderOpened() {
    PageControl1->SetActivePage(orderPage_);
    const std::string& code = book_.Lines().Currency();
    if (code == session_.Currency().Code()) return;
    if (const int tag = session_.ChoosableCurrency(code)) {
        menu_->CheckCurrency(tag);
        SetCurrency(tag);
    } else {
        services.messages.Warning("This order is priced in " + CurrencyCaption(code) +
                                  ", which cannot be chosen here: its prices are shown as saved.");
    }
}

// The currency in force, and the foreign-currency note of the result pages.
void TfrmMain::SetCurrency(int tag) {
    session_.SetCurrency(tag);
    for (TResultPage* page : std::initializer_list<TResultPage*>{partsList_, final_})
        page->ShowForeignNote(tag != 1);
}

void TfrmMain::ShowPricingDate(TResultPage* page) {
    const Date today = services.clock.Today();
    const Date updated = PricingDate(services.writtenFolder, data_.PriceListFile(), today);
    page->ShowPricingDate(PricingDateText(FormatDate(updated)), IsPricingStale(updated, today));
}

// The notices of a result page on the screen show the new date at once.
void TfrmMain::PricingUpdated() {
    if (PageControl1->ActivePage() == partsList_) ShowPricingDate(partsList_);
    if (PageControl1->ActivePage() == final_) ShowPricingDate(final_);
}

// The plot of the result page shown, at the figures' own length.
void TfrmMain::btnBandPlotClick() {
    if (!session_.PageTwo().CurrentCable() || !session_.Result()) return;
    BandPlotDlg1->Execute(session_.Result()->selection, *session_.PageTwo().CurrentCable());
}
