#include "platform/win32/browser_view.h"

#include <exdispid.h>
#include <ocidl.h>

#include <utility>

#include "platform/win32/ansi_text.h"

namespace velloran::win32 {

// The three helper objects live inside their BrowserView and are never
// deleted by their reference count; the count only serves COM's rules.

HRESULT BrowserSite::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite)) {
        *object = static_cast<IOleClientSite*>(this);
    } else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite)) {
        *object = static_cast<IOleInPlaceSite*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}
ULONG BrowserSite::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references)); }
ULONG BrowserSite::Release() { return static_cast<ULONG>(InterlockedDecrement(&references)); }

HRESULT BrowserSite::SaveObject() { return E_NOTIMPL; }
HRESULT BrowserSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker != nullptr) *moniker = nullptr;
    return E_NOTIMPL;
}
HRESULT BrowserSite::GetContainer(IOleContainer** container) {
    if (container != nullptr) *container = nullptr;
    return E_NOINTERFACE;
}
HRESULT BrowserSite::ShowObject() { return S_OK; }
HRESULT BrowserSite::OnShowWindow(BOOL) { return S_OK; }
HRESULT BrowserSite::RequestNewObjectLayout() { return E_NOTIMPL; }

HRESULT BrowserSite::GetWindow(HWND* window) {
    if (window == nullptr) return E_POINTER;
    *window = view.hostWindow;
    return S_OK;
}
HRESULT BrowserSite::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }
HRESULT BrowserSite::CanInPlaceActivate() { return S_OK; }
HRESULT BrowserSite::OnInPlaceActivate() { return S_OK; }
HRESULT BrowserSite::OnUIActivate() { return S_OK; }

HRESULT BrowserSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                      LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
    if (frame == nullptr || document == nullptr || position == nullptr || clip == nullptr || info == nullptr) {
        return E_POINTER;
    }
    *frame = &view.frame;
    view.frame.AddRef();
    *document = nullptr;
    GetClientRect(view.hostWindow, position);
    *clip = *position;
    info->fMDIApp = FALSE;
    info->hwndFrame = view.mainWindow;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}
HRESULT BrowserSite::Scroll(SIZE) { return E_NOTIMPL; }
HRESULT BrowserSite::OnUIDeactivate(BOOL) { return S_OK; }
HRESULT BrowserSite::OnInPlaceDeactivate() { return S_OK; }
HRESULT BrowserSite::DiscardUndoState() { return S_OK; }
HRESULT BrowserSite::DeactivateAndUndo() { return S_OK; }

HRESULT BrowserSite::OnPosRectChange(LPCRECT position) {
    if (view.control == nullptr || position == nullptr) return S_OK;
    IOleInPlaceObject* inPlace = nullptr;
    if (SUCCEEDED(view.control->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) {
        inPlace->SetObjectRects(position, position);
        inPlace->Release();
    }
    return S_OK;
}

HRESULT BrowserFrame::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleWindow) ||
        IsEqualIID(iid, IID_IOleInPlaceUIWindow) || IsEqualIID(iid, IID_IOleInPlaceFrame)) {
        *object = static_cast<IOleInPlaceFrame*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}
ULONG BrowserFrame::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references)); }
ULONG BrowserFrame::Release() { return static_cast<ULONG>(InterlockedDecrement(&references)); }

HRESULT BrowserFrame::GetWindow(HWND* window) {
    if (window == nullptr) return E_POINTER;
    *window = view.mainWindow;
    return S_OK;
}
HRESULT BrowserFrame::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }
HRESULT BrowserFrame::GetBorder(LPRECT) { return INPLACE_E_NOTOOLSPACE; }
HRESULT BrowserFrame::RequestBorderSpace(LPCBORDERWIDTHS) { return INPLACE_E_NOTOOLSPACE; }
HRESULT BrowserFrame::SetBorderSpace(LPCBORDERWIDTHS) { return S_OK; }
HRESULT BrowserFrame::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) { return S_OK; }
HRESULT BrowserFrame::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) { return E_NOTIMPL; }
HRESULT BrowserFrame::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }
HRESULT BrowserFrame::RemoveMenus(HMENU) { return E_NOTIMPL; }
HRESULT BrowserFrame::SetStatusText(LPCOLESTR) { return S_OK; }
HRESULT BrowserFrame::EnableModeless(BOOL) { return S_OK; }
HRESULT BrowserFrame::TranslateAccelerator(LPMSG, WORD) { return S_FALSE; }

HRESULT BrowserEvents::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, DIID_DWebBrowserEvents2)) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}
ULONG BrowserEvents::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references)); }
ULONG BrowserEvents::Release() { return static_cast<ULONG>(InterlockedDecrement(&references)); }

HRESULT BrowserEvents::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return S_OK;
}
HRESULT BrowserEvents::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info != nullptr) *info = nullptr;
    return E_NOTIMPL;
}
HRESULT BrowserEvents::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT BrowserEvents::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*,
                              UINT*) {
    if (member != DISPID_TITLECHANGE) return S_OK;
    if (parameters == nullptr || parameters->cArgs < 1) return S_OK;
    VARIANT title;
    VariantInit(&title);
    if (SUCCEEDED(VariantChangeType(&title, &parameters->rgvarg[0], 0, VT_BSTR))) {
        const Text text = ansiFromWide(V_BSTR(&title), static_cast<int>(SysStringLen(V_BSTR(&title))));
        VariantClear(&title);
        view.titleReported(text);
    }
    return S_OK;
}

bool BrowserView::create(HWND host, HWND frameWindow, TitleHandler onTitle) {
    hostWindow = host;
    mainWindow = frameWindow;
    titleHandler = std::move(onTitle);
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                reinterpret_cast<void**>(&control)))) {
        control = nullptr;
        return false;
    }
    control->SetClientSite(&site);
    OleSetContainedObject(control, TRUE);
    RECT area;
    GetClientRect(hostWindow, &area);
    control->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &site, 0, hostWindow, &area);
    if (FAILED(control->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser)))) {
        browser = nullptr;
        destroy();
        return false;
    }
    // The control's own dialogs stay on, and it goes to the network.
    browser->put_Offline(VARIANT_FALSE);
    browser->put_Silent(VARIANT_FALSE);

    IConnectionPointContainer* points = nullptr;
    if (SUCCEEDED(browser->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&points)))) {
        if (SUCCEEDED(points->FindConnectionPoint(DIID_DWebBrowserEvents2, &eventSource))) {
            if (FAILED(eventSource->Advise(&events, &eventCookie))) {
                eventSource->Release();
                eventSource = nullptr;
            }
        } else {
            eventSource = nullptr;
        }
        points->Release();
    }
    return true;
}

void BrowserView::destroy() {
    if (eventSource != nullptr) {
        eventSource->Unadvise(eventCookie);
        eventSource->Release();
        eventSource = nullptr;
    }
    if (browser != nullptr) {
        browser->Release();
        browser = nullptr;
    }
    if (control != nullptr) {
        control->Close(OLECLOSE_NOSAVE);
        control->SetClientSite(nullptr);
        control->Release();
        control = nullptr;
    }
    titleHandler = nullptr;
}

void BrowserView::navigate(const Text& address) {
    if (browser == nullptr) return;
    const OwnedBstr target(address);
    // A plain navigation of the view itself: no flags, frame, post data or headers.
    VARIANT flags, frameName, postData, headers;
    VariantInit(&flags);
    VariantInit(&frameName);
    VariantInit(&postData);
    VariantInit(&headers);
    browser->Navigate(target.get(), &flags, &frameName, &postData, &headers);
}

Text BrowserView::locationName() {
    if (browser == nullptr) return Text();
    BSTR name = nullptr;
    if (FAILED(browser->get_LocationName(&name))) return Text();
    return takeBstr(name);
}

bool BrowserView::translateAccelerator(MSG& message) {
    if (control == nullptr) return false;
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
    if (message.hwnd != hostWindow && !IsChild(hostWindow, message.hwnd)) return false;
    IOleInPlaceActiveObject* active = nullptr;
    if (FAILED(control->QueryInterface(IID_IOleInPlaceActiveObject, reinterpret_cast<void**>(&active)))) {
        return false;
    }
    const bool taken = active->TranslateAccelerator(&message) == S_OK;
    active->Release();
    return taken;
}

void BrowserView::titleReported(const Text& title) const {
    if (titleHandler) titleHandler(title);
}

}  // namespace velloran::win32
