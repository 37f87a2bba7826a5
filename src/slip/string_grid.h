#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>
#include <QVector>

// The cells of a string grid: every cell holds text. Row 0 and column 0 are the fixed
// title row and number column, held like any other cell; views decide how to show them.
// Cells are addressed (column, row), the order the whole program uses.
class StringGrid : public QAbstractTableModel
{
    Q_OBJECT
public:
    StringGrid(int columnCount, int rowCount, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    int rows() const { return int(m_cells.size()); }
    int columns() const { return m_columnCount; }

    // Out-of-range reads give the empty text; out-of-range writes are ignored.
    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString &text);

    // How views align the title of a column (row 0) in their header; centred unless set.
    void setTitleAlignment(int column, Qt::Alignment alignment);

    QStringList rowCells(int row) const;
    void setRowCells(int row, const QStringList &cells);

    // Grows or shrinks to the given number of rows (new rows empty).
    void setRowCount(int count);
    void insertRowAt(int row);
    void removeRowAt(int row);
    void moveRowTo(int from, int to);
    void clearRows(int firstRow);

    // Changes made between beginBatch and endBatch reach views as one dataChanged, so a
    // recalculation of a long slip repaints once. Batches nest.
    void beginBatch();
    void endBatch();

private:
    void noteChanged(int column, int row);
    void emitChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight);

    int m_columnCount;
    QVector<QStringList> m_cells;
    QHash<int, Qt::Alignment> m_titleAlignment;
    int m_batchDepth = 0;
    int m_dirtyTop = -1;
    int m_dirtyBottom = -1;
    int m_dirtyLeft = -1;
    int m_dirtyRight = -1;
};

// Keeps a batch open for the lifetime of the object.
class GridBatch
{
public:
    explicit GridBatch(StringGrid &grid)
        : m_grid(grid)
    {
        m_grid.beginBatch();
    }
    ~GridBatch() { m_grid.endBatch(); }
    GridBatch(const GridBatch &) = delete;
    GridBatch &operator=(const GridBatch &) = delete;

private:
    StringGrid &m_grid;
};
