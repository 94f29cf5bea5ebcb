#include "platform/controls/accessible_object.h"

#include <oleacc.h>

#include <atomic>
#include <new>

#include "platform/system/system_library.h"

namespace zintar::win32 {

namespace {

// Defined here rather than taken from an import library: the program links no COM library,
// and mingw's oleacc import library gives an IID_IAccessible that the marshaller refuses.
constexpr IID kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kIidDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kIidAccessible = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

// The functions of oleacc, ole32 and oleaut32 that the answer needs, loaded with the first
// question. The DLLs stay loaded until the program ends.
struct ComFunctions {
    decltype(&CoInitializeEx) coInitializeEx = nullptr;
    decltype(&CreateStdAccessibleObject) createStdAccessibleObject = nullptr;
    decltype(&LresultFromObject) lresultFromObject = nullptr;
    decltype(&SysAllocStringLen) sysAllocStringLen = nullptr;

    bool Complete() const {
        return coInitializeEx && createStdAccessibleObject && lresultFromObject &&
               sysAllocStringLen;
    }
};

// Window thread only, like everything of the window, so no lock.
const ComFunctions* LoadComFunctions() noexcept {
    static ComFunctions functions;
    static bool tried = false;
    if (!tried) {
        tried = true;
        const HMODULE ole32 = LoadSystemLibrary(L"ole32.dll");
        const HMODULE oleaut32 = LoadSystemLibrary(L"oleaut32.dll");
        const HMODULE oleacc = LoadSystemLibrary(L"oleacc.dll");
        functions.coInitializeEx =
            SystemFunction<decltype(&CoInitializeEx)>(ole32, "CoInitializeEx");
        functions.sysAllocStringLen =
            SystemFunction<decltype(&SysAllocStringLen)>(oleaut32, "SysAllocStringLen");
        functions.createStdAccessibleObject = SystemFunction<decltype(&CreateStdAccessibleObject)>(
            oleacc, "CreateStdAccessibleObject");
        functions.lresultFromObject =
            SystemFunction<decltype(&LresultFromObject)>(oleacc, "LresultFromObject");
        // Marshalling the object for another process needs COM on this thread. An
        // apartment the thread already has (S_FALSE, RPC_E_CHANGED_MODE) serves as well,
        // and the program keeps COM until it ends.
        if (functions.coInitializeEx)
            functions.coInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    }
    return functions.Complete() ? &functions : nullptr;
}

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The standard proxy with the name, role and value replaced where the facts hold one. Other
// interfaces the proxy offers (IEnumVARIANT, IOleWindow) are the proxy's own.
class FactsAccessible final : public IAccessible {
  public:
    FactsAccessible(IAccessible* proxy, std::shared_ptr<const AccessibleFacts> facts,
                    const ComFunctions& com)
        : proxy_(proxy), facts_(std::move(facts)), com_(com) {}
    FactsAccessible(const FactsAccessible&) = delete;
    FactsAccessible& operator=(const FactsAccessible&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out)
            return E_POINTER;
        if (IsEqualIID(iid, kIidUnknown) || IsEqualIID(iid, kIidDispatch) ||
            IsEqualIID(iid, kIidAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        return proxy_->QueryInterface(iid, out);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

    // IDispatch: the proxy's.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return proxy_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return proxy_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return proxy_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* badArgument) override {
        return proxy_->Invoke(id, iid, locale, flags, params, result, exception, badArgument);
    }

    // IAccessible: the replaced answers.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (IsSelf(child) && facts_->name)
            return Text(*facts_->name, name);
        return proxy_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        if (IsSelf(child) && facts_->value)
            return Text(*facts_->value, value);
        return proxy_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (IsSelf(child) && facts_->role) {
            if (!role)
                return E_POINTER;
            role->vt = VT_I4;
            role->lVal = static_cast<LONG>(*facts_->role);
            return S_OK;
        }
        return proxy_->get_accRole(child, role);
    }

    // IAccessible: the proxy's.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return proxy_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return proxy_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** dispatch) override {
        return proxy_->get_accChild(child, dispatch);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return proxy_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return proxy_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override {
        return proxy_->get_accHelp(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return proxy_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override {
        return proxy_->get_accKeyboardShortcut(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return proxy_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return proxy_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* text) override {
        return proxy_->get_accDefaultAction(child, text);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG how, VARIANT child) override {
        return proxy_->accSelect(how, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return proxy_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return proxy_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return proxy_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return proxy_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return proxy_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return proxy_->put_accValue(child, value);
    }

  private:
    ~FactsAccessible() { proxy_->Release(); }

    // The caller frees the text with SysFreeString, so it comes from oleaut32.
    HRESULT Text(const std::wstring& text, BSTR* out) const {
        if (!out)
            return E_POINTER;
        *out = com_.sysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        return *out ? S_OK : E_OUTOFMEMORY;
    }

    IAccessible* proxy_;
    std::shared_ptr<const AccessibleFacts> facts_;
    const ComFunctions& com_;
    std::atomic<ULONG> references_{1};
};

} // namespace

std::optional<LRESULT>
AccessibleObjectAnswer(HWND control, WPARAM wp,
                       const std::shared_ptr<const AccessibleFacts>& facts) noexcept {
    const ComFunctions* com = LoadComFunctions();
    if (!com || !facts)
        return std::nullopt;
    void* proxy = nullptr;
    if (FAILED(com->createStdAccessibleObject(control, OBJID_CLIENT, kIidAccessible, &proxy)) ||
        !proxy)
        return std::nullopt;
    auto* object =
        new (std::nothrow) FactsAccessible(static_cast<IAccessible*>(proxy), facts, *com);
    if (!object) {
        static_cast<IAccessible*>(proxy)->Release();
        return std::nullopt;
    }
    // LresultFromObject holds its own reference while the asker has not taken the object.
    const LRESULT answer = com->lresultFromObject(kIidAccessible, wp, object);
    object->Release();
    if (answer < 0)
        return std::nullopt;
    return answer;
}

} // namespace zintar::win32
