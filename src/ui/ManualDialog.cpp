#include "ManualDialog.h"

#include "Conversions.h"
#include "LanguagePass.h"
#include "base/FileReading.h"
#include "base/MessageTable.h"
#include "base/TextDecoding.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr std::size_t kMaxManualBytes = 4 * 1024 * 1024;

} // namespace

std::filesystem::path ManualDialog::manualFile() {
    return toPath(QCoreApplication::applicationDirPath()) / ".." / "share" / "velmar-powerball" /
           "manual.md";
}

ManualDialog::ManualDialog(const std::filesystem::path& file, const MessageTable& messages,
                           QWidget* parent)
    : QDialog(parent) {
    setObjectName(u"manualDialog"_s);
    setWindowTitle(u"Handbuch"_s);
    setModal(false);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(u"manualText"_s);
    m_browser->setOpenExternalLinks(true);
    LanguagePass::keepText(m_browser);
    try {
        m_browser->setMarkdown(qs(TextDecoding::toUtf8(readFileBytes(file, kMaxManualBytes))));
    } catch (const std::exception& failure) {
        m_browser->setPlainText(
            qs(fillPlaceholders(messages.text(Msg::ManualMissing), {failure.what()})));
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    // Qt's own texts speak the language in use.
    for (QAbstractButton* button : buttons->buttons())
        LanguagePass::keepText(button);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser, 1);
    layout->addWidget(buttons);
    resize(760, 640);
}

} // namespace powerball::ui
