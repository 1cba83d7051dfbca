// 超文本浏览框1: the system's WebBrowser control, hosted in place in a child
// window of ours through a minimal container (client site, in-place site,
// frame) and listened to through DWebBrowserEvents2.
#pragma once

#include <windows.h>
#include <exdisp.h>
#include <oleidl.h>

#include <functional>

#include "text/byte_text.h"

namespace velloran::win32 {

class BrowserView;

// IOleClientSite and IOleInPlaceSite: where the control lives.
class BrowserSite final : public IOleClientSite, public IOleInPlaceSite {
public:
    explicit BrowserSite(BrowserView& owner) : view(owner) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE SaveObject() override;
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override;
    HRESULT STDMETHODCALLTYPE ShowObject() override;
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL show) override;
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override;

    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enterMode) override;
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override;
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override;
    HRESULT STDMETHODCALLTYPE OnUIActivate() override;
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                               LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info) override;
    HRESULT STDMETHODCALLTYPE Scroll(SIZE extent) override;
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL undoable) override;
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override;
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override;
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override;
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT position) override;

private:
    BrowserView& view;
    LONG references = 0;
};

// IOleInPlaceFrame: the main window, as the control sees it. No menus, no
// tool space, no accelerators of its own.
class BrowserFrame final : public IOleInPlaceFrame {
public:
    explicit BrowserFrame(BrowserView& owner) : view(owner) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enterMode) override;
    HRESULT STDMETHODCALLTYPE GetBorder(LPRECT border) override;
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS widths) override;
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS widths) override;
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject* active, LPCOLESTR name) override;
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU menu, LPOLEMENUGROUPWIDTHS widths) override;
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU menu, HOLEMENU shared, HWND activeObject) override;
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU menu) override;
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR text) override;
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL enable) override;
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG message, WORD id) override;

private:
    BrowserView& view;
    LONG references = 0;
};

// The DWebBrowserEvents2 sink: only TitleChange matters to the program.
class BrowserEvents final : public IDispatch {
public:
    explicit BrowserEvents(BrowserView& owner) : view(owner) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

private:
    BrowserView& view;
    LONG references = 0;
};

class BrowserView {
public:
    using TitleHandler = std::function<void(const Text& title)>;

    // `host` is the child window the control fills; `frameWindow` the main window.
    bool create(HWND host, HWND frameWindow, TitleHandler onTitle);
    // Before the windows go: the control closed, its sink disconnected.
    void destroy();

    void navigate(const Text& address);
    Text locationName();

    // True when the control took `message` (its accelerators, Esc and Tab
    // included) while the focus is inside it.
    bool translateAccelerator(MSG& message);

private:
    friend class BrowserSite;
    friend class BrowserFrame;
    friend class BrowserEvents;

    void titleReported(const Text& title) const;

    BrowserSite site{*this};
    BrowserFrame frame{*this};
    BrowserEvents events{*this};
    HWND hostWindow = nullptr;
    HWND mainWindow = nullptr;
    TitleHandler titleHandler;
    IOleObject* control = nullptr;
    IWebBrowser2* browser = nullptr;
    IConnectionPoint* eventSource = nullptr;
    DWORD eventCookie = 0;
};

}  // namespace velloran::win32
