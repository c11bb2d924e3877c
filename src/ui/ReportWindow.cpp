#include "ReportWindow.h"

#include "Conversions.h"
#include "LanguagePass.h"
#include "base/AtomicFile.h"
#include "base/FileReading.h"
#include "base/MessageTable.h"
#include "base/TextDecoding.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

// Reports are a few hundred lines; anything far beyond is no report of this program.
constexpr std::size_t kMaxReportBytes = 16 * 1024 * 1024;

QPushButton* button(QWidget* owner, const QString& name, const QString& caption) {
    auto* made = new QPushButton(caption, owner);
    made->setObjectName(name);
    made->setAutoDefault(false);
    return made;
}

} // namespace

ReportWindow::ReportWindow(const MessageTable& messages, QWidget* parent)
    : QDialog(parent), m_messages(messages) {
    setObjectName(u"reportWindow"_s);
    // The title is the file's name, in every language.
    LanguagePass::keepText(this);
    setModal(false);

    m_view = new QPlainTextEdit(this);
    m_view->setObjectName(u"reportText"_s);
    m_view->setReadOnly(true);
    m_view->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    LanguagePass::keepText(m_view);

    m_note = new QLabel(this);
    m_note->setObjectName(u"reportNote"_s);
    m_note->setWordWrap(true);
    m_note->setTextFormat(Qt::PlainText);
    m_note->hide();
    LanguagePass::keepText(m_note);

    m_save = button(this, u"reportSaveButton"_s, u"Speichern &unter…"_s);
    QPushButton* print = button(this, u"reportPrintButton"_s, u"&Drucken…"_s);
    QPushButton* open = button(this, u"reportOpenButton"_s, u"Mit Standardprogramm ö&ffnen"_s);
    QPushButton* close = button(this, u"reportCloseButton"_s, u"&Schließen"_s);
    connect(m_save, &QPushButton::clicked, this, &ReportWindow::saveAs);
    connect(print, &QPushButton::clicked, this, &ReportWindow::print);
    connect(open, &QPushButton::clicked, this, &ReportWindow::openWithDesktop);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_save);
    buttons->addWidget(print);
    buttons->addWidget(open);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_note);
    layout->addLayout(buttons);
    resize(720, 520);
}

void ReportWindow::showFile(const std::filesystem::path& file) {
    m_file = file;
    setNote({});
    try {
        m_bytes = readFileBytes(file, kMaxReportBytes);
        m_view->setPlainText(qs(TextDecoding::toUtf8(m_bytes)).remove(u'\r'));
    } catch (const std::exception& failure) {
        m_bytes.clear();
        m_view->clear();
        setNote(qs(failure.what()));
    }
    setWindowTitle(qs(file.filename().string()));
}

QString ReportWindow::text() const {
    return m_view->toPlainText();
}

std::optional<QString> ReportWindow::saveTo(const std::filesystem::path& target) {
    try {
        saveFileAtomically(target, m_bytes);
        return std::nullopt;
    } catch (const std::exception& failure) {
        return qs(fillPlaceholders(m_messages.text(Msg::ReportSaveFailed),
                                   {target.string(), failure.what()}));
    }
}

void ReportWindow::saveAs() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString proposed = folder + u'/' + qs(m_file.filename().string());
    const QString chosen = QFileDialog::getSaveFileName(this, m_save->text().remove(u'&'), proposed,
                                                        qs(m_messages.text(Msg::ReportSaveFilter)));
    if (chosen.isEmpty())
        return;
    setNote(saveTo(toPath(chosen)).value_or(QString()));
}

void ReportWindow::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(qs(m_file.stem().string()));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QTextDocument document;
    document.setDefaultFont(m_view->font());
    document.setPlainText(text());
    document.print(&printer);
}

void ReportWindow::openWithDesktop() {
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(qs(m_file.string()))))
        setNote(qs(fillPlaceholders(m_messages.text(Msg::ReportNoViewer), {m_file.string()})));
}

void ReportWindow::setNote(const QString& note) {
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
}

} // namespace powerball::ui
