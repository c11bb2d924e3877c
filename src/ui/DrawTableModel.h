#pragma once

#include "base/FileStamp.h"
#include "base/TextFormat.h"
#include "draws/DrawFilter.h"
#include "rules/generator/HistorySnapshot.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QStringList>

#include <cstdint>
#include <filesystem>

namespace powerball::ui {

// Every stored draw as a row, newest first: date, weekday, the five white numbers, Powerball,
// Power Play and cross sum. It reads the draw file itself and reads it again whenever the file
// changed (an update, an import, a delete, an undo, another program), so it never shows a
// stale copy.
class DrawTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        Date,
        Weekday,
        FirstWhite,
        Powerball = FirstWhite + 5,
        PowerPlay,
        CrossSum,
        Count
    };
    // The role that sorts: the date as a day number, the numbers as numbers.
    static constexpr int kSortRole = Qt::UserRole;

    explicit DrawTableModel(QObject* parent = nullptr);

    // The draw file to show; reads it when it is another than before.
    void setFile(const std::filesystem::path& file);
    // Reads the file again when it changed since the last look; returns whether it did.
    bool refresh();
    // The captions of the columns that have words (date, weekday, Powerball, Power Play, cross
    // sum), in the language in use.
    void setCaptions(const QStringList& captions);
    // How dates and weekdays are written: the language in use and its choice of formats.
    void setTextFormat(const TextFormat& format);

    double dateAt(int row) const;
    // The row of the draw of that date, -1 when none is stored.
    int rowOf(double date) const;
    const HistorySnapshot::Draw& drawAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::filesystem::path m_file;
    HistorySnapshot m_history{{}};
    // What the file looked like at the last look.
    std::uint64_t m_writes = 0;
    FileStamp m_stamp;
    int m_rows = 0;
    QStringList m_captions;
    TextFormat m_format;
};

// The quick filter over the table: the words of the filter text, as the core reads them.
class DrawFilterProxy : public QSortFilterProxyModel {
    Q_OBJECT

public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setFilterWords(const QString& text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    DrawFilter m_filter;
};

} // namespace powerball::ui
