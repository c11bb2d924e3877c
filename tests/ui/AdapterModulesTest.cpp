#include "QtHttpClient.h"
#include "AdapterModule.h"
#include "ClosedPort.h"
#include "Conversions.h"
#include "QtSoundPlayer.h"
#include "SoundEffectModule.h"
#include "platform/http/CurlHttpModule.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QTest>

#include <memory>
#include <stdexcept>

using powerball::HttpClient;
using powerball::HttpRequest;
using powerball::ui::AdapterModule;
using powerball::ui::QtHttpClient;
using powerball::ui::QtSoundPlayer;
using namespace Qt::Literals::StringLiterals;

class AdapterModulesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void soundModuleLoadsAtTheFirstSoundOnly();
    void clientThatCannotStartFailsTheRequest();
    void windowsClientIsLibcurlFromItsModule();
    void moduleThatCannotLoadSaysWhichAndWhy_data();
    void moduleThatCannotLoadSaysWhichAndWhy();
};

// Qt Multimedia is not loaded with the window, and a sound that has no file loads nothing.
void AdapterModulesTest::soundModuleLoadsAtTheFirstSoundOnly() {
    QLibrary module(AdapterModule::folder() + u'/' + QString::fromLatin1(kSoundModuleFile));
    QtSoundPlayer player;
    player.setProgramFolder(powerball::ui::toPath(QCoreApplication::applicationDirPath()));
    player.play("no-such-sound.wav");
    QVERIFY(!module.isLoaded());
    player.play("yippee.wav"); // placed beside the program by the build
    QVERIFY(module.isLoaded());
}

// A libcurl that cannot start must fail the request with a message, never throw out of it.
void AdapterModulesTest::clientThatCannotStartFailsTheRequest() {
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

// The window links no libcurl: its client comes from the module beside the program, and
// a request that finds no server fails as libcurl says, not as a client that cannot start.
void AdapterModulesTest::windowsClientIsLibcurlFromItsModule() {
    QtHttpClient client;
    HttpRequest request;
    const powerball::testing::ClosedPort closed;
    request.url = closed.base() + "/zahlen";
    const powerball::HttpResponse response = client.get(request);
    QVERIFY(response.failed());
    QVERIFY2(!QString::fromStdString(response.error).contains(u"kann nicht starten"),
             response.error.c_str());
    QCOMPARE(response.statusCode, 0);
}

void AdapterModulesTest::moduleThatCannotLoadSaysWhichAndWhy_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("named");
    QTest::newRow("no such module")
        << u"powerball-missing.so"_s << u"make"_s << u"powerball-missing.so"_s;
    QTest::newRow("no such entry")
        << QString::fromLatin1(kCurlModuleFile) << u"make_nothing"_s << u"make_nothing"_s;
}

void AdapterModulesTest::moduleThatCannotLoadSaysWhichAndWhy() {
    QFETCH(QString, file);
    QFETCH(QString, entry);
    QFETCH(QString, named);
    try {
        AdapterModule::entry<MakeSoundPlayer>(file.toUtf8().constData(),
                                              entry.toUtf8().constData());
        QFAIL("a module that cannot be used was used");
    } catch (const std::runtime_error& failure) {
        QVERIFY2(QString::fromUtf8(failure.what()).contains(named), failure.what());
    }
}

QTEST_MAIN(AdapterModulesTest)
#include "AdapterModulesTest.moc"
