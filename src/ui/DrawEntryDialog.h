#pragma once

#include "ports/DrawEntry.h"

#include <QDialog>

#include <array>

class QDate;
class QDateEdit;
class QSpinBox;

namespace powerball::ui {

// "Zahlen der Ziehung eingeben": the date and the numbers of one draw in a single row.
class DrawEntryDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kDesignedClientWidth = 473;
    static constexpr int kDesignedClientHeight = 101;

    explicit DrawEntryDialog(const DrawEntry& prefilled, QWidget* parent = nullptr);

    // The values as they stand in the dialog.
    DrawEntry entry() const;

private:
    void followEraOf(const QDate& date);
    QSpinBox* spin(const QString& name, int minimum, int maximum, int value);

    QDateEdit* m_date = nullptr;
    std::array<QSpinBox*, 5> m_white{};
    QSpinBox* m_powerball = nullptr;
    QSpinBox* m_powerPlay = nullptr;
};

} // namespace powerball::ui
