#pragma once

#include "rules/sheet/TipSheet.h"

#include <QWidget>

#include <array>

class QLabel;
class QToolButton;

namespace powerball::ui {

class ClickableLabel;
class TipFieldEdit;

// The 12 tip rows of the first page: per row the caption that shows the lock, five white
// numbers, the edit button, the Powerball, the hidden extra field, the hit text and the
// cross sum. Every control carries the component name of the row's field.
class TipSheetView : public QWidget {
    Q_OBJECT

public:
    explicit TipSheetView(QWidget* parent = nullptr);

    void showSheet(const TipSheet& sheet);

Q_SIGNALS:
    void fieldEdited(int row, int field, const QString& text);
    void fieldLeft();
    void captionClicked(int row);
    void editRequested(int row);

private:
    struct RowWidgets {
        ClickableLabel* caption = nullptr;
        std::array<TipFieldEdit*, TipRow::kFieldCount> fields{};
        QToolButton* editButton = nullptr;
        QLabel* hits = nullptr;
        QLabel* crossSum = nullptr;
    };

    void buildRow(int row);
    void showRow(const RowWidgets& widgets, const TipRow& row);

    std::array<RowWidgets, TipSheet::kRowCount> m_rows;
};

} // namespace powerball::ui
