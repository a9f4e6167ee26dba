#pragma once
// An HTML pane as the window sees it. The panes and the web engine behind
// them live in a module of their own (libquorvel-web) that the program loads
// the first time it shows a page: the login dialog comes up, and stays, with
// nothing of the engine loaded. Only Qt types and the header-only HtmlPane
// cross between the two.
#include "app/core/mainview.h"

#include <QJsonArray>
#include <QString>
#include <functional>

class QObject;
class QPrinter;
class QWidget;

namespace quorvel {

class BrowserPane : public HtmlPane
{
public:
    using PageEventHandler = std::function<void(const QString &kind, const QString &targetName,
                                                const QJsonArray &snapshot)>;

    // The pane as a widget of the window.
    virtual QWidget *widget() = 0;
    // Every click, mousedown and mouseup of the page, with the snapshot of its
    // named elements, for as long as `context` lives.
    virtual void onPageEvent(QObject *context, PageEventHandler handler) = 0;
    // Calls `done` once, when the page next reports edits applied, unless
    // `context` is gone by then.
    virtual void whenApplied(QObject *context, std::function<void()> done) = 0;
    // Calls `done` once, when the next document is loaded and connected.
    virtual void whenReady(QObject *context, std::function<void()> done) = 0;
    // Prints the page and calls `done(success)` unless `context` is gone. A
    // PDF printer with a file name gets the page's own text, not a picture.
    virtual void printPage(QPrinter *printer, QObject *context, std::function<void(bool)> done) = 0;
};

// Makes the panes; one per window, and every pane it makes shares one
// off-the-record profile owned by the window.
class BrowserPaneMaker
{
public:
    virtual ~BrowserPaneMaker() = default;
    virtual BrowserPane *makePane(QWidget *parent) = 0;
};

// The module's one entry point, looked up by name after loading it.
using MakeBrowserPanes = BrowserPaneMaker *(*)(const QString &programFolder, QObject *owner);
inline constexpr const char *makeBrowserPanesSymbol = "quorvelMakeBrowserPanes";

} // namespace quorvel
