// 超文本浏览框1 as a WebKitWebView. It reports one title per page: the
// document's own title once it has one, the page's address for a page
// without a title, and an error page's title for a load that failed, so a
// chain of loads never waits on a dead link.
#pragma once

#include <webkit2/webkit2.h>

#include <functional>
#include <memory>
#include <string>

#include "text/byte_text.h"

namespace velloran::gtk {

class BrowserView {
public:
    using TitleHandler = std::function<void(const Text& gbkTitle)>;

    // `onTitle` runs on the window's thread, from an idle callback rather than
    // inside WebKit's signal, so it may open a modal box or load again.
    GtkWidget* create(TitleHandler onTitle);
    // Stops reporting: the window is going away.
    void stopReporting();

    // An address without "http://" or "https://" is taken as http.
    void navigate(const Text& gbkAddress);
    Text locationName();

private:
    static void onTitleNotified(WebKitWebView* view, GParamSpec*, BrowserView* self);
    static void onLoadChanged(WebKitWebView* view, WebKitLoadEvent event, BrowserView* self);
    static gboolean onLoadFailed(WebKitWebView* view, WebKitLoadEvent, const char* uri, GError* error,
                                 BrowserView* self);
    static void onTitleAnswered(GObject* source, GAsyncResult* result, gpointer query);
    void report(const char* utf8Title);

    WebKitWebView* view = nullptr;
    TitleHandler titleHandler;
    bool reporting = true;
    bool pageHasTitle = false;  // the current load has reported its title
    bool loadFailed = false;    // the current load ends on an error page
    unsigned load = 0;          // counts loads, to match late answers to theirs
};

}  // namespace velloran::gtk
