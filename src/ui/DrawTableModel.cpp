#include "DrawTableModel.h"

#include "Conversions.h"
#include "base/DrawCalendar.h"
#include "draws/DrawHistory.h"

#include <algorithm>

namespace powerball::ui {

DrawTableModel::DrawTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void DrawTableModel::setFile(const std::filesystem::path& file) {
    if (file == m_file)
        return;
    beginResetModel();
    m_file = file;
    m_history = HistorySnapshot(file);
    m_writes = DrawHistory::writeCount();
    m_stamp = FileStamp::of(file);
    m_history.refresh();
    m_rows = static_cast<int>(m_history.draws().size());
    endResetModel();
}

bool DrawTableModel::refresh() {
    // Most looks find the file as it was: nothing is read or compared then.
    const std::uint64_t writes = DrawHistory::writeCount();
    const FileStamp stamp = FileStamp::of(m_file);
    if (writes == m_writes && stamp == m_stamp)
        return false;
    m_writes = writes;
    m_stamp = stamp;
    // The rows are compared by their dates and numbers, so a write that left the draws as
    // they were leaves the view (its current row) alone.
    std::vector<HistorySnapshot::Draw> before = m_history.draws();
    m_history.refresh();
    const std::vector<HistorySnapshot::Draw>& after = m_history.draws();
    const bool same =
        std::equal(before.begin(), before.end(), after.begin(), after.end(),
                   [](const HistorySnapshot::Draw& a, const HistorySnapshot::Draw& b) {
                       return a.date == b.date && a.numbers == b.numbers;
                   });
    if (same)
        return false;
    beginResetModel();
    m_rows = static_cast<int>(after.size());
    endResetModel();
    return true;
}

void DrawTableModel::setCaptions(const QStringList& captions) {
    if (captions == m_captions)
        return;
    m_captions = captions;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, Count - 1);
}

void DrawTableModel::setTextFormat(const TextFormat& format) {
    if (format == m_format)
        return;
    m_format = format;
    if (m_rows > 0)
        Q_EMIT dataChanged(index(0, Date), index(m_rows - 1, Weekday), {Qt::DisplayRole});
}

const HistorySnapshot::Draw& DrawTableModel::drawAt(int row) const {
    // Newest first: the file keeps the draws in date order.
    return m_history.draws()[static_cast<std::size_t>(m_rows - 1 - row)];
}

double DrawTableModel::dateAt(int row) const {
    return drawAt(row).date;
}

int DrawTableModel::rowOf(double date) const {
    const DayNumber day = DrawCalendar::roundToDay(date);
    for (int row = 0; row < m_rows; ++row)
        if (DrawCalendar::roundToDay(dateAt(row)) == day)
            return row;
    return -1;
}

int DrawTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int DrawTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count;
}

QVariant DrawTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows)
        return {};
    const HistorySnapshot::Draw& draw = drawAt(index.row());
    const DayNumber day = DrawCalendar::datePart(draw.date);
    const int column = index.column();
    int number = 0;
    if (column >= FirstWhite && column < Powerball)
        number = draw.numbers.white(column - FirstWhite + 1);
    else if (column == Powerball)
        number = draw.numbers.powerball();
    else if (column == PowerPlay)
        number = draw.numbers.powerPlay();
    else if (column == CrossSum)
        number = draw.numbers.crossSum();

    switch (role) {
    case Qt::DisplayRole:
        if (column == Date)
            return qs(m_format.date(day));
        if (column == Weekday)
            return qs(m_format.weekday(day));
        // Draws from before Power Play have none.
        if (column == PowerPlay && number == 0)
            return QString();
        return QString::number(number);
    case kSortRole:
        if (column == Date)
            return draw.date;
        if (column == Weekday)
            return (DrawCalendar::weekday(day) + 6) % 7; // Monday first
        return number;
    case Qt::TextAlignmentRole:
        return column <= Weekday ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                 : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant DrawTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section >= FirstWhite && section < Powerball)
        return QString::number(section - FirstWhite + 1);
    int caption = -1;
    switch (section) {
    case Date:
        caption = 0;
        break;
    case Weekday:
        caption = 1;
        break;
    case Powerball:
        caption = 2;
        break;
    case PowerPlay:
        caption = 3;
        break;
    case CrossSum:
        caption = 4;
        break;
    default:
        break;
    }
    return caption >= 0 && caption < m_captions.size() ? m_captions[caption] : QVariant();
}

void DrawFilterProxy::setFilterWords(const QString& text) {
    m_filter = DrawFilter(text.toStdString());
    invalidateFilter();
}

bool DrawFilterProxy::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    if (m_filter.keepsAll())
        return true;
    const auto* table = static_cast<const DrawTableModel*>(sourceModel());
    const HistorySnapshot::Draw& draw = table->drawAt(sourceRow);
    return m_filter.passes(draw.date, draw.numbers);
}

} // namespace powerball::ui
