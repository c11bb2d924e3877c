#include "InternetOptionsPage.h"
#include "LanguagePass.h"
#include "NamedLabel.h"

#include "Conversions.h"
#include "Links.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
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
    page->addLayout(proxy);

    // Each source with its address below it; the address of the source not chosen is kept
    // but greyed.
    auto* sources = new QGroupBox(u"Ziehungsdaten von"_s, this);
    sources->setObjectName(u"drawSourceGroup"_s);
    auto* choice = new QGridLayout(sources);
    choice->setColumnMinimumWidth(0, 20);
    choice->setColumnStretch(2, 1);
    m_serverSource = new QRadioButton(u"Update-Server (Tag für Tag)"_s, sources);
    m_serverSource->setObjectName(u"ServerSourceRadio"_s);
    m_serverSource->setToolTip(u"Fragt den Update-Server für jeden Ziehungstag einzeln"_s);
    choice->addWidget(m_serverSource, 0, 0, 1, 3);
    m_url = new QLineEdit(sources);
    m_url->setObjectName(u"URLEdit"_s);
    connect(m_url, &QLineEdit::textEdited, this, &InternetOptionsPage::urlEdited);
    choice->addWidget(namedLabel(u"urlLabel"_s, u"Internetquelle für Lottozahlenabruf"_s, sources),
                      1, 1);
    choice->addWidget(m_url, 1, 2);
    m_feedSource = new QRadioButton(u"Öffentliche Ergebnisdatei (CSV)"_s, sources);
    m_feedSource->setObjectName(u"FeedSourceRadio"_s);
    m_feedSource->setToolTip(
        u"Lädt die Ergebnisdatei der Lotterie mit allen Ziehungen seit 2010 auf einmal"_s);
    choice->addWidget(m_feedSource, 2, 0, 1, 3);
    m_feedUrl = new QLineEdit(sources);
    m_feedUrl->setObjectName(u"FeedURLEdit"_s);
    connect(m_feedUrl, &QLineEdit::textEdited, this, &InternetOptionsPage::feedUrlEdited);
    choice->addWidget(namedLabel(u"feedUrlLabel"_s, u"Adresse der Ergebnisdatei"_s, sources), 3, 1);
    choice->addWidget(m_feedUrl, 3, 2);
    connect(m_serverSource, &QRadioButton::clicked, this,
            [this] { Q_EMIT sourceChosen(DrawSource::Server); });
    connect(m_feedSource, &QRadioButton::clicked, this,
            [this] { Q_EMIT sourceChosen(DrawSource::Feed); });
    page->addWidget(sources);

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
    const QString feedUrl = qs(state.internet.feedUrl);
    if (m_feedUrl->text() != feedUrl)
        m_feedUrl->setText(feedUrl);
    const bool fromFeed = state.internet.source == DrawSource::Feed;
    m_feedSource->setChecked(fromFeed);
    m_serverSource->setChecked(!fromFeed);
    m_feedUrl->setEnabled(fromFeed);
    m_url->setEnabled(!fromFeed);
}

} // namespace powerball::ui
