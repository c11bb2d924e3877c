#include "InternetOptionsPage.h"
#include "LanguagePass.h"
#include "NamedLabel.h"

#include "Conversions.h"
#include "Links.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

// A label showing a web address that the system's browser opens when clicked.
QLabel* linkLabel(const QString& name, const QString& address, QWidget* parent) {
    auto* label = new QLabel(u"<a href=\"%1\">%1</a>"_s.arg(address), parent);
    label->setObjectName(name);
    // An address reads the same in every language.
    LanguagePass::keepText(label);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    label->setOpenExternalLinks(true);
    return label;
}

} // namespace

InternetOptionsPage::InternetOptionsPage(QWidget* parent) : QWidget(parent) {
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(12, 12, 12, 12);
    page->setSpacing(8);

    auto* proxy = new QFormLayout;
    m_proxyHost = new QLineEdit(this);
    m_proxyHost->setObjectName(u"ProxyHostEdit"_s);
    connect(m_proxyHost, &QLineEdit::textEdited, this, &InternetOptionsPage::proxyHostEdited);
    proxy->addRow(namedLabel(u"proxyHostLabel"_s, u"Proxy-Server:"_s, this), m_proxyHost);
    m_proxyPort = new QLineEdit(this);
    m_proxyPort->setObjectName(u"ProxyPortEdit"_s);
    connect(m_proxyPort, &QLineEdit::textEdited, this, &InternetOptionsPage::proxyPortEdited);
    proxy->addRow(namedLabel(u"proxyPortLabel"_s, u"Port:"_s, this), m_proxyPort);
    m_url = new QLineEdit(this);
    m_url->setObjectName(u"URLEdit"_s);
    connect(m_url, &QLineEdit::textEdited, this, &InternetOptionsPage::urlEdited);
    proxy->addRow(namedLabel(u"urlLabel"_s, u"Internetquelle für Lottozahlenabruf"_s, this), m_url);
    page->addLayout(proxy);

    page->addSpacing(12);
    page->addWidget(
        namedLabel(u"updatesLabel"_s, u"Updates und die neueste Version gibt es bei:"_s, this));
    page->addWidget(linkLabel(u"makerLinkLabel"_s, makerHomePage(), this));
    page->addSpacing(8);
    page->addWidget(namedLabel(u"drawsAndOddsLabel"_s,
                               u"Die aktuellen Ziehungen und Quoten finden unter:"_s, this));
    page->addWidget(linkLabel(u"drawsLinkLabel"_s, drawsAndOddsPage(), this));
    page->addStretch(1);
}

void InternetOptionsPage::showState(const AppState& state) {
    const QString host = qs(state.internet.proxyHost);
    if (m_proxyHost->text() != host)
        m_proxyHost->setText(host);
    const QString port = qs(state.internet.proxyPort);
    if (m_proxyPort->text() != port)
        m_proxyPort->setText(port);
    const QString url = qs(state.internet.url);
    if (m_url->text() != url)
        m_url->setText(url);
}

} // namespace powerball::ui
