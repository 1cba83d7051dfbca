#include "platform/gtk/browser_view.h"

#include "platform/gtk/gbk.h"

namespace velloran::gtk {

namespace {

// The error page the view shows for an address it could not load; its
// title is what the view reports for that page.
constexpr const char* errorPageTitle = "无法显示网页";

// Asked of a finished page in a world of our own, apart from its scripts.
constexpr const char* titleScript = "document.title";
constexpr const char* scriptWorld = "velloran";

bool hasWebScheme(const std::string& address) {
    return g_ascii_strncasecmp(address.c_str(), "http://", 7) == 0 ||
           g_ascii_strncasecmp(address.c_str(), "https://", 8) == 0;
}

struct TitleQuery {
    BrowserView* view;
    unsigned load;
};

}  // namespace

GtkWidget* BrowserView::create(TitleHandler onTitle) {
    titleHandler = std::move(onTitle);
    // An ephemeral context keeps cookies, caches and storage in memory:
    // nothing of the walk is written under the user's home.
    WebKitWebContext* context = webkit_web_context_new_ephemeral();
    webkit_web_context_set_cache_model(context, WEBKIT_CACHE_MODEL_DOCUMENT_VIEWER);
    view = WEBKIT_WEB_VIEW(webkit_web_view_new_with_context(context));
    g_object_unref(context);
    g_signal_connect(view, "notify::title", G_CALLBACK(onTitleNotified), this);
    g_signal_connect(view, "load-changed", G_CALLBACK(onLoadChanged), this);
    g_signal_connect(view, "load-failed", G_CALLBACK(onLoadFailed), this);
    return GTK_WIDGET(view);
}

void BrowserView::stopReporting() {
    reporting = false;
    if (view != nullptr) webkit_web_view_stop_loading(view);
}

void BrowserView::navigate(const Text& gbkAddress) {
    if (view == nullptr) return;
    std::string address = utf8FromGbk(gbkAddress);
    // WebKit takes no host-and-path address; the item links are such.
    if (!hasWebScheme(address)) address = "http://" + address;
    webkit_web_view_load_uri(view, address.c_str());
}

Text BrowserView::locationName() {
    if (view == nullptr) return Text();
    const char* title = webkit_web_view_get_title(view);
    if (title != nullptr && *title != '\0') return gbkFromUtf8(title);
    return gbkFromUtf8(webkit_web_view_get_uri(view));
}

void BrowserView::onTitleNotified(WebKitWebView* view, GParamSpec*, BrowserView* self) {
    const char* title = webkit_web_view_get_title(view);
    // A new document starts with an empty title; that is no title yet.
    if (title == nullptr || *title == '\0') return;
    self->pageHasTitle = true;
    self->report(title);
}

void BrowserView::onLoadChanged(WebKitWebView* view, WebKitLoadEvent event, BrowserView* self) {
    if (event == WEBKIT_LOAD_STARTED) {
        ++self->load;
        self->loadFailed = false;
    } else if (event == WEBKIT_LOAD_COMMITTED) {
        self->pageHasTitle = false;
    } else if (event == WEBKIT_LOAD_FINISHED && !self->pageHasTitle && !self->loadFailed) {
        // The title can reach us after the load has finished. Asking the
        // page itself settles it: its answer comes after any title it set.
        webkit_web_view_evaluate_javascript(view, titleScript, -1, scriptWorld, nullptr, nullptr,
                                            onTitleAnswered, new TitleQuery{self, self->load});
    }
}

void BrowserView::onTitleAnswered(GObject* source, GAsyncResult* result, gpointer data) {
    std::unique_ptr<TitleQuery> query(static_cast<TitleQuery*>(data));
    BrowserView& self = *query->view;
    GError* error = nullptr;
    JSCValue* value = webkit_web_view_evaluate_javascript_finish(WEBKIT_WEB_VIEW(source), result, &error);
    bool untitled = true;
    if (value != nullptr) {
        if (jsc_value_is_string(value)) {
            gchar* title = jsc_value_to_string(value);
            untitled = *title == '\0';
            g_free(title);
        }
        g_object_unref(value);
    }
    g_clear_error(&error);
    if (query->load != self.load || self.pageHasTitle || self.loadFailed) return;
    // A titled page reports through notify::title; an untitled one goes by
    // its address.
    if (!untitled) return;
    self.pageHasTitle = true;
    const char* uri = webkit_web_view_get_uri(WEBKIT_WEB_VIEW(source));
    if (uri != nullptr && *uri != '\0') self.report(uri);
}

gboolean BrowserView::onLoadFailed(WebKitWebView* view, WebKitLoadEvent, const char* uri, GError* error,
                                   BrowserView* self) {
    // A load replaced by the next one is no failure of a page.
    if (g_error_matches(error, WEBKIT_NETWORK_ERROR, WEBKIT_NETWORK_ERROR_CANCELLED)) return TRUE;
    self->loadFailed = true;
    gchar* message = g_markup_escape_text(error->message, -1);
    gchar* page = g_strdup_printf(
        "<html><head><meta charset=\"utf-8\"><title>%s</title></head><body><h3>%s</h3><p>%s</p></body></html>",
        errorPageTitle, errorPageTitle, message);
    webkit_web_view_load_alternate_html(view, page, uri, nullptr);
    g_free(page);
    g_free(message);
    return TRUE;
}

void BrowserView::report(const char* utf8Title) {
    if (!reporting) return;
    struct Pending {
        BrowserView* self;
        Text title;
    };
    // Raised from an idle callback: the program's handler may load again or
    // open a modal box, neither of which belongs inside a WebKit signal.
    g_idle_add_full(
        G_PRIORITY_DEFAULT,
        [](void* data) -> gboolean {
            auto& pending = *static_cast<Pending*>(data);
            if (pending.self->reporting) pending.self->titleHandler(pending.title);
            return G_SOURCE_REMOVE;
        },
        new Pending{this, gbkFromUtf8(utf8Title)}, [](void* data) { delete static_cast<Pending*>(data); });
}

}  // namespace velloran::gtk
