#pragma once
// Headless Chromium driven in real time through its DevTools protocol. The
// browser reads commands on its descriptor 3 and answers on 4 (messages of
// JSON ended by a NUL byte); a shell puts our pipes there. Unlike a page
// dumped after a budget of virtual time, this sees what the page shows while
// the clock runs: an animated image plays.
#include "E2eSupport.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QUrl>

namespace e2e {

class DevToolsBrowser {
public:
    // Opens `page` in a browser with a profile folder of its own, and
    // attaches to its tab.
    DevToolsBrowser(const QString& profile, const QString& page)
    {
        // Descriptors 3 and 4 are the shell's stdin and stdout; the browser's
        // own stdout is kept out of the protocol.
        const QString script = QStringLiteral("exec chromium \"$@\" 3<&0 4>&1 </dev/null >/dev/null");
        browser_.setStandardErrorFile(QProcess::nullDevice());
        browser_.start(QStringLiteral("sh"), QStringList{QStringLiteral("-c"), script, QStringLiteral("chromium")} +
                                                 HeadlessChromium(profile) +
                                                 QStringList{QStringLiteral("--remote-debugging-pipe"),
                                                             QUrl::fromLocalFile(page).toString()});
        if (!browser_.waitForStarted(10000))
            Fail(QStringLiteral("chromium did not start"));
        const QJsonObject targets = Call(QStringLiteral("Target.getTargets"));
        QString tab;
        for (const QJsonValue target : targets[QStringLiteral("targetInfos")].toArray())
            if (target[QStringLiteral("type")].toString() == QStringLiteral("page"))
                tab = target[QStringLiteral("targetId")].toString();
        if (tab.isEmpty())
            Fail(QStringLiteral("chromium opened no tab"));
        session_ = Call(QStringLiteral("Target.attachToTarget"),
                        {{QStringLiteral("targetId"), tab}, {QStringLiteral("flatten"), true}})[QStringLiteral("sessionId")]
                       .toString();
    }
    ~DevToolsBrowser()
    {
        Send(QStringLiteral("Browser.close"), {}, false);
        if (!browser_.waitForFinished(10000))
            browser_.kill();
        browser_.waitForFinished(5000);
    }
    DevToolsBrowser(const DevToolsBrowser&) = delete;
    DevToolsBrowser& operator=(const DevToolsBrowser&) = delete;

    // The value of a JavaScript expression in the page, promises awaited.
    // The tab starts on a blank page: an evaluation that the page's load
    // cut short is made again.
    QJsonValue Evaluate(const QString& expression, int timeoutMs = 30000)
    {
        QElapsedTimer timer;
        timer.start();
        for (;;) {
            const QJsonObject answer = Send(QStringLiteral("Runtime.evaluate"),
                                            {{QStringLiteral("expression"), expression},
                                             {QStringLiteral("awaitPromise"), true},
                                             {QStringLiteral("returnByValue"), true}});
            if (!answer.contains(QStringLiteral("error")) &&
                !answer[QStringLiteral("result")].toObject().contains(QStringLiteral("exceptionDetails")))
                return answer[QStringLiteral("result")][QStringLiteral("result")][QStringLiteral("value")];
            if (timer.elapsed() > timeoutMs)
                Fail(QStringLiteral("the page did not evaluate ") + expression + QStringLiteral(": ") +
                     QString::fromUtf8(QJsonDocument(answer).toJson(QJsonDocument::Compact)));
            Pause(100);
        }
    }

    // What the tab shows in `area` (CSS pixels at scale 1).
    QImage Screenshot(const QRect& area)
    {
        const QJsonObject clip{{QStringLiteral("x"), area.x()},         {QStringLiteral("y"), area.y()},
                               {QStringLiteral("width"), area.width()}, {QStringLiteral("height"), area.height()},
                               {QStringLiteral("scale"), 1}};
        const QJsonObject shot = Call(QStringLiteral("Page.captureScreenshot"), {{QStringLiteral("clip"), clip}});
        const QImage image = QImage::fromData(QByteArray::fromBase64(shot[QStringLiteral("data")].toString().toLatin1()));
        if (image.isNull())
            Fail(QStringLiteral("chromium's screenshot is no picture"));
        return image.convertToFormat(QImage::Format_RGB32);
    }

private:
    // The result of a command; a command the browser refuses ends the test.
    QJsonObject Call(const QString& method, const QJsonObject& params = {})
    {
        const QJsonObject answer = Send(method, params);
        if (answer.contains(QStringLiteral("error")))
            Fail(method + QStringLiteral(" failed: ") +
                 QString::fromUtf8(QJsonDocument(answer).toJson(QJsonDocument::Compact)));
        return answer[QStringLiteral("result")].toObject();
    }

    // Sends a command (to the tab once attached) and, when `wait`, returns
    // the whole answer to it; events and other answers are passed over.
    QJsonObject Send(const QString& method, const QJsonObject& params, bool wait = true)
    {
        QJsonObject command{{QStringLiteral("id"), ++lastId_}, {QStringLiteral("method"), method},
                            {QStringLiteral("params"), params}};
        if (!session_.isEmpty())
            command[QStringLiteral("sessionId")] = session_;
        browser_.write(QJsonDocument(command).toJson(QJsonDocument::Compact) + '\0');
        browser_.waitForBytesWritten(10000);
        QElapsedTimer timer;
        timer.start();
        while (wait) {
            for (qsizetype end; (end = received_.indexOf('\0')) >= 0;) {
                const QJsonObject message = QJsonDocument::fromJson(received_.left(end)).object();
                received_.remove(0, end + 1);
                if (message[QStringLiteral("id")].toInt() == lastId_)
                    return message;
            }
            if (timer.elapsed() > 60000 || browser_.state() != QProcess::Running)
                Fail(QStringLiteral("chromium did not answer ") + method);
            browser_.waitForReadyRead(1000);
            received_ += browser_.readAllStandardOutput();
        }
        return {};
    }

    QProcess browser_;
    QByteArray received_;
    QString session_;
    int lastId_ = 0;
};

} // namespace e2e
