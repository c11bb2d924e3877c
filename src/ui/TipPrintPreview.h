#pragma once

#include "app/output/TipPrint.h"

#include <QFont>

#include <memory>

class QTextDocument;
class QWidget;

namespace powerball {
class MessageTable;
}

namespace powerball::ui {

// The printed page of the tips: the title, then a table with a row per tip, the five numbers
// in aligned columns and the Powerball in a column of its own, set apart, in `font`.
std::unique_ptr<QTextDocument> tipPageDocument(const TipPage& page, const MessageTable& messages,
                                               const QFont& font);

// The platform's print dialog with a preview of that page. The dialog also prints to PDF.
void showTipPrintPreview(const TipPage& page, const MessageTable& messages, QWidget* parent);

// The print dialog with a preview of a text listing as it stands (the wheel's), set in a
// fixed-width font so its columns stand, under `title` in the language in use.
void showListingPrintPreview(const QString& listing, const QString& title, QWidget* parent);

} // namespace powerball::ui
