#include "tests/support/fake_registry.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iomanip>

namespace zintar {

const char* FakeRegistry::CallName(Call call) {
    switch (call) {
    case Call::Open:
        return "RegOpenKeyExA";
    case Call::Query:
        return "RegQueryValueExA";
    case Call::Create:
        return "RegCreateKeyExA";
    case Call::Set:
        return "RegSetValueExA";
    case Call::Close:
        return "RegCloseKey";
    }
    return "?";
}

namespace {

FakeRegistry* g_live = nullptr; // the one fake the table's functions reach

char FoldCase(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// The names of a key path; nullopt when the path cannot name a key. Like the real functions,
// a leading backslash is refused and empty names elsewhere (a trailing or doubled backslash)
// are skipped.
std::optional<std::vector<std::string_view>> SplitPath(std::string_view path) {
    std::vector<std::string_view> names;
    if (!path.empty() && path.front() == '\\')
        return std::nullopt;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('\\', start);
        if (end == std::string_view::npos)
            end = path.size();
        if (end > start)
            names.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

// Generic rights as the registry maps them for keys.
REGSAM EffectiveAccess(REGSAM access) {
    if (access & (GENERIC_ALL | MAXIMUM_ALLOWED))
        access |= KEY_ALL_ACCESS;
    if (access & GENERIC_READ)
        access |= KEY_READ;
    if (access & GENERIC_WRITE)
        access |= KEY_WRITE;
    if (access & GENERIC_EXECUTE)
        access |= KEY_EXECUTE;
    return access;
}

void StoreNullHandle(PHKEY result) {
    if (result)
        *result = nullptr;
}

} // namespace

void PrintTo(const FakeRegistry::Value& value, std::ostream* out) {
    *out << "{type " << value.type << ", data";
    const auto flags = out->flags();
    for (BYTE b : value.data)
        *out << ' ' << std::hex << std::setw(2) << std::setfill('0') << static_cast<int>(b);
    out->flags(flags);
    *out << '}';
}

FakeRegistry::InjectedException::InjectedException(Call c)
    : std::runtime_error(std::string("injected failure in ") + CallName(c)), call(c) {}

bool FakeRegistry::CaseLess::operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return FoldCase(x) < FoldCase(y); });
}

FakeRegistry::FakeRegistry() {
    if (g_live) {
        std::fputs("FakeRegistry: only one fake registry may be live at a time\n", stderr);
        std::abort();
    }
    g_live = this;
}

FakeRegistry::~FakeRegistry() {
    g_live = nullptr;
}

FakeRegistry& FakeRegistry::Live() {
    if (!g_live) {
        std::fputs("FakeRegistry: a registry function was called with no fake live\n", stderr);
        std::abort();
    }
    return *g_live;
}

const RegistryApi& FakeRegistry::api() const {
    static const RegistryApi table{&OpenTrampoline, &QueryTrampoline, &CreateTrampoline,
                                   &SetTrampoline, &CloseTrampoline};
    return table;
}

LONG WINAPI FakeRegistry::OpenTrampoline(HKEY key, LPCSTR subKey, DWORD options, REGSAM access,
                                         PHKEY result) {
    return Live().Open(key, subKey, options, access, result);
}

LONG WINAPI FakeRegistry::QueryTrampoline(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type,
                                          LPBYTE data, LPDWORD size) {
    return Live().Query(key, name, reserved, type, data, size);
}

LONG WINAPI FakeRegistry::CreateTrampoline(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR className,
                                           DWORD options, REGSAM access,
                                           LPSECURITY_ATTRIBUTES security, PHKEY result,
                                           LPDWORD disposition) {
    return Live().Create(key, subKey, reserved, className, options, access, security, result,
                         disposition);
}

LONG WINAPI FakeRegistry::SetTrampoline(HKEY key, LPCSTR name, DWORD reserved, DWORD type,
                                        const BYTE* data, DWORD size) {
    return Live().Set(key, name, reserved, type, data, size);
}

LONG WINAPI FakeRegistry::CloseTrampoline(HKEY key) {
    return Live().Close(key);
}

// ---- the store ----

FakeRegistry::Key* FakeRegistry::Find(std::string_view keyPath) const {
    const auto names = SplitPath(keyPath);
    if (!names)
        throw std::invalid_argument("FakeRegistry: bad key path");
    const Key* key = &root_;
    for (std::string_view name : *names) {
        const auto it = key->subkeys.find(name);
        if (it == key->subkeys.end())
            return nullptr;
        key = it->second.get();
    }
    return const_cast<Key*>(key);
}

void FakeRegistry::CreateKey(std::string_view keyPath) {
    const auto names = SplitPath(keyPath);
    if (!names)
        throw std::invalid_argument("FakeRegistry: bad key path");
    Key* key = &root_;
    for (std::string_view name : *names) {
        auto& slot = key->subkeys[std::string(name)];
        if (!slot)
            slot = std::make_unique<Key>();
        key = slot.get();
    }
}

void FakeRegistry::SetValue(std::string_view keyPath, std::string_view name, DWORD type,
                            std::vector<BYTE> data) {
    CreateKey(keyPath);
    Find(keyPath)->values[std::string(name)] = Value{type, std::move(data)};
}

bool FakeRegistry::KeyExists(std::string_view keyPath) const {
    return Find(keyPath) != nullptr;
}

std::optional<FakeRegistry::Value> FakeRegistry::GetValue(std::string_view keyPath,
                                                          std::string_view name) const {
    const Key* key = Find(keyPath);
    if (!key)
        return std::nullopt;
    const auto it = key->values.find(name);
    if (it == key->values.end())
        return std::nullopt;
    return it->second;
}

// ---- failure injection and accounting ----

void FakeRegistry::FailCall(Call call, LONG error, int nth) {
    faults_.push_back({call, CallCount(call) + nth, FaultKind::Error, error});
}

void FakeRegistry::FailEveryCall(Call call, LONG error) {
    faults_.push_back({call, 0, FaultKind::Error, error});
}

void FakeRegistry::ThrowOnCall(Call call, int nth) {
    faults_.push_back({call, CallCount(call) + nth, FaultKind::Throw, ERROR_SUCCESS});
}

void FakeRegistry::FailCloseAfterClosing(LONG error, int nth) {
    faults_.push_back(
        {Call::Close, CallCount(Call::Close) + nth, FaultKind::ErrorAfterClose, error});
}

void FakeRegistry::ClearFaults() {
    faults_.clear();
}

int FakeRegistry::CallCount(Call call) const {
    return static_cast<int>(std::count_if(calls_.begin(), calls_.end(),
                                          [call](const CallRecord& r) { return r.call == call; }));
}

std::vector<FakeRegistry::Call> FakeRegistry::CallSequence() const {
    std::vector<Call> sequence;
    for (const CallRecord& r : calls_)
        sequence.push_back(r.call);
    return sequence;
}

std::optional<FakeRegistry::CallRecord> FakeRegistry::LastCall(Call call) const {
    for (auto it = calls_.rbegin(); it != calls_.rend(); ++it)
        if (it->call == call)
            return *it;
    return std::nullopt;
}

FakeRegistry::CallRecord& FakeRegistry::Record(Call call) {
    calls_.push_back(CallRecord{});
    calls_.back().call = call;
    return calls_.back();
}

// The fault armed for the call just recorded, if any. A fault for one numbered call wins over
// one for every call.
const FakeRegistry::Fault* FakeRegistry::FaultFor(Call call) const {
    const int number = CallCount(call);
    const Fault* every = nullptr;
    for (const Fault& f : faults_) {
        if (f.call != call)
            continue;
        if (f.callNumber == number)
            return &f;
        if (f.callNumber == 0)
            every = &f;
    }
    return every;
}

LONG FakeRegistry::Finish(CallRecord& record, LONG result) {
    record.result = result;
    return result;
}

// Throws for an armed exception; otherwise the armed error, if any, for the caller to report.
const FakeRegistry::Fault* FakeRegistry::InjectedFault(CallRecord& record) {
    const Fault* f = FaultFor(record.call);
    if (f && f->kind == FaultKind::Throw) {
        record.threw = true;
        throw InjectedException(record.call);
    }
    return f;
}

// The key a handle stands for, with the access right the call needs (0: none).
// HKEY_CURRENT_USER itself allows everything.
LONG FakeRegistry::KeyOf(HKEY key, REGSAM needed, Key*& found) {
    if (key == HKEY_CURRENT_USER) {
        found = &root_;
        return ERROR_SUCCESS;
    }
    const OpenHandle* h = Resolve(key);
    if (!h)
        return ERROR_INVALID_HANDLE;
    if ((h->access & needed) != needed)
        return ERROR_ACCESS_DENIED;
    found = h->key;
    return ERROR_SUCCESS;
}

const FakeRegistry::OpenHandle* FakeRegistry::Resolve(HKEY key) const {
    const auto it = handles_.find(key);
    return it == handles_.end() ? nullptr : &it->second;
}

HKEY FakeRegistry::NewHandle(Key* key, REGSAM access) {
    const HKEY handle = reinterpret_cast<HKEY>(nextHandle_);
    nextHandle_ += 4;
    handles_[handle] = OpenHandle{key, EffectiveAccess(access)};
    return handle;
}

// ---- the five functions ----

// What open and create do first, alike: an armed fault, the result slot, the key the path
// starts from and the path's names. ERROR_SUCCESS to go on, else the call's result.
LONG FakeRegistry::BeginKeyCall(CallRecord& r, HKEY key, LPCSTR subKey, PHKEY result, Key*& base,
                                std::vector<std::string_view>& names) {
    if (const Fault* f = InjectedFault(r)) {
        StoreNullHandle(result);
        return f->error;
    }
    if (!result)
        return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    if (const LONG found = KeyOf(key, 0, base); found != ERROR_SUCCESS)
        return found;
    auto split = SplitPath(subKey ? subKey : "");
    if (!split)
        return ERROR_BAD_PATHNAME;
    names = std::move(*split);
    return ERROR_SUCCESS;
}

LONG FakeRegistry::Open(HKEY key, LPCSTR subKey, DWORD options, REGSAM access, PHKEY result) {
    CallRecord& r = Record(Call::Open);
    r.key = key;
    if (subKey)
        r.subKey = subKey;
    r.options = options;
    r.access = access;
    r.resultPointer = result != nullptr;
    Key* base = nullptr;
    std::vector<std::string_view> names;
    if (const LONG started = BeginKeyCall(r, key, subKey, result, base, names);
        started != ERROR_SUCCESS)
        return Finish(r, started);
    for (std::string_view name : names) {
        const auto it = base->subkeys.find(name);
        if (it == base->subkeys.end())
            return Finish(r, ERROR_FILE_NOT_FOUND);
        base = it->second.get();
    }
    *result = r.opened = NewHandle(base, access);
    return Finish(r, ERROR_SUCCESS);
}

LONG FakeRegistry::Query(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data,
                         LPDWORD size) {
    CallRecord& r = Record(Call::Query);
    r.key = key;
    if (name)
        r.valueName = name;
    r.reservedPointerNull = reserved == nullptr;
    if (type)
        r.type = *type;
    r.dataPointer = data != nullptr;
    if (size)
        r.size = *size;
    if (const Fault* f = InjectedFault(r))
        return Finish(r, f->error);

    Key* target = nullptr;
    if (const LONG found = KeyOf(key, KEY_QUERY_VALUE, target); found != ERROR_SUCCESS)
        return Finish(r, found);
    if (reserved || (data && !size))
        return Finish(r, ERROR_INVALID_PARAMETER);
    const auto it = target->values.find(std::string_view(name ? name : ""));
    if (it == target->values.end())
        return Finish(r, ERROR_FILE_NOT_FOUND);
    const Value& value = it->second;
    const auto needed = static_cast<DWORD>(value.data.size());
    if (type)
        *type = value.type;
    if (!data) {
        if (size)
            *size = needed;
        return Finish(r, ERROR_SUCCESS);
    }
    if (*size < needed) {
        std::memset(data, 0xCD, *size);
        *size = needed;
        return Finish(r, ERROR_MORE_DATA);
    }
    std::copy(value.data.begin(), value.data.end(), data);
    *size = needed;
    return Finish(r, ERROR_SUCCESS);
}

LONG FakeRegistry::Create(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR className, DWORD options,
                          REGSAM access, LPSECURITY_ATTRIBUTES security, PHKEY result,
                          LPDWORD disposition) {
    CallRecord& r = Record(Call::Create);
    r.key = key;
    if (subKey)
        r.subKey = subKey;
    r.reserved = reserved;
    if (className)
        r.className = className;
    r.options = options;
    r.access = access;
    if (security)
        r.security = *security;
    r.resultPointer = result != nullptr;
    r.dispositionPointer = disposition != nullptr;
    Key* base = nullptr;
    std::vector<std::string_view> names;
    if (const LONG started = BeginKeyCall(r, key, subKey, result, base, names);
        started != ERROR_SUCCESS)
        return Finish(r, started);
    Key* walk = base;
    bool createsNew = false;
    for (std::string_view name : names) {
        auto& slot = walk->subkeys[std::string(name)];
        if (!slot) {
            slot = std::make_unique<Key>();
            createsNew = true;
        }
        walk = slot.get();
    }
    if (disposition)
        *disposition = createsNew ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    *result = r.opened = NewHandle(walk, access);
    return Finish(r, ERROR_SUCCESS);
}

LONG FakeRegistry::Set(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data,
                       DWORD size) {
    CallRecord& r = Record(Call::Set);
    r.key = key;
    if (name)
        r.valueName = name;
    r.reserved = reserved;
    r.type = type;
    r.dataPointer = data != nullptr;
    r.size = size;
    if (data)
        r.data.assign(data, data + size);
    if (const Fault* f = InjectedFault(r))
        return Finish(r, f->error);

    Key* target = nullptr;
    if (const LONG found = KeyOf(key, KEY_SET_VALUE, target); found != ERROR_SUCCESS)
        return Finish(r, found);
    if (!data && size)
        return Finish(r, ERROR_NOACCESS);
    target->values[std::string(name ? name : "")] = Value{type, r.data};
    return Finish(r, ERROR_SUCCESS);
}

LONG FakeRegistry::Close(HKEY key) {
    CallRecord& r = Record(Call::Close);
    r.key = key;
    const Fault* f = InjectedFault(r);
    if (f && f->kind == FaultKind::Error)
        return Finish(r, f->error);

    LONG result = ERROR_SUCCESS;
    if (key == HKEY_CURRENT_USER) {
        ++badCloses_; // harmless for the real function, but the caller never opened it
    } else if (handles_.erase(key) == 0) {
        ++badCloses_;
        result = ERROR_INVALID_HANDLE;
    }
    if (f)
        result = f->error; // closed, and then reported as failed
    return Finish(r, result);
}

} // namespace zintar
