#include "TipPrintPreview.h"

#include <QFontDatabase>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

void showTipPrintPreview(const QString& listing, const QString& title, QWidget* parent) {
    QTextDocument document;
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(11);
    document.setDefaultFont(font);
    // The listing ends its lines in CR LF; the document wants plain line breaks.
    QString text = listing;
    text.remove(u'\r');
    document.setPlainText(text);

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

} // namespace powerball::ui
