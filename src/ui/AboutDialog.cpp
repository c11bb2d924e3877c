#include "AboutDialog.h"

#include "LanguagePass.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(u"aboutDialog"_s);
    setWindowTitle(u"Über Velmars Lumero"_s);

    auto* title = new QLabel(u"Velmars Lumero for PowerBall®"_s, this);
    title->setObjectName(u"aboutTitle"_s);
    QFont bigger = title->font();
    bigger.setPointSizeF(bigger.pointSizeF() * 1.3);
    bigger.setBold(true);
    title->setFont(bigger);
    LanguagePass::keepText(title);

    m_text = new QLabel(this);
    m_text->setObjectName(u"aboutText"_s);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    // Folders and file names can be copied from here.
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    LanguagePass::keepText(m_text);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    // Qt's own texts speak the language in use.
    for (QAbstractButton* button : buttons->buttons())
        LanguagePass::keepText(button);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(m_text, 1);
    layout->addWidget(buttons);
    setMinimumWidth(480);
}

void AboutDialog::setLines(const QStringList& lines) {
    m_text->setText(lines.join(u"\n\n"_s));
}

QString AboutDialog::text() const {
    return m_text->text();
}

} // namespace powerball::ui
