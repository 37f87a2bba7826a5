#include "string_grid.h"

StringGrid::StringGrid(int columnCount, int rowCount, QObject *parent)
    : QAbstractTableModel(parent)
    , m_columnCount(columnCount)
    , m_cells(rowCount, QStringList(QVector<QString>(columnCount)))
{}

int StringGrid::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows();
}

int StringGrid::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columnCount;
}

QVariant StringGrid::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return cell(index.column(), index.row());
}

// The fixed title row and number column double as the headers, so a view can keep them in
// place while the items scroll.
QVariant StringGrid::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::TextAlignmentRole && orientation == Qt::Horizontal &&
        m_titleAlignment.contains(section))
        return int(m_titleAlignment.value(section));
    if (role != Qt::DisplayRole)
        return {};
    return orientation == Qt::Horizontal ? cell(section, 0) : cell(0, section);
}

bool StringGrid::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    setCell(index.column(), index.row(), value.toString());
    return true;
}

void StringGrid::setTitleAlignment(int column, Qt::Alignment alignment)
{
    m_titleAlignment.insert(column, alignment);
    emit headerDataChanged(Qt::Horizontal, column, column);
}

QString StringGrid::cell(int column, int row) const
{
    if (row < 0 || row >= rows() || column < 0 || column >= m_columnCount)
        return {};
    return m_cells.at(row).at(column);
}

void StringGrid::setCell(int column, int row, const QString &text)
{
    if (row < 0 || row >= rows() || column < 0 || column >= m_columnCount)
        return;
    QString &target = m_cells[row][column];
    if (target == text)
        return;
    target = text;
    noteChanged(column, row);
}

QStringList StringGrid::rowCells(int row) const
{
    if (row < 0 || row >= rows())
        return QStringList(QVector<QString>(m_columnCount));
    return m_cells.at(row);
}

void StringGrid::setRowCells(int row, const QStringList &cells)
{
    GridBatch batch(*this);
    for (int column = 0; column < m_columnCount; ++column)
        setCell(column, row, cells.value(column));
}

void StringGrid::setRowCount(int count)
{
    count = qMax(0, count);
    if (count > rows()) {
        beginInsertRows({}, rows(), count - 1);
        m_cells.resize(count, QStringList(QVector<QString>(m_columnCount)));
        endInsertRows();
    } else if (count < rows()) {
        beginRemoveRows({}, count, rows() - 1);
        m_cells.resize(count);
        endRemoveRows();
    }
}

void StringGrid::insertRowAt(int row)
{
    row = qBound(0, row, rows());
    beginInsertRows({}, row, row);
    m_cells.insert(row, QStringList(QVector<QString>(m_columnCount)));
    endInsertRows();
}

void StringGrid::removeRowAt(int row)
{
    if (row < 0 || row >= rows())
        return;
    beginRemoveRows({}, row, row);
    m_cells.removeAt(row);
    endRemoveRows();
}

void StringGrid::moveRowTo(int from, int to)
{
    if (from < 0 || from >= rows() || to < 0 || to >= rows() || from == to)
        return;
    // Qt's destination is the row before which the moved row lands, counted before the move.
    const int destination = to > from ? to + 1 : to;
    beginMoveRows({}, from, from, {}, destination);
    m_cells.move(from, to);
    endMoveRows();
}

void StringGrid::clearRows(int firstRow)
{
    GridBatch batch(*this);
    for (int row = qMax(0, firstRow); row < rows(); ++row)
        for (int column = 0; column < m_columnCount; ++column)
            setCell(column, row, QString());
}

void StringGrid::beginBatch()
{
    ++m_batchDepth;
}

void StringGrid::endBatch()
{
    if (m_batchDepth == 0 || --m_batchDepth > 0 || m_dirtyTop < 0)
        return;
    const QModelIndex topLeft = index(m_dirtyTop, m_dirtyLeft);
    const QModelIndex bottomRight = index(qMin(m_dirtyBottom, rows() - 1), m_dirtyRight);
    m_dirtyTop = m_dirtyBottom = m_dirtyLeft = m_dirtyRight = -1;
    if (topLeft.isValid() && bottomRight.isValid())
        emitChanged(topLeft, bottomRight);
}

void StringGrid::emitChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight)
{
    emit dataChanged(topLeft, bottomRight, {Qt::DisplayRole, Qt::EditRole});
    if (topLeft.row() == 0)
        emit headerDataChanged(Qt::Horizontal, topLeft.column(), bottomRight.column());
    if (topLeft.column() == 0)
        emit headerDataChanged(Qt::Vertical, topLeft.row(), bottomRight.row());
}

void StringGrid::noteChanged(int column, int row)
{
    if (m_batchDepth == 0) {
        const QModelIndex changed = index(row, column);
        emitChanged(changed, changed);
        return;
    }
    if (m_dirtyTop < 0) {
        m_dirtyTop = m_dirtyBottom = row;
        m_dirtyLeft = m_dirtyRight = column;
        return;
    }
    m_dirtyTop = qMin(m_dirtyTop, row);
    m_dirtyBottom = qMax(m_dirtyBottom, row);
    m_dirtyLeft = qMin(m_dirtyLeft, column);
    m_dirtyRight = qMax(m_dirtyRight, column);
}
