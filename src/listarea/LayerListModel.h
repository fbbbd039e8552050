#pragma once
// The layer list's table: the texts ComputeLayerList gives, with the
// columns' titles and alignments. Window-free; CLayerDlg shows it.

#include "listarea/LayerListRows.h"

#include <QAbstractTableModel>

namespace tavelin
{

class LayerListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<LayerListTexts> rows);
    const std::vector<LayerListTexts>& rows() const { return m_rows; }
    void clear() { setRows({}); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    static Qt::Alignment ColumnAlignment(int column);

private:
    std::vector<LayerListTexts> m_rows;
};

} // namespace tavelin
