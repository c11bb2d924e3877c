#include "TipPrintPreview.h"

#include "Conversions.h"
#include "base/MessageTable.h"
#include "rules/output/TipListing.h"

#include <QFontDatabase>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kColumns = 1 + TipRow::kWhiteCount + 1;

void putCell(QTextTable* table, int row, int column, const QString& text,
             const QTextCharFormat& format, Qt::Alignment alignment = Qt::AlignRight) {
    QTextCursor cursor = table->cellAt(row, column).firstCursorPosition();
    QTextBlockFormat block = cursor.blockFormat();
    block.setAlignment(alignment);
    cursor.setBlockFormat(block);
    cursor.insertText(text, format);
}

} // namespace

std::unique_ptr<QTextDocument> tipPageDocument(const TipPage& page, const MessageTable& messages,
                                               const QFont& font) {
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(font);
    QTextCursor cursor(document.get());

    QTextCharFormat title;
    title.setFontPointSize(font.pointSizeF() * 1.5);
    title.setFontWeight(QFont::Bold);
    cursor.insertText(qs(page.title), title);

    QTextCharFormat plain;
    QTextCharFormat heading;
    heading.setFontWeight(QFont::Bold);
    QTextCharFormat powerball;
    powerball.setFontWeight(QFont::Bold);
    // Digits of equal width, so that the columns stand in any font.
    powerball.setFontFixedPitch(true);
    plain.setFontFixedPitch(true);

    QTextTableFormat format;
    format.setHeaderRowCount(1);
    format.setCellPadding(font.pointSizeF() * 0.5);
    format.setCellSpacing(0);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    format.setTopMargin(font.pointSizeF());
    QList<QTextLength> widths;
    widths << QTextLength(QTextLength::PercentageLength, 16);
    for (int f = 0; f < TipRow::kWhiteCount; ++f)
        widths << QTextLength(QTextLength::PercentageLength, 11);
    widths << QTextLength(QTextLength::PercentageLength, 29);
    format.setColumnWidthConstraints(widths);

    const int rowCount = static_cast<int>(page.rows.size()) + 1;
    QTextTable* table = cursor.insertTable(rowCount, kColumns, format);
    table->mergeCells(0, 1, 1, TipRow::kWhiteCount);
    putCell(table, 0, 1, qs(messages.text(Msg::PrintNumbers)), heading, Qt::AlignHCenter);
    putCell(table, 0, kColumns - 1, qs(messages.text(Msg::PrintPowerball)), heading,
            Qt::AlignHCenter);

    // The Powerball column stands apart: a rule on its left and a tint of the palette's
    // alternate base, which prints light on paper.
    QTextTableCellFormat apart;
    apart.setLeftBorder(1);
    apart.setLeftBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    apart.setBackground(QColor(0xee, 0xee, 0xee));
    for (int r = 0; r < rowCount; ++r) {
        QTextTableCell cell = table->cellAt(r, kColumns - 1);
        cell.setFormat(apart);
    }
    for (int r = 1; r < rowCount; ++r) {
        const TipListing::Row& row = page.rows[static_cast<std::size_t>(r - 1)];
        putCell(table, r, 0, qs(TipListing::rowPrefix(row.rowIndex)).trimmed(), plain,
                Qt::AlignLeft);
        for (int f = 0; f < TipRow::kWhiteCount; ++f)
            putCell(table, r, 1 + f, QString::number(row.white[f]), plain);
        putCell(table, r, kColumns - 1, QString::number(row.powerball), powerball,
                Qt::AlignHCenter);
    }
    return document;
}

// The print dialog with a preview of `document`, titled in the language in use.
void showPrintPreview(const QTextDocument& document, const QString& title, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(u"Tipp"_s);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(u"printPreview"_s);
    dialog.setWindowTitle(title);
    // Large enough to read the page without zooming first.
    dialog.resize(780, 860);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&document](QPrinter* target) { document.print(target); });
    dialog.exec();
}

void showTipPrintPreview(const TipPage& page, const MessageTable& messages, QWidget* parent) {
    const std::unique_ptr<QTextDocument> document =
        tipPageDocument(page, messages, parent ? parent->font() : QFont());
    showPrintPreview(*document, qs(messages.text(Msg::PrintCaption)), parent);
}

void showListingPrintPreview(const QString& listing, const QString& title, QWidget* parent) {
    QTextDocument document;
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(11);
    document.setDefaultFont(font);
    // The listing ends its lines in CR LF; the document wants plain line breaks.
    QString text = listing;
    text.remove(u'\r');
    document.setPlainText(text);
    showPrintPreview(document, title, parent);
}

} // namespace powerball::ui
