#pragma once

#include <QAbstractSpinBox>
#include <QColor>
#include <QStringList>
#include <QTableWidget>
#include <functional>
#include <vector>

namespace quill {

// The editor of a spin-edit cell: a text box with up and down buttons. It
// holds any text the user types; a step reads the text as a number (0 when
// it is none), adds the step and asks the grid whether the new value is
// allowed.
class SpinCellEditor : public QAbstractSpinBox {
    Q_OBJECT

  public:
    explicit SpinCellEditor(QWidget* parent = nullptr);

    QString Text() const;
    void SetText(const QString& text);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

    // Asked before a step with the value it would give; false refuses it.
    std::function<bool(double value)> acceptStep;

  signals:
    void Stepped();

  protected:
    StepEnabled stepEnabled() const override;
};

// A grid of text cells with an optional heading row and an optional row bar.
//
// Cells are addressed (column, row), both 0-based; rows are data rows, the
// heading row is not counted. Every cell is read-only unless its column is
// made editable. A text set from code never runs a handler; onCellEdit runs
// after the user changed a cell (on leaving a typed cell, at every step of a
// spin-edit cell). Handlers run inside Qt's event handling: callers wrap what
// may fail in RunGuarded.
class Grid : public QTableWidget {
    Q_OBJECT

  public:
    explicit Grid(QWidget* parent = nullptr);
    Grid(int columns, int rows, QWidget* parent = nullptr);

    // Shape. Reading or writing a cell outside the grid does nothing.
    void SetColumnCount(int columns);
    int ColumnCount() const { return columnCount(); }
    void SetRowCount(int rows);
    int RowCount() const { return rowCount(); }

    QString Cell(int column, int row) const;
    void SetCell(int column, int row, const QString& text);
    QStringList RowTexts(int row) const;
    // Every data cell becomes empty; the headings and the row count stay.
    void ClearCells();

    // The heading row (hidden until switched on).
    void SetHeadingVisible(bool visible);
    bool HeadingVisible() const;
    void SetHeadings(const QStringList& headings);
    void SetHeading(int column, const QString& text);
    QString Heading(int column) const;
    void SetHeadingColor(const QColor& color);
    void SetHeadingAlignment(Qt::Alignment alignment);
    void SetHeadingWordWrap(bool wrap);
    void SetHeadingHeight(int height);
    int HeadingHeight() const;

    // Columns.
    void SetColumnWidth(int column, int width);
    // The column at least `least` wide and wide enough for its whole heading.
    void WidenToHeading(int column, int least);
    // The column takes whatever width the others leave, so the grid shows no
    // empty strip at its right.
    void SetStretchColumn(int column);
    void SetColumnAlignment(int column, Qt::Alignment alignment);
    Qt::Alignment ColumnAlignment(int column) const;
    void SetColumnHidden(int column, bool hidden);
    void SetColumnEditable(int column, bool editable);
    bool ColumnEditable(int column) const;
    // Makes every column read-only.
    void SetReadOnly();
    // A column of fixed labels: blue, right-aligned, on the button face so
    // that it stands out from the values.
    void SetLabelColumn(int column, bool label = true);
    bool IsLabelColumn(int column) const;
    // A column whose cells are edited with up and down buttons (editable too).
    void SetSpinColumn(int column, bool spin = true);
    bool IsSpinColumn(int column) const;

    // Rows.
    void SetDefaultRowHeight(int height);  // every row, present and future
    int DefaultRowHeight() const;
    void SetRowHeight(int row, int height);
    int RowHeight(int row) const { return rowHeight(row); }
    void SetRowColor(int row, const QColor& color);
    // Values wrap inside their cells; "\r" in a text starts a new line.
    void SetWordWrap(bool wrap) { setWordWrap(wrap); }

    // The row bar: a strip at the left whose clicks select whole rows, more
    // than one with Ctrl or Shift.
    void SetRowBarVisible(bool visible);
    bool RowBarVisible() const;
    std::vector<int> SelectedRows() const;
    bool RowSelected(int row) const;
    void SetRowSelected(int row, bool selected);

    void SetHint(const QString& hint);

    // The height at which the heading and every row show without scrolling.
    int FittingHeight() const;
    // Rows grow to show their wrapped texts whole (never below the default
    // height), and the grid takes the height that shows them all, again after
    // each change of width.
    void SetFitRowsToContent(bool fit);
    void FitRowsToContent();

    std::function<void(int column, int row)> onCellEdit;
    // Asked before a text the user typed or spun replaces a cell's; false
    // keeps the cell's text (and the editor's) and calls onEditRefused.
    std::function<bool(int column, int row, const QString& text)> acceptEdit;
    std::function<void(int column, int row, const QString& text)> onEditRefused;
    // Asked before a spin step with the value it would give; false refuses
    // the step and the cell keeps its text. Without it every step is taken.
    std::function<bool(int column, int row, double value)> onSpin;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    bool event(QEvent* event) override;

  private:
    friend class GridDelegate;

    struct ColumnStyle {
        Qt::Alignment alignment = Qt::AlignLeft;
        bool editable = false;
        bool label = false;
        bool spin = false;
    };

    QTableWidgetItem* CellItem(int column, int row);
    void PrepareItems(int firstRow = 0);  // the rows from the first given
    void StyleItem(QTableWidgetItem* item, int column) const;
    void RestyleColumn(int column);
    void UpdateEditTriggers();
    void UpdateRowBar();
    const ColumnStyle* Style(int column) const;
    void CellEdited(int column, int row);

    std::vector<ColumnStyle> columns_;
    QColor headingColor_;
    Qt::Alignment headingAlignment_ = Qt::AlignCenter;
    bool headingWrap_ = false;
    int headingHeight_ = -1;
    bool rowBar_ = false;
    bool replaceOnEdit_ = false;  // the editor opens for a typed key, which replaces the text
    bool fitRows_ = false;
};

}  // namespace quill
