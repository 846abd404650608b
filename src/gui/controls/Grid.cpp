#include "controls/Grid.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QResizeEvent>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cmath>

#include "orders/Decimal.h"

namespace quill {

// ---------------------------------------------------------------- spin editor

SpinCellEditor::SpinCellEditor(QWidget* parent) : QAbstractSpinBox(parent) {
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setKeyboardTracking(true);
    setFrame(false);
}

QString SpinCellEditor::Text() const { return lineEdit()->text(); }

void SpinCellEditor::SetText(const QString& text) { lineEdit()->setText(text); }

QValidator::State SpinCellEditor::validate(QString&, int&) const {
    // The cell takes any text; whoever reads the quantity judges it.
    return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled SpinCellEditor::stepEnabled() const {
    return StepUpEnabled | StepDownEnabled;
}

void SpinCellEditor::stepBy(int steps) {
    // A length of 7.5 steps to 8.5 and 0.005 to 1.005 and back, exactly:
    // the step is added to the decimal text, never to a binary fraction. A
    // text that is no number steps from 0.
    Decimal value;
    if (!ParseDecimal(Text().toStdString(), value)) value = Decimal{};
    Decimal next;
    if (!AddDecimals(value, Decimal{steps, 0}, next)) return;
    if (acceptStep && !acceptStep(static_cast<double>(DecimalToLongDouble(next)))) return;
    SetText(QString::fromStdString(DecimalText(next)));
    emit Stepped();
}

// ------------------------------------------------------------------ delegate

class GridDelegate : public QStyledItemDelegate {
  public:
    explicit GridDelegate(Grid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        const Grid::ColumnStyle* style = grid_->Style(index.column());
        if (style == nullptr || !style->editable) return nullptr;
        if (!style->spin) return QStyledItemDelegate::createEditor(parent, option, index);

        auto* editor = new SpinCellEditor(parent);
        editor->setAlignment(style->alignment);
        const QPersistentModelIndex cell(index);
        editor->acceptStep = [grid = grid_, cell](double value) {
            if (!cell.isValid() || !grid->onSpin) return true;
            return grid->onSpin(cell.column(), cell.row(), value);
        };
        // A step is an edit of its own: the cell and whoever watches it
        // follow at once, not only when the editor closes.
        QObject::connect(editor, &SpinCellEditor::Stepped, this, [this, editor] {
            emit const_cast<GridDelegate*>(this)->commitData(editor);
        });
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        if (auto* spin = qobject_cast<SpinCellEditor*>(editor)) {
            spin->SetText(index.data(Qt::DisplayRole).toString());
            if (grid_->replaceOnEdit_) spin->selectAll();
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor); line && grid_->replaceOnEdit_)
            line->selectAll();
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        const QString before = index.data(Qt::DisplayRole).toString();
        auto* spin = qobject_cast<SpinCellEditor*>(editor);
        auto* line = qobject_cast<QLineEdit*>(editor);
        const QString text = spin ? spin->Text() : line ? line->text() : before;
        if (text != before && grid_->acceptEdit &&
            !grid_->acceptEdit(index.column(), index.row(), text)) {
            // The editor goes back to the cell's text first, so that closing
            // it later (a message box takes the focus) commits nothing.
            if (spin) spin->SetText(before);
            if (line) line->setText(before);
            if (grid_->onEditRefused) grid_->onEditRefused(index.column(), index.row(), text);
            return;
        }
        if (spin) {
            model->setData(index, spin->Text(), Qt::EditRole);
        } else {
            QStyledItemDelegate::setModelData(editor, model, index);
        }
        if (index.data(Qt::DisplayRole).toString() != before) {
            grid_->CellEdited(index.column(), index.row());
        }
    }

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        // Texts of the program break lines with a carriage return.
        option->text.replace(QStringLiteral("\r\n"), QString(QChar::LineSeparator));
        option->text.replace(QLatin1Char('\r'), QChar::LineSeparator);
    }

  private:
    Grid* grid_;
};

// ---------------------------------------------------------------------- grid

Grid::Grid(QWidget* parent) : Grid(0, 0, parent) {}

Grid::Grid(int columns, int rows, QWidget* parent) : QTableWidget(parent) {
    setItemDelegate(new GridDelegate(this));
    setCornerButtonEnabled(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    horizontalHeader()->setVisible(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setVisible(false);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(24);
    SetColumnCount(columns);
    SetRowCount(rows);
    UpdateRowBar();
    UpdateEditTriggers();
}

const Grid::ColumnStyle* Grid::Style(int column) const {
    if (column < 0 || column >= static_cast<int>(columns_.size())) return nullptr;
    return &columns_[static_cast<std::size_t>(column)];
}

void Grid::SetColumnCount(int columns) {
    columns = std::max(columns, 0);
    setColumnCount(columns);
    columns_.resize(static_cast<std::size_t>(columns));
    PrepareItems();
}

void Grid::SetRowCount(int rows) {
    const int before = rowCount();
    setRowCount(std::max(rows, 0));
    PrepareItems(before);
}

// Every cell has its item, styled by its column, so that texts, alignment
// and edit rights never depend on whether a cell was written before.
void Grid::PrepareItems(int firstRow) {
    for (int row = std::max(firstRow, 0); row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            if (item(row, column) == nullptr) {
                auto* cell = new QTableWidgetItem();
                StyleItem(cell, column);
                setItem(row, column, cell);
            }
        }
        if (verticalHeaderItem(row) == nullptr) {
            // The row bar shows no numbers.
            setVerticalHeaderItem(row, new QTableWidgetItem(QString()));
        }
    }
}

QTableWidgetItem* Grid::CellItem(int column, int row) {
    if (column < 0 || column >= columnCount() || row < 0 || row >= rowCount()) return nullptr;
    return item(row, column);
}

void Grid::StyleItem(QTableWidgetItem* cell, int column) const {
    const ColumnStyle* style = Style(column);
    if (style == nullptr) return;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (style->editable) flags |= Qt::ItemIsEditable;
    cell->setFlags(flags);
    cell->setData(Qt::TextAlignmentRole, static_cast<int>(style->alignment | Qt::AlignVCenter));
    if (style->label) {
        cell->setForeground(QColor(Qt::blue));
        cell->setBackground(palette().color(QPalette::Button));
    }
}

void Grid::RestyleColumn(int column) {
    for (int row = 0; row < rowCount(); ++row) {
        if (QTableWidgetItem* cell = item(row, column)) StyleItem(cell, column);
    }
}

QString Grid::Cell(int column, int row) const {
    if (column < 0 || column >= columnCount() || row < 0 || row >= rowCount()) return {};
    const QTableWidgetItem* cell = item(row, column);
    return cell != nullptr ? cell->text() : QString();
}

void Grid::SetCell(int column, int row, const QString& text) {
    QTableWidgetItem* cell = CellItem(column, row);
    if (!cell || cell->text() == text) return;
    cell->setText(text);
    if (fitRows_) FitRowsToContent();
}

QStringList Grid::RowTexts(int row) const {
    QStringList texts;
    for (int column = 0; column < columnCount(); ++column) texts << Cell(column, row);
    return texts;
}

void Grid::ClearCells() {
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) SetCell(column, row, QString());
    }
}

void Grid::SetHeadingVisible(bool visible) { horizontalHeader()->setVisible(visible); }

bool Grid::HeadingVisible() const { return !horizontalHeader()->isHidden(); }

void Grid::SetHeadings(const QStringList& headings) {
    for (int column = 0; column < headings.size() && column < columnCount(); ++column) {
        SetHeading(column, headings[column]);
    }
}

void Grid::SetHeading(int column, const QString& text) {
    if (column < 0 || column >= columnCount()) return;
    QTableWidgetItem* heading = horizontalHeaderItem(column);
    if (heading == nullptr) {
        heading = new QTableWidgetItem();
        setHorizontalHeaderItem(column, heading);
    }
    heading->setText(text);
    int alignment = static_cast<int>(headingAlignment_ | Qt::AlignVCenter);
    if (headingWrap_) alignment |= Qt::TextWordWrap;
    heading->setData(Qt::TextAlignmentRole, alignment);
    if (headingColor_.isValid()) {
        heading->setForeground(headingColor_);
    } else {
        heading->setData(Qt::ForegroundRole, QVariant());
    }
}

QString Grid::Heading(int column) const {
    const QTableWidgetItem* heading = horizontalHeaderItem(column);
    return heading != nullptr ? heading->text() : QString();
}

void Grid::SetHeadingColor(const QColor& color) {
    headingColor_ = color;
    for (int column = 0; column < columnCount(); ++column) SetHeading(column, Heading(column));
}

void Grid::SetHeadingAlignment(Qt::Alignment alignment) {
    headingAlignment_ = alignment & Qt::AlignHorizontal_Mask;
    for (int column = 0; column < columnCount(); ++column) SetHeading(column, Heading(column));
}

void Grid::SetHeadingWordWrap(bool wrap) {
    headingWrap_ = wrap;
    // A wrapped heading is laid out on several lines, not cut short.
    horizontalHeader()->setTextElideMode(wrap ? Qt::ElideNone : Qt::ElideRight);
    for (int column = 0; column < columnCount(); ++column) SetHeading(column, Heading(column));
}

void Grid::SetHeadingHeight(int height) {
    headingHeight_ = height;
    horizontalHeader()->setFixedHeight(height);
}

int Grid::HeadingHeight() const {
    if (headingHeight_ >= 0) return headingHeight_;
    return horizontalHeader()->sizeHint().height();
}

void Grid::SetColumnWidth(int column, int width) { setColumnWidth(column, width); }

void Grid::WidenToHeading(int column, int least) {
    const QHeaderView* header = horizontalHeader();
    QStyleOptionHeader option;
    option.initFrom(header);
    option.text = Heading(column);
    const int needed = header->style()
                           ->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header)
                           .width();
    setColumnWidth(column, std::max(least, needed));
}

void Grid::SetStretchColumn(int column) {
    if (column < 0 || column >= columnCount()) return;
    horizontalHeader()->setSectionResizeMode(column, QHeaderView::Stretch);
}

void Grid::SetFitRowsToContent(bool fit) {
    fitRows_ = fit;
    if (fit) FitRowsToContent();
}

void Grid::FitRowsToContent() {
    const int least = DefaultRowHeight();
    for (int row = 0; row < rowCount(); ++row) {
        resizeRowToContents(row);
        // A row of several lines gets a little air above and below them.
        setRowHeight(row, rowHeight(row) <= least ? least : rowHeight(row) + 6);
    }
    setFixedHeight(FittingHeight());
}

void Grid::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    if (fitRows_) FitRowsToContent();
}

void Grid::SetColumnAlignment(int column, Qt::Alignment alignment) {
    if (column < 0 || column >= columnCount()) return;
    columns_[static_cast<std::size_t>(column)].alignment = alignment & Qt::AlignHorizontal_Mask;
    RestyleColumn(column);
}

Qt::Alignment Grid::ColumnAlignment(int column) const {
    const ColumnStyle* style = Style(column);
    return style != nullptr ? style->alignment : Qt::Alignment(Qt::AlignLeft);
}

void Grid::SetColumnHidden(int column, bool hidden) { setColumnHidden(column, hidden); }

void Grid::SetColumnEditable(int column, bool editable) {
    if (column < 0 || column >= columnCount()) return;
    columns_[static_cast<std::size_t>(column)].editable = editable;
    RestyleColumn(column);
    UpdateEditTriggers();
}

bool Grid::ColumnEditable(int column) const {
    const ColumnStyle* style = Style(column);
    return style != nullptr && style->editable;
}

void Grid::SetReadOnly() {
    for (int column = 0; column < columnCount(); ++column) SetColumnEditable(column, false);
}

void Grid::SetLabelColumn(int column, bool label) {
    if (column < 0 || column >= columnCount()) return;
    ColumnStyle& style = columns_[static_cast<std::size_t>(column)];
    style.label = label;
    if (label) style.alignment = Qt::AlignRight;
    for (int row = 0; row < rowCount(); ++row) {
        QTableWidgetItem* cell = item(row, column);
        if (cell == nullptr) continue;
        if (!label) {
            cell->setData(Qt::ForegroundRole, QVariant());
            cell->setData(Qt::BackgroundRole, QVariant());
        }
        StyleItem(cell, column);
    }
}

bool Grid::IsLabelColumn(int column) const {
    const ColumnStyle* style = Style(column);
    return style != nullptr && style->label;
}

void Grid::SetSpinColumn(int column, bool spin) {
    if (column < 0 || column >= columnCount()) return;
    columns_[static_cast<std::size_t>(column)].spin = spin;
    if (spin) {
        SetColumnEditable(column, true);
    }
}

bool Grid::IsSpinColumn(int column) const {
    const ColumnStyle* style = Style(column);
    return style != nullptr && style->spin;
}

// A key typed on a cell replaces its text, as in a spreadsheet; F2 and a
// double click edit it in place.
bool Grid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    replaceOnEdit_ = trigger == AnyKeyPressed;
    const bool opened = QTableWidget::edit(index, trigger, event);
    replaceOnEdit_ = false;
    return opened;
}

// The edit shortcuts belong to the grid while it has the focus: Ctrl+C copies
// the current cell and Ctrl+A selects, and neither they nor Ctrl+X and Ctrl+V
// reach the window's menu commands.
bool Grid::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut) ||
            key->matches(QKeySequence::Paste) || key->matches(QKeySequence::SelectAll)) {
            event->accept();
            return true;
        }
    }
    return QTableWidget::event(event);
}

void Grid::UpdateEditTriggers() {
    const bool anyEditable = std::any_of(columns_.begin(), columns_.end(),
                                         [](const ColumnStyle& style) { return style.editable; });
    setEditTriggers(anyEditable
                        ? QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                              QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed
                        : QAbstractItemView::NoEditTriggers);
}

void Grid::SetDefaultRowHeight(int height) {
    verticalHeader()->setDefaultSectionSize(height);
    for (int row = 0; row < rowCount(); ++row) setRowHeight(row, height);
}

int Grid::DefaultRowHeight() const { return verticalHeader()->defaultSectionSize(); }

void Grid::SetRowHeight(int row, int height) { setRowHeight(row, height); }

void Grid::SetRowColor(int row, const QColor& color) {
    for (int column = 0; column < columnCount(); ++column) {
        if (QTableWidgetItem* cell = CellItem(column, row)) cell->setBackground(color);
    }
}

void Grid::SetRowBarVisible(bool visible) {
    rowBar_ = visible;
    UpdateRowBar();
}

bool Grid::RowBarVisible() const { return rowBar_; }

void Grid::UpdateRowBar() {
    verticalHeader()->setVisible(rowBar_);
    if (rowBar_) {
        verticalHeader()->setFixedWidth(14);
        setSelectionMode(QAbstractItemView::ExtendedSelection);
    } else {
        clearSelection();
        setSelectionMode(QAbstractItemView::NoSelection);
    }
    setSelectionBehavior(QAbstractItemView::SelectItems);
}

bool Grid::RowSelected(int row) const {
    if (row < 0 || row >= rowCount() || selectionModel() == nullptr) return false;
    bool anyColumn = false;
    for (int column = 0; column < columnCount(); ++column) {
        if (isColumnHidden(column)) continue;
        anyColumn = true;
        if (!selectionModel()->isSelected(model()->index(row, column))) return false;
    }
    return anyColumn;
}

std::vector<int> Grid::SelectedRows() const {
    std::vector<int> rows;
    for (int row = 0; row < rowCount(); ++row) {
        if (RowSelected(row)) rows.push_back(row);
    }
    return rows;
}

void Grid::SetRowSelected(int row, bool selected) {
    if (row < 0 || row >= rowCount() || columnCount() == 0) return;
    const QItemSelection range(model()->index(row, 0), model()->index(row, columnCount() - 1));
    selectionModel()->select(
        range, selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

void Grid::SetHint(const QString& hint) {
    setToolTip(hint);
    setStatusTip(hint);
}

int Grid::FittingHeight() const {
    int height = 2 * frameWidth();
    if (HeadingVisible()) height += HeadingHeight();
    for (int row = 0; row < rowCount(); ++row) height += rowHeight(row);
    return height;
}

void Grid::CellEdited(int column, int row) {
    if (onCellEdit) onCellEdit(column, row);
}

}  // namespace quill
