#pragma once

// The main window's controls by their object names, as a test reaches them.

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

#include "controls/ComboBox.h"
#include "controls/Grid.h"
#include "controls/PageControl.h"
#include "controls/Picture.h"
#include "controls/RadioGroup.h"

namespace wizard {

#define WIZARD_CONTROLS(X)                      \
    X(quill::ComboBox, cboLength)               \
    X(quill::ComboBox, cboEnding)               \
    X(quill::ComboBox, cboBeginning)            \
    X(quill::ComboBox, cboC1MatesTo)            \
    X(quill::ComboBox, cboC1Description)        \
    X(quill::ComboBox, cboC1Inner)              \
    X(quill::ComboBox, cboC2MatesTo)            \
    X(quill::ComboBox, cboC2Description)        \
    X(quill::ComboBox, cboC2Inner)              \
    X(quill::ComboBox, cboTLineData)            \
    X(quill::RadioGroup, rgApp)                 \
    X(quill::RadioGroup, rgCableType)           \
    X(quill::RadioGroup, rgConnectorAttachment) \
    X(quill::RadioGroup, rgCableGrade)          \
    X(quill::RadioGroup, rgConnectorGrade)      \
    X(quill::RadioGroup, rgFeeder)              \
    X(quill::RadioGroup, rgStdLengths)          \
    X(quill::Picture, imgTop)                   \
    X(quill::Picture, imgBottom)                \
    X(quill::Picture, imgVL)                    \
    X(quill::Picture, imgCable)                 \
    X(quill::Picture, imgTopJumper)             \
    X(quill::Picture, imgFeeder)                \
    X(quill::Picture, imgBottomJumper)          \
    X(quill::Picture, imgLogo)                  \
    X(QCheckBox, chkTopConnector)               \
    X(QCheckBox, chkBottomConnector)            \
    X(QPushButton, btnNext)                     \
    X(QPushButton, btnRestart)                  \
    X(QPushButton, btnBack)                     \
    X(QPushButton, btnClose)                    \
    X(QPushButton, btnBandPlot1)                \
    X(QPushButton, btnBandPlot2)                \
    X(QPushButton, btnUpdate1)                  \
    X(QPushButton, btnUpdate2)                  \
    X(quill::PageControl, PageControl1)         \
    X(QLabel, lblTopDescription)                \
    X(QLabel, lblBottomDescription)             \
    X(QLabel, lblUpdate2)                       \
    X(QLabel, lblPriceNotice2)                  \
    X(QLabel, lblPriceNotice1)                  \
    X(QLabel, lblforeign2)                      \
    X(QLabel, lblforeign1)                      \
    X(QLabel, lblEmail)                         \
    X(QLabel, lblDiameter)                      \
    X(QLabel, lblTotal)                         \
    X(QLabel, lblPartsList)                     \
    X(QMenu, CurrencySettings1)                 \
    X(QMenu, Export1)                           \
    X(QMenu, File1)                             \
    X(QAction, NewOrder1)                       \
    X(QAction, ToanMSExcelSpreadsheet1)         \
    X(QAction, Open1)                           \
    X(QAction, ToanHTMLDocument1)               \
    X(QAction, Print1)                          \
    X(QAction, OrderDetails1)                   \
    X(QAction, StartOver1)                      \
    X(QAction, ToATextFile1)                    \
    X(QAction, Save1)                           \
    X(QAction, CopyToClipboard1)                \
    X(QAction, ToAPDFDocument1)                 \
    X(QAction, PrintPreview1)                   \
    X(QAction, ViewLastOrder1)                  \
    X(QAction, ToAnExcelWorkbook1)              \
    X(QAction, QuickUpdate1)                    \
    X(QAction, Help1)                           \
    X(QAction, Exit1)                           \
    X(QAction, CurrencyNotice1)                 \
    X(QAction, ViewLatestNewsFromOrlenk1)       \
    X(QWidget, tsOrder)                         \
    X(QWidget, tsNoPN)                          \
    X(QWidget, Page2)                           \
    X(QWidget, Page1)                           \
    X(QWidget, tsNoLength)                      \
    X(QWidget, tsFinal)                         \
    X(quill::Grid, grdFinal)                    \
    X(quill::Grid, grdJumper)                   \
    X(quill::Grid, grdLengths)                  \
    X(quill::Grid, grdJumperspecs)              \
    X(QRadioButton, rbC1MatesTo)                \
    X(QRadioButton, rbMeters)                   \
    X(QRadioButton, rbC2Actual)                 \
    X(QRadioButton, rbC1Actual)                 \
    X(QRadioButton, rbFeet)                     \
    X(QRadioButton, rbC2MatesTo)                \
    X(QLineEdit, edtTlineSize)                  \
    X(QLineEdit, edTotal)                       \
    X(QGroupBox, gbxConnectors)                 \
    X(QStatusBar, StatusBar1)

struct Ui {
#define WIZARD_DECLARE(type, name) type* name = nullptr;
    WIZARD_CONTROLS(WIZARD_DECLARE)
#undef WIZARD_DECLARE

    Ui() = default;
    explicit Ui(QWidget& window) {
#define WIZARD_FIND(type, name) name = window.findChild<type*>(#name);
        WIZARD_CONTROLS(WIZARD_FIND)
#undef WIZARD_FIND
    }
};

// The controls of a window, found again when the window is another one.
class UiOf {
  public:
    Ui& operator()(QWidget* window) {
        if (window != shown_.data() || !shown_) {
            ui_ = window ? Ui(*window) : Ui();
            shown_ = window;
        }
        return ui_;
    }

  private:
    QPointer<QWidget> shown_;
    Ui ui_;
};

}  // namespace wizard
