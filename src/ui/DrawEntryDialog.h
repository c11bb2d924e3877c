#pragma once

#include "base/MessageTable.h"
#include "ports/DrawEntry.h"

#include <QColor>
#include <QDialog>

#include <array>

class QAbstractSpinBox;
class QDate;
class QDateEdit;
class QLabel;
class QSpinBox;

namespace powerball::ui {

// "Zahlen der Ziehung eingeben": the date and the numbers of one draw in a single row.
class DrawEntryDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kDesignedClientWidth = 473;
    static constexpr int kDesignedClientHeight = 101;
    // The ground of a field whose value the draw rule refused.
    static constexpr QColor kRefusedColor{255, 205, 205};

    // OK checks the values against the draw rule: values it refuses keep the dialog open
    // with the field marked and the reason shown, in the language of `messages`.
    explicit DrawEntryDialog(const DrawEntry& prefilled, const MessageTable& messages,
                             QWidget* parent = nullptr);

    // The values as they stand in the dialog.
    DrawEntry entry() const;

    void accept() override;

private:
    void followEraOf(const QDate& date);
    QSpinBox* spin(const QString& name, int minimum, int maximum, int value);
    // The date picker and the spins in the order the draw rule counts its fields.
    QAbstractSpinBox* field(int index) const;
    void markField(int index);

    const MessageTable& m_messages;
    QLabel* m_reason = nullptr;
    QDateEdit* m_date = nullptr;
    std::array<QSpinBox*, 5> m_white{};
    QSpinBox* m_powerball = nullptr;
    QSpinBox* m_powerPlay = nullptr;
};

} // namespace powerball::ui
