#include "MessagePage.h"

#include "Conversions.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

MessagePage::MessagePage(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    m_messages = new QListWidget(this);
    m_messages->setObjectName(u"messageTableView"_s);
    m_messages->setSelectionMode(QAbstractItemView::NoSelection);
    layout->addWidget(m_messages);
    m_answerBuffer = new QPlainTextEdit(this);
    m_answerBuffer->setObjectName(u"answerBuffer"_s);
    layout->addWidget(m_answerBuffer);
}

void MessagePage::showState(const AppState& state) {
    const MessageTable& table = state.messages;
    if (m_messages->count() != table.size()) {
        m_messages->clear();
        for (int i = 0; i < table.size(); ++i)
            m_messages->addItem(QString());
    }
    for (int i = 0; i < table.size(); ++i) {
        const QString text = qs(table.text(i));
        if (m_messages->item(i)->text() != text)
            m_messages->item(i)->setText(text);
    }
}

} // namespace powerball::ui
