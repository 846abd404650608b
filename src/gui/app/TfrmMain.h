#pragma once

#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <memory>

#include "catalogue/Catalogue.h"
#include "catalogue/ConnectorChoices.h"
#include "catalogue/Jumpers.h"
#include "orders/LastOrder.h"
#include "orders/Order.h"
#include "orders/OrderFile.h"
#include "output/ExportContent.h"
#include "output/ListOfMaterials.h"
#include "platform/Services.h"
#include "pricing/PriceList.h"
#include "results/Selection.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QStatusBar;
class QWidget;
class TBandPlotDlg;
class TNewsDlg;
class TOrderDetailsDlg;
class TOrderPage;
class TQuickUpdateDlg;

// A text whose lines break at CR, as a wrapping label shows it: paragraphs
// (two breaks) stay, single breaks become blanks.
QString ParagraphText(const std::string& text);

namespace quill {
class ComboBox;
class Grid;
class PageControl;
class Picture;
class RadioGroup;
}  // namespace quill

// The main window: the wizard's frame and the long-lived state of a run. Its
// handlers keep their historic names; those of each page are defined beside
// that page (selection/, results/), the frame's own here.
class TfrmMain : public QMainWindow {
    Q_OBJECT
  public:
    explicit TfrmMain(Services& services, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // The start-up sequence. False when the program cannot run (a required
    // file is missing): the caller ends the program without showing the window.
    bool FormCreate();

    // --- frame (app/TfrmMain.cpp) ---
    void btnNextClick();
    void btnBackClick();
    void btnRestartClick();
    void btnCloseClick();
    void SetFrameMenus(bool enabled);
    void SetNavigationVisible(bool visible);
    void imgLogoClick();
    void lblEmailClick();
    void Help1Click();
    void Page1Show();
    void OpenFromCommandLine();

    // --- online (online/OnlineHandlers.cpp) ---
    void ComposeOnline();
    // Each time the window becomes active: the update's check, then the news's.
    void FormActivate();
    void QuickUpdate1Click();
    void ViewLatestNewsFromOrlenk1Click();

    // --- results (results/) ---
    void ResolvePageTwo();
    void NextOnResultPage();
    void ShowFinalSelection(const std::string& partNumber, bool hasListPrice,
                            const std::string& standardLength = {});
    void ShowFinalPrice();
    void ShowStandardLengths(const quill::StringList& lines, int shorter, int longer);
    void AcceptStandardLength();
    void ShowPartsList();
    void tsFinalShow();
    void tsNoLengthShow();
    void tsNoPNShow();
    void ClearGridCells(quill::Grid* grid);
    void ShowPricingDate(QLabel* label);

    // --- band plot (results/BandPlotHandlers.cpp) ---
    void ComposeBandPlot();
    // The plot of the result page shown: the final page's selection, or the
    // page-1 choices for the parts list.
    void btnBandPlotClick();

    // --- currency (results/CurrencyMenu.cpp) ---
    void BuildCurrencyMenu();
    void AppendExchangeRateDate();
    void MarkUnavailableCurrencies();
    int SelectedCurrencyTag() const;
    void ChooseCurrency(QAction* item);
    // Checks the item as the menu would, without re-rendering the page.
    void CheckCurrencyItem(QAction* item);
    // The menu item that shows prices in that code, when it can be chosen.
    QAction* CurrencyItemByCode(const std::string& code) const;
    quill::CurrencyInForce Currency() const;
    // The rates the price look-ups convert with; none without an exchange-rate file.
    const quill::ExchangeRates* ConvertingRates() const;

    // --- orders (orders/OrderHandlers.cpp) ---
    QWidget* ComposeOrderPage();
    void AddResultToOrder();
    void RefillOrderGrid();
    // Extended prices, the total and the last-order file; after one quantity
    // edit only that row's extended price is recomputed.
    void RecalculateOrder(int changedRow = -1);
    void grdOrderCellEdit(int column, int row);
    bool grdOrderSpinIncrement(int column, int row, double value);
    void btnDeleteSelectedClick();
    void tsOrderShow();
    void btnSaveClick();
    void Open1Click();
    void ViewLastOrder1Click();
    // The customer details of the quote; a change is an order change.
    void OrderDetails1Click();

    // --- output (output/OutputHandlers.cpp) ---
    // The page shown as the exports take it, notes included.
    quill::ExportContent ExportedContent();
    // The order grid as the list of materials prints it.
    quill::ListOfMaterials PrintedList() const;
    bool IsSpreadsheetAvailable() const;
    void CopyToClipboard1Click();
    void ToATextFile1Click();
    void ToanMSExcelSpreadsheet1Click();
    void ToAnExcelWorkbook1Click();
    void ToanHTMLDocument1Click();
    void ToAPDFDocument1Click();
    void Print1Click();
    void PrintPreview1Click();

    // --- page 1 (selection/PageOne.cpp) ---
    void LoadLengthCombo(int first, int last, int selected);
    void FillFrequencyLists();
    void rgAppClick();
    void chkTopConnectorClick();
    void cboLengthChange();
    void cboBeginningExit();
    void cboEndingExit();
    void SwitchFrequencyUnit(const std::string& unit);
    bool ApplyPageOneSelection();

    // --- page 2, cable (selection/PageTwo.cpp) ---
    void Page2Show();
    void EnableCableGrades(const quill::CableList& cables);
    void rgCableGradeClick();
    void FillCableSizeList();
    void cboTLineDataChange();
    void EnableConnectorOptions();

    // --- page 2, connectors (selection/Connectors.cpp) ---
    void FillConnectorLists();
    void cboC1MatesToChange();
    void cboC2MatesToChange();
    void cboC1DescriptionChange();
    void cboC2DescriptionChange();
    void cboC1InnerChange();
    void cboC2InnerChange();
    void rbC1ActualClick();
    void rbC2ActualClick();
    void rgConnectorGradeClick();
    void rgConnectorAttachmentClick();

    // State a test or a later page reads.
    const quill::TTransmissionLine* CurrentCable() const { return currentCable; }
    const quill::CableList& BandMatchedCables() const { return bandMatchedCables; }
    const quill::CableList& GradeMatchedCables() const { return gradeMatchedCables; }
    const quill::CableCatalogue& Catalogue() const { return cableCatalogue; }
    const std::filesystem::path& SharedFolder() const { return sharedFolder; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // One end of the assembly on page 2 and what it remembers.
    struct End {
        QCheckBox* included = nullptr;  // on page 1
        QGroupBox* group = nullptr;
        QRadioButton* actual = nullptr;
        QRadioButton* matesTo = nullptr;
        quill::ComboBox* connector = nullptr;
        QLabel* description = nullptr;
        quill::Picture* picture = nullptr;
        quill::ComboBox* special = nullptr;
        quill::ComboBox* inner = nullptr;
        std::string connectorName;  // remembered choices
        std::string specialName;
        std::string innerName;
    };

    void BuildFrame();
    void PlaceOnScreen();
    void BuildMainMenu();
    QWidget* BuildPageOne();
    QWidget* BuildPageTwo();
    QGroupBox* BuildEndGroup(End& end, const char* prefix, const QString& caption,
                             const QString& which);
    QWidget* NewPage(const char* name);  // a wizard page with the maker's hint
    QWidget* BuildPartsListPage();
    QWidget* BuildStandardLengthsPage();
    QWidget* BuildFinalPage();
    QPushButton* BuildUpdateButton(QWidget* page, const char* name);
    quill::Selection ReadSelection() const;
    bool PickConnectors();
    std::filesystem::path OrderFolder() const;  // "data" beside the program, made when missing
    void ShowOpenedOrder(quill::OrderFileContent content);
    void SaveLastOrder();
    // Asks for a file in the export's folder beside the program, writes what
    // render makes through the atomic save and has the desktop open it.
    void ExportToFile(const char* folderName, const char* filter, const char* extension,
                      const std::function<std::string()>& render);
    void ShowMissingPrices(QLabel* notice, const quill::StringList& partNumbers);

    // Runs a user-started operation through the general error report. Nested
    // handlers (one handler selecting a radio item from code) run inside the
    // outer operation, so an error stops the whole of it.
    std::function<void()> Guarded(std::function<void()> handler);
    void CheckValue(quill::ComboBox* box);
    QString ImagePath(const std::string& fileName) const;
    void LoadPicture(quill::Picture* picture, const std::string& fileName);
    bool Included(const End& end) const;
    quill::EndChoice ChoiceOf(const End& end) const;
    std::string GradeLetter() const;
    std::string AttachmentLetter() const;
    void ConnectorChange(End& end);
    void DescriptionChange(End& end);
    void InnerChange(End& end);
    void ActualClick(End& end);
    void ShowConnectorName(End& end);
    void ShowConnectorPicture(End& end);

    Services& services;
    QStackedWidget* pictures_ = nullptr;  // page 1's jumper or feeder pictures
    // Since the last schedule checks the user was in another program (or
    // the window was never active): the next activation checks again.
    bool awayFromProgram_ = true;
    bool checksQueued_ = false;
    bool checkingSchedules_ = false;
    void QueueScheduleChecks();
    int guardDepth = 0;
    std::filesystem::path sharedFolder;

  public:
    // Controls, named as the user interface names them.
    quill::PageControl* PageControl1 = nullptr;
    QWidget* Page1 = nullptr;
    QWidget* Page2 = nullptr;
    QWidget* tsNoPN = nullptr;
    QWidget* tsNoLength = nullptr;
    QWidget* tsFinal = nullptr;
    QWidget* tsOrder = nullptr;
    TOrderPage* orderPage = nullptr;  // tsOrder, with its controls
    std::unique_ptr<TQuickUpdateDlg> QuickUpdateDlg1;
    std::unique_ptr<TNewsDlg> NewsDlg1;
    TBandPlotDlg* BandPlotDlg1 = nullptr;
    QPushButton* btnRestart = nullptr;
    QPushButton* btnClose = nullptr;
    QPushButton* btnBack = nullptr;
    QPushButton* btnNext = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    quill::Picture* imgLogo = nullptr;
    QLabel* lblEmail = nullptr;

    QMenu* File1 = nullptr;
    QAction* Open1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* Print1 = nullptr;
    QAction* PrintPreview1 = nullptr;
    QMenu* Export1 = nullptr;
    QAction* ToATextFile1 = nullptr;
    QAction* ToanHTMLDocument1 = nullptr;
    QAction* ToanMSExcelSpreadsheet1 = nullptr;
    QAction* ToAnExcelWorkbook1 = nullptr;  // ".xlsx"
    QAction* ToAPDFDocument1 = nullptr;
    QAction* CopyToClipboard1 = nullptr;
    QAction* ViewLastOrder1 = nullptr;
    QAction* OrderDetails1 = nullptr;  // "Order Details...", on the order page
    TOrderDetailsDlg* OrderDetailsDlg1 = nullptr;
    QAction* ViewLatestNewsFromOrlenk1 = nullptr;
    QAction* QuickUpdate1 = nullptr;
    QAction* StartOver1 = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* CurrencySettings1 = nullptr;
    QAction* Help1 = nullptr;

    // Page 1.
    quill::RadioGroup* rgApp = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    quill::ComboBox* cboLength = nullptr;
    QRadioButton* rbFeet = nullptr;
    QRadioButton* rbMeters = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    quill::ComboBox* cboBeginning = nullptr;
    quill::ComboBox* cboEnding = nullptr;
    QRadioButton* rbMHz = nullptr;
    QRadioButton* rbGHz = nullptr;
    quill::RadioGroup* rgCableType = nullptr;
    QGroupBox* gbxConnectors = nullptr;
    QCheckBox* chkTopConnector = nullptr;
    QCheckBox* chkBottomConnector = nullptr;
    quill::RadioGroup* rgFeeder = nullptr;
    quill::Picture* imgTopJumper = nullptr;
    quill::Picture* imgBottomJumper = nullptr;
    quill::Picture* imgFeeder = nullptr;

    // Page 2.
    QGroupBox* GroupBox3 = nullptr;
    quill::RadioGroup* rgCableGrade = nullptr;
    quill::ComboBox* cboTLineData = nullptr;
    QLabel* lblDiameter = nullptr;
    QLineEdit* edtTlineSize = nullptr;
    quill::Picture* imgCable = nullptr;
    quill::Picture* imgVL = nullptr;
    quill::RadioGroup* rgConnectorAttachment = nullptr;
    quill::RadioGroup* rgConnectorGrade = nullptr;
    QRadioButton* rbC1Actual = nullptr;
    QRadioButton* rbC1MatesTo = nullptr;
    quill::ComboBox* cboC1MatesTo = nullptr;
    QLabel* lblTopDescription = nullptr;
    quill::Picture* imgTop = nullptr;
    quill::ComboBox* cboC1Description = nullptr;
    quill::ComboBox* cboC1Inner = nullptr;
    QRadioButton* rbC2Actual = nullptr;
    QRadioButton* rbC2MatesTo = nullptr;
    quill::ComboBox* cboC2MatesTo = nullptr;
    QLabel* lblBottomDescription = nullptr;
    quill::Picture* imgBottom = nullptr;
    quill::ComboBox* cboC2Description = nullptr;
    quill::ComboBox* cboC2Inner = nullptr;

    // Result pages.
    QLabel* lblPartsList = nullptr;
    quill::Grid* grdJumper = nullptr;
    QLabel* lblTotal = nullptr;
    QLineEdit* edTotal = nullptr;
    quill::Grid* grdJumperspecs = nullptr;
    QLabel* lblUpdate1 = nullptr;
    QLabel* lblforeign1 = nullptr;
    QLabel* Label11 = nullptr;
    QPushButton* btnUpdate1 = nullptr;
    QPushButton* btnBandPlot1 = nullptr;  // "Show Band Plot...", parts list
    QLabel* lblPriceNotice1 = nullptr;    // parts the price list lacks
    QLabel* Label4 = nullptr;
    quill::Grid* grdLengths = nullptr;
    quill::RadioGroup* rgStdLengths = nullptr;
    quill::Grid* grdFinal = nullptr;
    QLabel* lblUpdate2 = nullptr;
    QLabel* lblforeign2 = nullptr;
    QLabel* lblReminder = nullptr;
    QPushButton* btnUpdate2 = nullptr;
    QPushButton* btnBandPlot2 = nullptr;  // "Show Band Plot...", final page
    QLabel* lblPriceNotice2 = nullptr;
    QAction* CurrencyNotice1 = nullptr;  // names the currencies without a usable rate
    QAction* USDollarsUSD1 = nullptr;
    QAction* US1 = nullptr;
    std::vector<QAction*> currencyItems;  // in menu order

    // Long-lived state of the run.
    quill::TJumper currentAssembly;
    quill::Order orderLines;
    quill::ItemLines partsListLines;  // of the result page shown
    quill::LastOrderFile lastOrder;
    quill::PriceList priceList;
    quill::StringList beginFrequencyList;
    quill::StringList endFrequencyList;
    quill::StringList imageLines;
    quill::StringList exchangeRateLines;
    quill::ExchangeRates exchangeRates;  // read once from exchangeRateLines
    quill::CableCatalogue cableCatalogue;
    quill::CableList bandMatchedCables;
    quill::CableList gradeMatchedCables;
    quill::TTransmissionLine* currentCable = nullptr;
    bool hasExchangeRates = false;
    std::string exchangeRateDate;
    std::string cableModelName;
    int connectorGradeIndex = 0;
    int cableGradeIndex = 0;
    int connectorAttachmentIndex = 0;
    std::string frequencyUnit = "M";
    End top, bottom;
    std::string pricingUpdateDate;
    quill::Selection finalSelection;  // what the final page was built from
};
