// A real browser for tests: Debian's chromium, headless, driven over its DevTools protocol.
#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

class QWebSocket;

class Browser {
public:
    // Starts chromium with an empty profile and one page of width × height; ok() says whether
    // it runs and answers.
    Browser(int width = 390, int height = 844);
    ~Browser();
    Browser(const Browser&) = delete;
    Browser& operator=(const Browser&) = delete;

    bool ok() const { return page_ != nullptr; }
    static bool Installed();

    // Opens url and waits until its document has loaded.
    bool open(const QString& url);
    // Runs expression in the page and returns its value (undefined when it threw).
    QJsonValue eval(const QString& expression);
    // Waits until expression is true in the page.
    bool waitFor(const QString& expression, int timeoutMs = 5000);
    // Sends a DevTools command and returns its result.
    QJsonObject call(const QString& method, const QJsonObject& params = {});
    // The page's size as a phone or tablet would have it.
    bool setViewport(int width, int height);
    // A PNG of the page.
    bool screenshot(const QString& path);

private:
    QTemporaryDir profile_;
    QProcess process_;
    std::unique_ptr<QWebSocket> page_;
    int nextId_ = 1;
    QList<QJsonObject> replies_;
};
