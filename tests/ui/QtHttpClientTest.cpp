#include "QtHttpClient.h"
#include "ClosedPort.h"

#include <QTest>

#include <memory>
#include <stdexcept>

using powerball::HttpClient;
using powerball::HttpRequest;
using powerball::ui::QtHttpClient;

class QtHttpClientTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void clientThatCannotStartFailsTheRequest();
};

// A libcurl that cannot start must fail the request with a message, never throw out of it.
void QtHttpClientTest::clientThatCannotStartFailsTheRequest() {
    int attempts = 0;
    QtHttpClient client([&attempts]() -> std::unique_ptr<HttpClient> {
        ++attempts;
        throw std::runtime_error("libcurl: out of memory");
    });
    QCOMPARE(attempts, 0); // nothing starts before the first request
    HttpRequest request;
    const powerball::testing::ClosedPort closed; // should a request go out, nothing answers
    request.url = closed.base() + "/zahlen";
    const powerball::HttpResponse response = client.get(request);
    QVERIFY(response.failed());
    QVERIFY(QString::fromStdString(response.error).contains(u"libcurl: out of memory"));
    QCOMPARE(response.statusCode, 0);
}

QTEST_MAIN(QtHttpClientTest)
#include "QtHttpClientTest.moc"
