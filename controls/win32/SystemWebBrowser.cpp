// Hosts the system's web browser control without a framework. One site
// object gives the control every interface it asks of its host: the client
// site, the in-place site and frame, and the DWebBrowserEvents2 sink. Its
// QueryInterface is a QISearch table. Nothing of the document host UI is
// overridden: the control shows its own menus and keys.
//
// Teardown follows one order: unadvise the events, close the control, clear
// its client site, release it. The site and the control hold each other, so
// any other order either leaks both or lets the control call a site that is
// already gone.
//
// Text is ANSI everywhere else in the program; it is widened only for the
// calls into the control and narrowed again for the events.
#include "controls/win32/SystemWebBrowser.h"

#include <exdisp.h>
#include <exdispid.h>
#include <ole2.h>
#include <shlwapi.h>

#include <cstring>
#include <string>

namespace {

std::wstring Widen(const std::string& text) {
  if (text.empty()) return {};
  int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                   nullptr, 0);
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                      length);
  return wide;
}

std::string Narrow(const wchar_t* text, int length) {
  if (!text || length <= 0) return {};
  int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string narrow(size, '\0');
  WideCharToMultiByte(CP_ACP, 0, text, length, narrow.data(), size, nullptr, nullptr);
  return narrow;
}

// An event argument, with a VARIANT reference followed to its value.
const VARIANT& Value(const VARIANTARG& argument) {
  if (V_VT(&argument) == (VT_BYREF | VT_VARIANT) && V_VARIANTREF(&argument)) {
    return *V_VARIANTREF(&argument);
  }
  return argument;
}

std::string TextOf(const VARIANTARG& argument) {
  const VARIANT& value = Value(argument);
  if (V_VT(&value) == VT_BSTR) return Narrow(V_BSTR(&value), SysStringLen(V_BSTR(&value)));
  if (V_VT(&value) == (VT_BYREF | VT_BSTR) && V_BSTRREF(&value)) {
    return Narrow(*V_BSTRREF(&value), SysStringLen(*V_BSTRREF(&value)));
  }
  return {};
}

long LongOf(const VARIANTARG& argument) {
  const VARIANT& value = Value(argument);
  if (V_VT(&value) == VT_I4) return V_I4(&value);
  if (V_VT(&value) == (VT_BYREF | VT_I4) && V_I4REF(&value)) return *V_I4REF(&value);
  return 0;
}

// A VARIANT that frees what it holds.
struct OwnedVariant {
  VARIANT value;
  OwnedVariant() { VariantInit(&value); }
  ~OwnedVariant() { VariantClear(&value); }
  OwnedVariant(const OwnedVariant&) = delete;
  OwnedVariant& operator=(const OwnedVariant&) = delete;

  void SetText(const std::string& text) {
    std::wstring wide = Widen(text);
    V_VT(&value) = VT_BSTR;
    V_BSTR(&value) = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  }
  // The browser takes post data only as a SAFEARRAY of bytes.
  void SetBytes(const void* bytes, unsigned long length) {
    SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, length);
    if (!array) return;
    void* data = nullptr;
    if (SUCCEEDED(SafeArrayAccessData(array, &data))) {
      memcpy(data, bytes, length);
      SafeArrayUnaccessData(array);
    }
    V_VT(&value) = VT_ARRAY | VT_UI1;
    V_ARRAY(&value) = array;
  }
};

class BrowserSite final : public IOleClientSite,
                          public IOleInPlaceSite,
                          public IOleInPlaceFrame,
                          public IDispatch {
 public:
  BrowserSite(HWND host, BrowserEvents& events) : host_(host), events_(&events) {}

  // From here on the events reach nobody.
  void Disconnect() { events_ = nullptr; }

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
    static const QITAB kInterfaces[] = {
        QITABENT(BrowserSite, IOleClientSite),
        QITABENT(BrowserSite, IOleInPlaceSite),
        QITABENTMULTI(BrowserSite, IOleWindow, IOleInPlaceSite),
        QITABENT(BrowserSite, IOleInPlaceFrame),
        QITABENTMULTI(BrowserSite, IOleInPlaceUIWindow, IOleInPlaceFrame),
        QITABENT(BrowserSite, IDispatch),
        QITABENTMULTI2(BrowserSite, DIID_DWebBrowserEvents2, IDispatch),
        {nullptr, 0},
    };
    return QISearch(this, kInterfaces, iid, object);
  }
  STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&references_); }
  STDMETHODIMP_(ULONG) Release() override {
    LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return left;
  }

  // IOleClientSite
  STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
  }
  STDMETHODIMP GetContainer(IOleContainer** container) override {
    if (container) *container = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP ShowObject() override { return S_OK; }
  STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
  STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

  // IOleWindow (of the in-place site and the frame alike)
  STDMETHODIMP GetWindow(HWND* window) override {
    if (!window) return E_POINTER;
    *window = host_;
    return S_OK;
  }
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // IOleInPlaceSite
  STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnUIActivate() override { return S_OK; }
  STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                LPRECT position, LPRECT clip,
                                LPOLEINPLACEFRAMEINFO frameInfo) override {
    if (frame) {
      *frame = this;
      AddRef();
    }
    if (document) *document = nullptr;
    if (position) GetClientRect(host_, position);
    if (clip) GetClientRect(host_, clip);
    if (frameInfo) {
      frameInfo->fMDIApp = FALSE;
      frameInfo->hwndFrame = GetAncestor(host_, GA_ROOT);
      frameInfo->haccel = nullptr;
      frameInfo->cAccelEntries = 0;
    }
    return S_OK;
  }
  STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
  STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
  STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
  STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
  STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
  STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

  // IOleInPlaceUIWindow and IOleInPlaceFrame: no tool space, menus or status
  // line to share.
  STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
  STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
  STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return S_OK; }
  STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  STDMETHODIMP RemoveMenus(HMENU) override { return S_OK; }
  STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
  STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
  STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

  // IDispatch: only Invoke is needed of an event sink.
  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                      EXCEPINFO*, UINT*) override {
    if (!events_ || !params) return S_OK;
    // Arguments come last first.
    VARIANTARG* arguments = params->rgvarg;
    UINT count = params->cArgs;
    switch (id) {
      case DISPID_BEFORENAVIGATE2: {
        if (count < 7) break;
        bool cancel = false;
        events_->OnBeforeNavigate2(TextOf(arguments[5]), cancel);
        if (cancel && V_VT(&arguments[0]) == (VT_BYREF | VT_BOOL) && V_BOOLREF(&arguments[0])) {
          *V_BOOLREF(&arguments[0]) = VARIANT_TRUE;
        }
        break;
      }
      case DISPID_NAVIGATECOMPLETE2:
        if (count >= 2) events_->OnNavigateComplete2(TextOf(arguments[0]));
        break;
      case DISPID_NAVIGATEERROR:
        if (count >= 5) events_->OnNavigateError(TextOf(arguments[3]), LongOf(arguments[1]));
        break;
      default:
        break;
    }
    return S_OK;
  }

 private:
  ~BrowserSite() = default;

  LONG references_ = 1;
  HWND host_;
  BrowserEvents* events_;
};

class SystemWebBrowser final : public BrowserView {
 public:
  SystemWebBrowser(HWND host, BrowserEvents& events)
      : host_(host), site_(new BrowserSite(host, events)) {}

  ~SystemWebBrowser() override {
    site_->Disconnect();
    if (connection_) {
      connection_->Unadvise(cookie_);
      connection_->Release();
    }
    if (object_) {
      object_->Close(OLECLOSE_NOSAVE);
      object_->SetClientSite(nullptr);
    }
    if (browser_) browser_->Release();
    if (object_) object_->Release();
    site_->Release();
  }

  // Creates, activates in place and advises; false when any step fails.
  bool Open() {
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IOleObject, reinterpret_cast<void**>(&object_)))) {
      object_ = nullptr;
      return false;
    }
    if (FAILED(object_->SetClientSite(static_cast<IOleClientSite*>(site_)))) return false;
    RECT bounds;
    GetClientRect(host_, &bounds);
    if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr,
                               static_cast<IOleClientSite*>(site_), 0, host_, &bounds))) {
      return false;
    }
    if (FAILED(object_->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser_)))) {
      browser_ = nullptr;
      return false;
    }
    IConnectionPointContainer* container = nullptr;
    if (FAILED(object_->QueryInterface(IID_IConnectionPointContainer,
                                       reinterpret_cast<void**>(&container)))) {
      return false;
    }
    HRESULT found = container->FindConnectionPoint(DIID_DWebBrowserEvents2, &connection_);
    container->Release();
    if (FAILED(found)) {
      connection_ = nullptr;
      return false;
    }
    if (FAILED(connection_->Advise(static_cast<IDispatch*>(site_), &cookie_))) {
      connection_->Release();
      connection_ = nullptr;
      return false;
    }
    return true;
  }

  void Navigate(const std::string& url, long flags, const std::string& targetFrame,
                const std::string& headers, const void* postData,
                unsigned long postLength) override {
    std::wstring wideUrl = Widen(url);
    BSTR address = SysAllocStringLen(wideUrl.data(), static_cast<UINT>(wideUrl.size()));
    OwnedVariant flagsValue, target, post, headerValue;
    V_VT(&flagsValue.value) = VT_I4;
    V_I4(&flagsValue.value) = flags;
    if (!targetFrame.empty()) target.SetText(targetFrame);
    if (postData && postLength) post.SetBytes(postData, postLength);
    if (!headers.empty()) headerValue.SetText(headers);
    browser_->Navigate(address, &flagsValue.value, &target.value, &post.value,
                       &headerValue.value);
    SysFreeString(address);
  }

  void GoBack() override { browser_->GoBack(); }

  void SetBounds(const RECT& bounds) override {
    IOleInPlaceObject* inPlace = nullptr;
    if (FAILED(object_->QueryInterface(IID_IOleInPlaceObject,
                                       reinterpret_cast<void**>(&inPlace)))) {
      return;
    }
    inPlace->SetObjectRects(&bounds, &bounds);
    inPlace->Release();
  }

  bool TranslateAccelerator(MSG& msg) override {
    IOleInPlaceActiveObject* active = nullptr;
    if (FAILED(browser_->QueryInterface(IID_IOleInPlaceActiveObject,
                                        reinterpret_cast<void**>(&active)))) {
      return false;
    }
    bool used = active->TranslateAccelerator(&msg) == S_OK;
    active->Release();
    return used;
  }

 private:
  HWND host_;
  BrowserSite* site_;
  IOleObject* object_ = nullptr;
  IWebBrowser2* browser_ = nullptr;
  IConnectionPoint* connection_ = nullptr;
  DWORD cookie_ = 0;
};

}  // namespace

std::unique_ptr<BrowserView> CreateSystemWebBrowser(HWND host, BrowserEvents& events) {
  auto browser = std::make_unique<SystemWebBrowser>(host, events);
  if (!browser->Open()) return nullptr;
  return browser;
}
